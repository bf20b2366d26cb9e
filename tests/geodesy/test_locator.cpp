#include "geodesy/locator.h"
#include "geodesy/messages.h"
#include "geodesy/position.h"

#include "texts.h"

#include <QtTest>

using namespace geodesy;

Q_DECLARE_METATYPE(geodesy::LocatorFailure)

class TestLocator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encodes_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("locator");
        QTest::newRow("worked example") << QStringList{"55", "45", "0", "37", "37", "0"} << "KO85TS";
        QTest::newRow("south-west corner") << QStringList{"-90", "", "", "-180", "", ""} << "AA00AA";
        QTest::newRow("origin") << QStringList{"0", "", "", "0", "", ""} << "JJ00AA";
        QTest::newRow("north-east corner") << QStringList{"90", "", "", "180", "", ""} << "SS00AA";
        QTest::newRow("south and west") << QStringList{"-35", "30", "0", "-59", "30", "0"} << "GF05SM";
        QTest::newRow("west of Greenwich") << QStringList{"40", "43", "45", "-75", "57", "30"} << "FN20XR";
        QTest::newRow("longitude boundary a hair below") << QStringList{"0", "", "", "0", "10", "0"} << "JJ00BA";
        QTest::newRow("latitude boundary a hair below") << QStringList{"0", "5", "0", "0", "", ""} << "JJ00AB";
        QTest::newRow("longitude boundary exact") << QStringList{"0", "", "", "0", "5", "0"} << "JJ00BA";
        QTest::newRow("last second below the edge") << QStringList{"89", "59", "59", "179", "59", "59"} << "RR99XX";
        QTest::newRow("last second below zero") << QStringList{"-1", "59", "59", "-1", "59", "59"} << "II99XX";
    }

    void encodes()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, locator);
        QCOMPARE(qs(encodeLocator(std::get<Position>(read(texts))).text), locator);
    }

    void keepsTheIndexOfEachPiece()
    {
        const EncodedLocator encoded = encodeLocator({55.75, 37.625});
        QCOMPARE(encoded.locIndex, (LocIndex{10, 14, 8, 5, 19, 18}));
    }

    void writesInFivePieces()
    {
        const auto pieces = locatorPieces("KO85TS");
        QStringList texts;
        for (const std::string_view piece : pieces)
            texts << qs(piece);
        QCOMPARE(texts, (QStringList{"K", "O", "85", "T", "S"}));
    }

    void decodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::newRow("worked example") << "KO85TS" << 37.625 << 55 + 18.5 / 24;
        QTest::newRow("lower case") << "ko85ts" << 37.625 << 55 + 18.5 / 24;
        QTest::newRow("south-west corner") << "AA00AA" << -180 + 0.5 / 12 << -90 + 0.5 / 24;
        QTest::newRow("north-east corner") << "RR99XX" << (358 + 23.5 / 12) - 180 << (179 + 23.5 / 24) - 90;
        QTest::newRow("origin") << "JJ00AA" << 0.5 / 12 << 0.5 / 24;
    }

    void decodes()
    {
        QFETCH(QString, text);
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        const LocatorDecoding decoding = decodeLocator(text.toStdString());
        QCOMPARE(qs(decoding.upper), text.toUpper());
        const auto* centre = std::get_if<DecodedLocator>(&decoding.result);
        QVERIFY(centre);
        QCOMPARE(centre->longitude, longitude);
        QCOMPARE(centre->latitude, latitude);
    }

    void fillsTheCells()
    {
        const auto decoding = decodeLocator("ko85ts");
        const LocPart& cells = std::get<DecodedLocator>(decoding.result).locPart;
        QCOMPARE((QList<int>{cells.cell1, cells.cell2, cells.cell5, cells.cell6}), (QList<int>{10, 14, 19, 18}));
        QCOMPARE(QString("%1%2").arg(cells.cell3).arg(cells.cell4), QString("85"));
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<LocatorFailure>("failure");
        QTest::addColumn<QString>("message");
        const QString wrong = "Не корректный ввод локатора !";
        const QString latitude = "Широта не может быть меньше -90 град. и больше 90 град. Не верно введен локатор";
        const QString longitude = "Долгота не может быть меньше -180 град. и больше 180 град. Не верно введен локатор";
        QTest::newRow("five characters") << "KO85T" << LocatorFailure::WrongLength << wrong;
        QTest::newRow("seven characters") << "KO85TSA" << LocatorFailure::WrongLength << wrong;
        QTest::newRow("trailing blank") << "KO85TS " << LocatorFailure::WrongLength << wrong;
        QTest::newRow("empty") << "" << LocatorFailure::WrongLength << wrong;
        QTest::newRow("letter in a digit place") << "KO8XTS" << LocatorFailure::WrongCharacters << wrong;
        QTest::newRow("digit in a letter place") << "K085TS" << LocatorFailure::WrongCharacters << wrong;
        QTest::newRow("Y beyond the alphabet") << "KO85TY" << LocatorFailure::WrongCharacters << wrong;
        QTest::newRow("blank in a letter place") << "KO85 S" << LocatorFailure::WrongCharacters << wrong;
        QTest::newRow("punctuation") << "KO85T!" << LocatorFailure::WrongCharacters << wrong;
        QTest::newRow("Cyrillic letter, six characters") << "КO85TS" << LocatorFailure::WrongCharacters << wrong;
        QTest::newRow("all Cyrillic") << "кощщтс" << LocatorFailure::WrongCharacters << wrong;
        QTest::newRow("field letter S east") << "SO85TS" << LocatorFailure::LongitudeOutOfRange << longitude;
        QTest::newRow("field letter S north") << "KS85TS" << LocatorFailure::LatitudeOutOfRange << latitude;
        QTest::newRow("latitude tested first") << "SS85TS" << LocatorFailure::LatitudeOutOfRange << latitude;
        QTest::newRow("field letter X") << "XA00AA" << LocatorFailure::LongitudeOutOfRange << longitude;
    }

    void refuses()
    {
        QFETCH(QString, text);
        QFETCH(LocatorFailure, failure);
        QFETCH(QString, message);
        const LocatorDecoding decoding = decodeLocator(text.toStdString());
        QVERIFY(std::holds_alternative<LocatorFailure>(decoding.result));
        QCOMPARE(std::get<LocatorFailure>(decoding.result), failure);
        QCOMPARE(qs(geodesy::message(failure)), message);
    }

    void upperCasesLatinAndCyrillic_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Latin") << "ko85ts";
        QTest::newRow("Cyrillic") << "абвгдеёжзийклмнопрстуфхцчшщъыьэюя";
        QTest::newRow("Ukrainian") << "ґєії";
        QTest::newRow("mixed with digits and signs") << "жo85-ts !";
    }

    void upperCasesLatinAndCyrillic()
    {
        QFETCH(QString, text);
        QCOMPARE(qs(upperCase(text.toStdString())), text.toUpper());
    }
};

QTEST_APPLESS_MAIN(TestLocator)
#include "test_locator.moc"
