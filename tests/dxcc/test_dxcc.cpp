#include "dxcc/beam_table.h"
#include "dxcc/call_rules.h"
#include "dxcc/country_file_load.h"
#include "dxcc/entity_names.h"
#include "dxcc/entity_texts.h"
#include "dxcc/messages.h"

#include <QtTest>

#include <algorithm>

namespace {

// Debian's file, read once for the whole test.
const dxcc::CountryFile& systemFile()
{
    static const auto loaded = dxcc::loadCountryFile(dxcc::SystemCountryFile);
    if (!std::holds_alternative<dxcc::CountryFile>(loaded))
        qFatal("%s is missing or unreadable: install hamradio-files", dxcc::SystemCountryFile);
    return std::get<dxcc::CountryFile>(loaded);
}

QString readFailure(const std::string& text)
{
    const auto read = dxcc::CountryFile::read(text);
    if (!std::holds_alternative<dxcc::ReadFailure>(read))
        return QStringLiteral("read");
    const dxcc::ReadFailure& failure = std::get<dxcc::ReadFailure>(read);
    return QStringLiteral("%1: %2").arg(failure.line).arg(QString::fromStdString(std::string(message(failure.kind))));
}

} // namespace

class TestDxcc : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Counted here the plain way: a record is a line that is not indented,
    // an alias anything between commas and semicolons on the others, up to
    // its overrides; one listed twice counts once.
    void readsTheWholeSystemFile()
    {
        QFile file(QString::fromLatin1(dxcc::SystemCountryFile));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(file.readAll());
        int records = 0;
        QSet<QString> aliases;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (line.trimmed().isEmpty())
                continue;
            if (!line.front().isSpace())
                ++records;
            else
                for (const QString& alias : line.split(QRegularExpression(QStringLiteral("[,;]"))))
                    if (!alias.trimmed().isEmpty())
                        aliases << alias.trimmed().section(QRegularExpression(QStringLiteral("[(\\[<{~]")), 0, 0);
        }
        const dxcc::CountryFile& read = systemFile();
        QCOMPARE(int(read.entities().size()), records);
        QCOMPARE(int(read.aliasCount()), int(aliases.size()));
        const QString version = QRegularExpression(QStringLiteral("=VER(\\d{8})")).match(text).captured(1);
        QCOMPARE(QString::fromStdString(read.version()), version);
        const auto waeOnly = std::count_if(read.entities().begin(), read.entities().end(),
                                           [](const dxcc::Entity& entity) { return entity.waeOnly; });
        QCOMPARE(int(waeOnly), int(text.count(QRegularExpression(QStringLiteral(":\\s*\\*[A-Z0-9/a-z]+:")))));
    }

    // Every entity of the file has a name of the program's, with the ADIF
    // number that Debian's cty.csv gives it, a Russian name in Cyrillic and
    // an ADIF name in ADIF's capitals.
    void entitiesHaveTheProgramsNames()
    {
        for (const dxcc::Entity& entity : systemFile().entities())
            QVERIFY2(dxcc::entityName(entity.prefix), entity.prefix.c_str());
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
            const QString russian = QString::fromUtf8(name->russian.data(), qsizetype(name->russian.size()));
            QVERIFY2(!russian.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(russian));
            QVERIFY2(QString::fromLatin1(name->adif.data(), qsizetype(name->adif.size()))
                         .contains(QRegularExpression(QStringLiteral("^[A-Z0-9][A-Z0-9 .&,'()/-]+$"))),
                     name->adif.data());
            ++rows;
        }
        QCOMPARE(rows, int(systemFile().entities().size()));
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
        const dxcc::Values own = file.longestPrefix("JD1ABC")->values;
        QCOMPARE(own.position.longitude, 138.38);
        QCOMPARE(own.utcOffsetHours, 9.0);
        const dxcc::Values exact = file.exactCall("JA1XYZ")->values;
        QCOMPARE(exact.cqZone, 19);
        QCOMPARE(exact.ituZone, 90);
        QCOMPARE(exact.position.latitude, -10.5);
        QCOMPARE(exact.position.longitude, -20.25);
        QCOMPARE(QString::fromLatin1(exact.continent), QStringLiteral("OC"));
        QCOMPARE(exact.utcOffsetHours, -3.5);
        QVERIFY(!file.exactCall("JA1"));
    }

    void badFilesAreRefusedWithTheirLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("failure");
        const QString japan = QStringLiteral("Japan:  25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n");
        const auto at = [](int line, dxcc::FormatFailure kind) {
            return QStringLiteral("%1: %2").arg(line).arg(QString::fromUtf8(message(kind).data(), int(message(kind).size())));
        };
        QTest::newRow("seven fields") << QStringLiteral("Japan: 25: 45: AS: 36.40: -138.38: -9.0:\n    JA;\n")
                                      << at(1, dxcc::FormatFailure::RecordFields);
        QTest::newRow("CQ zone 41") << QStringLiteral("Japan: 41: 45: AS: 36.40: -138.38: -9.0: JA:\n    JA;\n")
                                    << at(1, dxcc::FormatFailure::BadZone);
        QTest::newRow("continent") << QStringLiteral("Japan: 25: 45: XX: 36.40: -138.38: -9.0: JA:\n    JA;\n")
                                   << at(1, dxcc::FormatFailure::BadContinent);
        QTest::newRow("longitude") << QStringLiteral("Japan: 25: 45: AS: 36.40: -181: -9.0: JA:\n    JA;\n")
                                   << at(1, dxcc::FormatFailure::BadLongitude);
        QTest::newRow("a decimal comma") << QStringLiteral("Japan: 25: 45: AS: 36,40: -138.38: -9.0: JA:\n    JA;\n")
                                         << at(1, dxcc::FormatFailure::BadLatitude);
        QTest::newRow("aliases first") << QStringLiteral("    JA;\n") + japan
                                       << at(1, dxcc::FormatFailure::AliasesWithoutRecord);
        QTest::newRow("cut after a comma") << japan + QStringLiteral("    JA,\n")
                                           << at(1, dxcc::FormatFailure::UnendedAliases);
        QTest::newRow("next record before ';'") << japan + QStringLiteral("    JA,JE\n") + japan
                                                << at(1, dxcc::FormatFailure::UnendedAliases);
        QTest::newRow("an open bracket") << japan + QStringLiteral("\n    JA,JE(25;\n")
                                         << at(3, dxcc::FormatFailure::BadAlias);
        QTest::newRow("an empty alias") << japan + QStringLiteral("    JA,,JE;\n") << at(2, dxcc::FormatFailure::BadAlias);
        QTest::newRow("lower case") << japan + QStringLiteral("    ja;\n") << at(2, dxcc::FormatFailure::BadAlias);
        QTest::newRow("empty") << QStringLiteral("\n\n") << at(2, dxcc::FormatFailure::NoRecords);
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
        QTest::newRow("exact call, plain") << "R1ANF" << "VP8/h 13 73";
        QTest::newRow("exact call without a digit") << "RAEM" << "UA9 18 31";
        QTest::newRow("exact call with a suffix dropped") << "VK9AA/P" << "VK9X 29 54";
        QTest::newRow("maritime mobile") << "W1AW/MM" << "Maritime";
        QTest::newRow("aeronautical mobile, after a dropped suffix") << "UA3ABC/P/AM" << "Maritime";
        QTest::newRow("portable and QRP dropped") << "UA9ABC/P/QRP" << "UA9 17 30";
        QTest::newRow("prefix before") << "KH6/W1AW" << "KH6 31 61";
        QTest::newRow("prefix after") << "W1AW/KH6" << "KH6 31 61";
        QTest::newRow("one-letter prefix before") << "F/G3ABC" << "F 14 27";
        QTest::newRow("area digit: Europe to Asia") << "UA1ABC/9" << "UA9 17 30";
        QTest::newRow("area digit: Asia to Europe") << "UA9ABC/3" << "UA 16 29";
        QTest::newRow("longest prefix") << "VK9XY" << "VK9X 29 54";
        QTest::newRow("shorter prefix") << "VK9NA" << "VK9N 32 60";
        QTest::newRow("zone override of a prefix") << "UA9XAB" << "UA 17 20";
        QTest::newRow("WAE-only entity's exact call, listed under its parent too") << "4U1A" << "4U1V 15 28";
        QTest::newRow("zone override in China") << "3H0ABC" << "BY 23 42";
        QTest::newRow("label prefix matches nothing itself") << "3D2AB" << "3D2 32 56";
        QTest::newRow("exact call under a label prefix") << "3D2CR" << "3D2/c 32 56";
        QTest::newRow("Cyrillic look-alikes") << QString::fromUtf8("ЈА1АВС").replace(QChar(0x408), QLatin1Char('J')) << "JA 25 45";
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
        const auto result = dxcc::findEntity(systemFile(), call.toStdString());
        QString got;
        if (const auto* match = std::get_if<dxcc::CallMatch>(&result))
            got = QStringLiteral("%1 %2 %3")
                      .arg(QString::fromStdString(match->entity->prefix))
                      .arg(match->values.cqZone)
                      .arg(match->values.ituZone);
        else
            got = failureName(std::get<dxcc::CallFailure>(result));
        QCOMPARE(got, found);
    }

    void entityTexts_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("line");
        QTest::newRow("Japan") << "JA1ABC" << QStringLiteral("Япония (AS, CQ 25, ITU 45)");
        QTest::newRow("Franz Josef Land") << "R1FJM" << QStringLiteral("Земля Франца-Иосифа (EU, CQ 40, ITU 75)");
        QTest::newRow("override shown") << "UA9XAB" << QStringLiteral("Европейская Россия (EU, CQ 17, ITU 20)");
    }

    void entityTexts()
    {
        QFETCH(QString, call);
        QFETCH(QString, line);
        const auto match = std::get<dxcc::CallMatch>(dxcc::findEntity(systemFile(), call.toStdString()));
        QCOMPARE(QString::fromStdString(dxcc::entityLine(*match.entity, match.values)), line);
    }

    void utcOffsets_data()
    {
        QTest::addColumn<double>("hours");
        QTest::addColumn<QString>("text");
        QTest::newRow("east") << 9.0 << QStringLiteral("UTC+9");
        QTest::newRow("west, half an hour") << -3.5 << QStringLiteral("UTC−3:30");
        QTest::newRow("quarter") << 5.75 << QStringLiteral("UTC+5:45");
        QTest::newRow("Greenwich") << 0.0 << QStringLiteral("UTC");
    }

    void utcOffsets()
    {
        QFETCH(double, hours);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(dxcc::utcOffsetText(hours)), text);
    }

    void beamTableOrders_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("column");
        QTest::newRow("azimuth") << "azimuth" << 5;
        QTest::newRow("distance") << "distance" << 7;
    }

    // From KO85TS: every entity once, in order, the own entity's place
    // included; its CSV a line each with the WAE-only ones marked.
    void beamTableOrders()
    {
        QFETCH(QString, order);
        QFETCH(int, column);
        const auto rows = dxcc::beamTable(systemFile(), {55.770833, 37.625}, *dxcc::beamOrder(order.toStdString()));
        QCOMPARE(rows.size(), systemFile().entities().size());
        int last = -1;
        for (const dxcc::BeamRow& row : rows) {
            const int value = std::stoi(dxcc::beamCells(row)[std::size_t(column)]);
            QVERIFY(value >= last);
            last = value;
        }
        const QStringList csv = QString::fromStdString(dxcc::beamTableCsv(rows)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(csv.size(), int(rows.size()) + 1);
        QCOMPARE(csv.filter(QRegularExpression(QStringLiteral(",1$"))).size(), 6);
        QVERIFY(csv.contains(QStringLiteral("JA,Япония,AS,25,45,60,240,7343,9,0")));
        QVERIFY(!dxcc::beamOrder("zone"));
    }

    void beamTableText()
    {
        const dxcc::CountryFile& file = systemFile();
        const auto rows = dxcc::beamTable(file, {55.770833, 37.625}, dxcc::BeamOrder::Prefix);
        const QStringList lines = QString::fromStdString(dxcc::beamTableText(rows)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), int(rows.size()) + 1);
        QVERIFY(lines.first().startsWith(QStringLiteral("Префикс  ")));
        const QString italyAfrica = lines.filter(QRegularExpression(QStringLiteral("^\\*IG9 "))).value(0);
        QVERIFY2(italyAfrica.contains(QStringLiteral("Африканская Италия")), qPrintable(italyAfrica));
        // Columns line up: every row as wide up to its UTC column.
        const int utc = int(lines.first().indexOf(QStringLiteral("UTC")));
        for (const QString& line : lines.mid(1))
            QVERIFY2(line.mid(utc, 3) == QStringLiteral("UTC"), qPrintable(line));
    }

private:
    static QString failureName(dxcc::CallFailure failure)
    {
        switch (failure) {
        case dxcc::CallFailure::NotCallsign:
            return QStringLiteral("NotCallsign");
        case dxcc::CallFailure::Maritime:
            return QStringLiteral("Maritime");
        case dxcc::CallFailure::NoEntity:
            return QStringLiteral("NoEntity");
        }
        return {};
    }
};

QTEST_GUILESS_MAIN(TestDxcc)
#include "test_dxcc.moc"
