#include "geodesy/locator.h"

#include <QtTest>

using namespace geodesy;

// Every locator of the usual grid (fields A to R, subsquares A to X) decodes
// to the centre of its subsquare, and that centre encodes back to it.
class TestLocatorRoundTrip : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyLocatorComesBack()
    {
        std::string text = "AA00AA";
        long count = 0;
        QStringList failures;
        for (char f1 = 'A'; f1 <= 'R'; ++f1)
            for (char f2 = 'A'; f2 <= 'R'; ++f2)
                for (char s1 = '0'; s1 <= '9'; ++s1)
                    for (char s2 = '0'; s2 <= '9'; ++s2)
                        for (char u1 = 'A'; u1 <= 'X'; ++u1)
                            for (char u2 = 'A'; u2 <= 'X'; ++u2) {
                                text = {f1, f2, s1, s2, u1, u2};
                                const auto decoding = decodeLocator(text);
                                const auto* centre = std::get_if<DecodedLocator>(&decoding.result);
                                const std::string back =
                                    centre ? encodeLocator({centre->latitude, centre->longitude}).text : "";
                                if (back != text && failures.size() < 10)
                                    failures << QString::fromStdString(text + " -> " + back);
                                ++count;
                            }
        QCOMPARE(count, 18L * 18 * 10 * 10 * 24 * 24);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(", ")));
    }
};

QTEST_APPLESS_MAIN(TestLocatorRoundTrip)
#include "test_locator_round_trip.moc"
