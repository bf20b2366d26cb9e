#include "dxcc/call_rules.h"
#include "dxcc/country_file_load.h"
#include "dxcc/entity_names.h"
#include "dxcc/entity_texts.h"
#include "tests/system_country_file.h"

#include <QtTest>

#include <array>
#include <map>

namespace {

QString readFailure(const std::string& text)
{
    const auto read = dxcc::CountryFile::read(text);
    if (!std::holds_alternative<dxcc::ReadFailure>(read))
        return QStringLiteral("read");
    const dxcc::ReadFailure& failure = std::get<dxcc::ReadFailure>(read);
    return QStringLiteral("%1: %2").arg(failure.line).arg(int(failure.kind));
}

} // namespace

class TestDxcc : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every entity of the file has a name of the program's, with the ADIF
    // number that Debian's cty.csv gives it, the name ADIF's table gives that
    // number (a WAE-only entity's is its parent's) and a Russian name in
    // Cyrillic.
    void entitiesHaveTheProgramsNames()
    {
        for (const dxcc::Entity& entity : systemCountries().entities())
            QVERIFY2(dxcc::entityName(entity.prefix), entity.prefix.c_str());
        std::map<int, QByteArray> adifNames;
        QFile adif(QStringLiteral(AZIDAL_ADIF_ENTITIES));
        QVERIFY(adif.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QByteArray& line : adif.readAll().split('\n'))
            if (const qsizetype blank = line.indexOf(' '); !line.startsWith('#') && blank > 0)
                adifNames[line.left(blank).toInt()] = line.mid(blank + 1);
        QFile csv(QStringLiteral("/usr/share/hamradio-files/cty.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        int rows = 0;
        for (const QByteArray& line : csv.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(',');
            if (fields.size() < 3)
                continue;
            const dxcc::EntityName* name = dxcc::entityName(fields[0].startsWith('*') ? fields[0].mid(1).toStdString()
                                                                                      : fields[0].toStdString());
            QVERIFY2(name && name->dxcc == fields[2].toInt(), line.constData());
            QCOMPARE(QByteArray::fromStdString(std::string(name->adif)), adifNames[name->dxcc]);
            const QString russian = QString::fromUtf8(name->russian.data(), qsizetype(name->russian.size()));
            QVERIFY2(!russian.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(russian));
            ++rows;
        }
        QCOMPARE(rows, int(systemCountries().entities().size()));
        QVERIFY(!dxcc::entityName("ZZ9"));
    }

    void signsAreTheProgramsAndOverridesHold()
    {
        const std::string text = "Japan:  25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n"
                                 "    JA,=JA1XYZ(19)[90]<-10.5/20.25>{OC}~3.5~,\r\n"
                                 "    JD1;\n";
        const auto read = dxcc::CountryFile::read(text);
        QVERIFY(std::holds_alternative<dxcc::CountryFile>(read));
        const dxcc::CountryFile& file = std::get<dxcc::CountryFile>(read);
        const auto values = [](const dxcc::Values& v) {
            return QStringLiteral("%1 %2 %3 %4 %5 %6").arg(v.cqZone).arg(v.ituZone).arg(v.position.latitude)
                .arg(v.position.longitude).arg(QString::fromLatin1(v.continent)).arg(v.utcOffsetHours);
        };
        QCOMPARE(values(file.longestPrefix("JD1ABC")->values), QStringLiteral("25 45 36.4 138.38 AS 9"));
        QCOMPARE(values(file.exactCall("JA1XYZ")->values), QStringLiteral("19 90 -10.5 -20.25 OC -3.5"));
        QVERIFY(!file.exactCall("JA1"));
    }

    void badFilesAreRefusedWithTheirLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("failure");
        using F = dxcc::FormatFailure;
        const QString japan = QStringLiteral("Japan:  25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n");
        // Japan with one field changed.
        const auto with = [&](const char* from, const char* to) { return QString(japan).replace(from, to) + "    JA;\n"; };
        const auto at = [](int line, F kind) { return QStringLiteral("%1: %2").arg(line).arg(int(kind)); };
        QTest::newRow("seven fields") << with("  JA:", "") << at(1, F::RecordFields);
        QTest::newRow("CQ zone 41") << with("25:", "41:") << at(1, F::BadZone);
        QTest::newRow("continent") << with("AS:", "XX:") << at(1, F::BadContinent);
        QTest::newRow("longitude") << with("-138.38", "-181") << at(1, F::BadLongitude);
        QTest::newRow("a decimal comma") << with("36.40", "36,40") << at(1, F::BadLatitude);
        QTest::newRow("aliases first") << QStringLiteral("    JA;\n") + japan << at(1, F::AliasesWithoutRecord);
        QTest::newRow("cut after a comma") << japan + QStringLiteral("    JA,\n") << at(1, F::UnendedAliases);
        QTest::newRow("next record before ';'") << japan + QStringLiteral("    JA,JE\n") + japan << at(1, F::UnendedAliases);
        QTest::newRow("an open bracket") << japan + QStringLiteral("\n    JA,JE(25;\n") << at(3, F::BadAlias);
        QTest::newRow("an empty alias") << japan + QStringLiteral("    JA,,JE;\n") << at(2, F::BadAlias);
        QTest::newRow("lower case") << japan + QStringLiteral("    ja;\n") << at(2, F::BadAlias);
        QTest::newRow("empty") << QStringLiteral("\n\n") << at(2, F::NoRecords);
    }

    void badFilesAreRefusedWithTheirLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, failure);
        QCOMPARE(readFailure(text.toStdString()), failure);
    }

    // Each a real case from the file's own lines.
    void callsFindTheirEntity_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("found");
        QTest::newRow("exact call with a prefix after") << "W1AW/KG4" << "KG4 8 11";
        QTest::newRow("exact call with an area and /M, zones of its own") << "RA3CQ/9/M" << "UA 17 20";
        QTest::newRow("exact call with a prefix before") << "vp8/ea1cyk" << "VP8/h 13 73";
        QTest::newRow("exact call without a digit") << "RAEM" << "UA9 18 31";
        QTest::newRow("exact call with a suffix dropped") << "VK9AA/P" << "VK9X 29 54";
        QTest::newRow("maritime mobile") << "W1AW/MM" << "Maritime";
        QTest::newRow("aeronautical mobile, after a dropped suffix") << "UA3ABC/P/AM" << "Maritime";
        QTest::newRow("portable and QRP dropped") << "UA9ABC/P/QRP" << "UA9 17 30";
        QTest::newRow("prefix before") << "KH6/W1AW" << "KH6 31 61";
        QTest::newRow("prefix after") << "W1AW/KH6" << "KH6 31 61";
        QTest::newRow("one-letter prefix before") << "F/G3ABC" << "F 14 27";
        QTest::newRow("area digit: Asia to Europe") << "UA9ABC/3" << "UA 16 29";
        QTest::newRow("longest prefix") << "VK9XY" << "VK9X 29 54";
        QTest::newRow("shorter prefix") << "VK9NA" << "VK9N 32 60";
        QTest::newRow("zone override of a prefix") << "UA9XAB" << "UA 17 20";
        QTest::newRow("WAE-only entity's exact call, listed under its parent too") << "4U1A" << "4U1V 15 28";
        QTest::newRow("label prefix matches nothing itself") << "3D2AB" << "3D2 32 56";
        QTest::newRow("exact call under a label prefix") << "3D2CR" << "3D2/c 32 56";
        QTest::newRow("Cyrillic twins") << "JА1АМТ" << "JA 25 45";
        QTest::newRow("an ambiguous Cyrillic letter") << "JА1АВТ" << "NotCallsign";
        QTest::newRow("blanks around") << "  JA1ABC " << "JA 25 45";
        QTest::newRow("no digit") << "QRZ" << "NotCallsign";
        QTest::newRow("punctuation") << "JA1-ABC" << "NotCallsign";
        QTest::newRow("three places") << "DL/JA1ABC/KH6" << "NotCallsign";
        QTest::newRow("matches nothing") << "Q1ABC" << "NoEntity";
        QTest::newRow("a place that matches nothing") << "JA1ABC/Q" << "NoEntity";
    }

    void callsFindTheirEntity()
    {
        QFETCH(QString, call);
        QFETCH(QString, found);
        const auto result = dxcc::findEntity(systemCountries(), call.toStdString());
        QString got;
        if (const auto* match = std::get_if<dxcc::CallMatch>(&result))
            got = QStringLiteral("%1 %2 %3").arg(QString::fromStdString(match->entity->prefix))
                      .arg(match->values.cqZone).arg(match->values.ituZone);
        else
            got = QString::fromLatin1(std::array{"NotCallsign", "Maritime", "NoEntity"}[int(std::get<dxcc::CallFailure>(result))]);
        QCOMPARE(got, found);
    }

    void utcOffsets()
    {
        const auto text = [](double hours) { return QString::fromStdString(dxcc::utcOffsetText(hours)); };
        QCOMPARE(text(-3.5), QStringLiteral("UTC−3:30"));
        QCOMPARE(text(5.75), QStringLiteral("UTC+5:45"));
        QCOMPARE(text(0), QStringLiteral("UTC"));
    }

};

QTEST_GUILESS_MAIN(TestDxcc)
#include "test_dxcc.moc"
