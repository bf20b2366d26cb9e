#include "geodesy/locator.h"
#include "geodesy/station.h"

#include "texts.h"

#include <QtTest>

using namespace geodesy;

// Locators of every length and decimal degrees, as the command line and the
// logs give stations; six characters are the window's own decoding, and
// every one of those comes back from its centre.
class TestLocator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The centre of the smallest square named, or the refusal's words.
    void readsStations_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const double step10 = 1.0 / 1036800;  // half the last square, in turns of 180 degrees
        QTest::newRow("worked example") << "KO85TS" << at(55 + 18.5 / 24, 37.625);
        QTest::newRow("lower case") << "jo62qm" << at(52 + 12.5 / 24, 13.375);
        QTest::newRow("south pole, antimeridian") << "AA" << at(-85, -170);
        QTest::newRow("north pole, antimeridian") << "RR99" << at(89.5, 179);
        QTest::newRow("west edge of a subsquare") << "KO85TS00" << at(55.75 + 1.0 / 480, 37.625 - 1.0 / 24 + 1.0 / 240);
        QTest::newRow("north-east corner, 10") << "rr99xx99xx" << at(90 - 90 * step10, 180 - 180 * step10);
        QTest::newRow("degrees at the bounds") << "90,-180" << at(90, -180);

        const QString wrong = "Не корректный ввод локатора !";
        QTest::newRow("letter in a digit place") << "KO8XTS" << wrong;
        QTest::newRow("digit in a letter place") << "K085TS" << wrong;
        QTest::newRow("Y beyond the alphabet") << "KO85TY" << wrong;
        QTest::newRow("blank in a letter place") << "KO85 S" << wrong;
        QTest::newRow("Cyrillic letter, six characters") << "кO85TS" << wrong;
        const QString latitude = "Широта не может быть меньше -90 град. и больше 90 град.";
        const QString longitude = "Долгота не может быть меньше -180 град. и больше 180 град.";
        const QString locator = " Не верно введен локатор";
        QTest::newRow("field letter S east") << "SO85TS" << longitude + locator;
        QTest::newRow("latitude tested first") << "SS85TS" << latitude + locator;

        const QString length = "Локатор должен состоять из 2, 4, 6, 8 или 10 символов.";
        const QString characters = "Не корректный ввод локатора: пары символов идут так: буквы, цифры, буквы A-X, "
                                   "цифры, буквы A-X (например KO85TS27HL).";
        QTest::newRow("empty") << "" << length;
        QTest::newRow("seven: a trailing blank counts") << "KO85TS " << length;
        QTest::newRow("digit for a field letter") << "K085" << characters;
        QTest::newRow("one letter among the digits") << "KO8X" << characters;
        QTest::newRow("Y in 9-10") << "KO85TS27YA" << characters;
        QTest::newRow("Ukrainian") << "ґєії" << characters;
        QTest::newRow("Cyrillic alphabet") << "абвгдеёжзийклмнопрстуфхцчшщъыьэюя" << length;
        QTest::newRow("Latin-1, but not the division sign") << "àéþ÷ÿ" << length;
        const QString north = "Широта не может быть больше 90 град.: вторая буква локатора должна быть от A до R.";
        const QString east = "Долгота не может быть больше 180 град.: первая буква локатора должна быть от A до R.";
        QTest::newRow("both beyond R: latitude first") << "SS" << north;
        QTest::newRow("east beyond R") << "SO" << east;
        QTest::newRow("not degrees") << "55,5,37"
                                     << "Координаты в градусах записываются как ШИРОТА,ДОЛГОТА, например "
                                        "55.7708,37.6250; юг и запад со знаком минус.";
        QTest::newRow("latitude beyond 90") << "90.1,0" << latitude;
        QTest::newRow("longitude beyond 180") << "0,-180.5" << longitude;
    }

    void readsStations()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const std::string utf8 = text.toStdString();
        QCOMPARE(outcome(readStation(utf8)), expected);
        // The window shows the text upper-cased, Latin and Cyrillic alike,
        // once it has found the length right: six characters, not bytes.
        const LocatorDecoding window = decodeLocator(utf8);
        QCOMPARE(qs(window.upper), text.toUpper());
        const auto* refused = std::get_if<LocatorFailure>(&window.result);
        QCOMPARE(refused && *refused == LocatorFailure::WrongLength, text.size() != 6);
    }

    void writesInFivePieces()
    {
        const auto p = locatorPieces("KO85TS");
        QCOMPARE(qs(p[0]) + '|' + qs(p[1]) + '|' + qs(p[2]) + '|' + qs(p[3]) + '|' + qs(p[4]), "K|O|85|T|S");
    }

    // Every locator of the usual grid (fields A to R, subsquares A to X)
    // decodes to the centre of its subsquare, which encodes back to it.
    void everyLocatorComesBack()
    {
        for (char f1 = 'A'; f1 <= 'R'; ++f1)
            for (char f2 = 'A'; f2 <= 'R'; ++f2)
                for (char s1 = '0'; s1 <= '9'; ++s1)
                    for (char s2 = '0'; s2 <= '9'; ++s2)
                        for (char u1 = 'A'; u1 <= 'X'; ++u1)
                            for (char u2 = 'A'; u2 <= 'X'; ++u2) {
                                const std::string text{f1, f2, s1, s2, u1, u2};
                                const auto decoding = decodeLocator(text);
                                const auto* centre = std::get_if<DecodedLocator>(&decoding.result);
                                if (!centre || encodeLocator({centre->latitude, centre->longitude}).text != text)
                                    QFAIL(text.c_str());
                            }
    }
};

QTEST_APPLESS_MAIN(TestLocator)
#include "test_locator.moc"
