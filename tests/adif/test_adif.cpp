#include "adif/location.h"
#include "adif/reader.h"
#include "adif/writer.h"

#include <QtTest>

#include <algorithm>
#include <cstring>

namespace {

// Reads a whole log, a few bytes at a time so that sections straddle the
// reader's refills, and writes each section back, with DISTANCE and ANT_AZ
// set in records when `fill`. The text written, or the error as "offset
// record message".
QByteArray rewrite(const QString& text, bool fill = false)
{
    const QByteArray log = text.toUtf8();
    qsizetype at = 0;
    adif::Reader reader([&](char* buffer, std::size_t size) {
        const std::size_t n = std::min<std::size_t>({size, 7, std::size_t(log.size() - at)});
        std::memcpy(buffer, log.constData() + at, n);
        at += qsizetype(n);
        return n;
    });
    const adif::FieldValue values[] = {{"DISTANCE", "1611"}, {"ANT_AZ", "267"}};
    std::string out;
    adif::Reader::Step step;
    while ((step = reader.next()) == adif::Reader::Step::Section) {
        const bool record = fill && reader.section().kind == adif::SectionKind::Record;
        adif::appendSection(reader.section(), values, record ? 2 : 0, false, out);
    }
    if (step == adif::Reader::Step::Error) {
        const adif::ReadError& e = reader.error();
        out = std::to_string(e.offset) + ' ' + std::to_string(e.record) + ' ' + std::string(adif::message(e.kind));
    }
    return QByteArray::fromStdString(out);
}

} // namespace

class TestAdif : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripIsByteForByte_data()
    {
        QTest::addColumn<QString>("log");
        QTest::newRow("text only") << "no records here\n";
        QTest::newRow("header, comments, odd case, CRLF")
            << "Exported by hand\r\n<ADIF_VER:5>3.1.4 <eoh>\r\n\r\n<call:4>ALFA <App_X_Rig:7:S>IC-7300<eor> between "
               "records\r\n<CALL:4>ECHO<QSO_DATE:8:D>20240101\r\n<EoR>\r\ntrailing text\r\n";
        QTest::newRow("no header, '<' and '>' inside data, UTF-8 counted in bytes, empty data, empty record")
            << "<NAME:12>Москва<COMMENT:9>a <b> c >\n<NOTES:0><EOR><EOR>";
    }
    void roundTripIsByteForByte()
    {
        QFETCH(QString, log);
        QCOMPARE(rewrite(log), log.toUtf8());
    }

    // What filling a log gives: a new field looks like its neighbours. A
    // malformed log gives where the fault begins, in bytes, and in which
    // record. The command's tests fill whole logs, keeping or overwriting
    // values there, and meet a last record left open.
    void fill_data()
    {
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("expected");
        QTest::newRow("comment before the end tag") << "<CALL:4>ALFA -- ok\n<EOR>"
                                                    << "<CALL:4>ALFA -- ok\n<DISTANCE:4>1611 <ANT_AZ:3>267 <EOR>";
        QTest::newRow("tag never closes") << "<CALL:4>ALFA<EOR><CALL:4 ALFA<EOR>" << "17 2 метка не закрыта знаком «>»";
        QTest::newRow("tag open at the end") << "<CALL:4>ALFA<EO" << "12 1 метка не закрыта знаком «>»";
        // A tag without a decimal length is text, like the text between fields.
        QTest::newRow("an address in the header's text")
            << "(C) 2012 A. Author <author@example.org>, <https://example.org>\n<EOH><CALL:4>ALFA<EOR>"
            << "(C) 2012 A. Author <author@example.org>, <https://example.org>\n<EOH>"
               "<CALL:4>ALFA<DISTANCE:4>1611<ANT_AZ:3>267<EOR>";
        QTest::newRow("a stray tag in a record") << "<CALL:4>ALFA <mycall> <CALL:-4>ECHO <EOR>"
                                                 << "<CALL:4>ALFA <mycall> <CALL:-4>ECHO <DISTANCE:4>1611 <ANT_AZ:3>267 <EOR>";
        QTest::newRow("a last <EOF>") << "<CALL:4>ALFA<EOR><EOF>" << "<CALL:4>ALFA<DISTANCE:4>1611<ANT_AZ:3>267<EOR><EOF>";
        QTest::newRow("length past the end") << "<CALL:4>ALFA<EOR><CALL:40>ECHO<EOR>"
                                             << "17 2 данные поля длиннее, чем осталось до конца файла";
        // Refused at once, without waiting for the data, the length read
        // not overflowing; a petabyte, from a pipe or a file, is the
        // command's test's.
        QTest::newRow("length beyond 64 bits") << "<EOH><CALL:99999999999999999999>ECHO"
                                               << "5 1 запись или поле длиннее 4 МиБ: в журналах связей таких не бывает";
        QTest::newRow("<EOH> after a record")
            << "<CALL:4>ALFA<EOR><EOH>"
            << "17 2 метка <EOH> не на месте: заголовок бывает только один, перед первой записью";
    }
    void fill()
    {
        QFETCH(QString, log);
        QFETCH(QString, expected);
        QCOMPARE(rewrite(log, true), expected.toUtf8());
    }

    // "XDDD MM.MMM", its direction on its own axis, within 90 or 180 degrees;
    // the command's tests read a longitude to the west.
    void locations()
    {
        QCOMPARE(adif::readLocation("s033 54.000", adif::Axis::Latitude), std::optional<double>(-33.9));
        for (const char* refused : {"E037 37.500", "N090 00.001", "N037 60.000", "N55 46.250", "N-05 46.250"})
            QVERIFY2(!adif::readLocation(refused, adif::Axis::Latitude), refused);
    }
};

QTEST_APPLESS_MAIN(TestAdif)
#include "test_adif.moc"
