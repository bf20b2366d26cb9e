#include "adif/location.h"
#include "adif/reader.h"
#include "adif/writer.h"

#include <QtTest>

#include <algorithm>
#include <cstring>

namespace {

// Reads a whole log given as bytes, a few at a time so that sections
// straddle the reader's refills; writes each section back with `values`
// set in records. The text written, or the error as "offset record message".
QByteArray rewrite(const QByteArray& log, const std::vector<adif::FieldValue>& values = {}, bool overwrite = false)
{
    qsizetype at = 0;
    adif::Reader reader([&](char* buffer, std::size_t size) {
        const std::size_t n = std::min<std::size_t>({size, 7, std::size_t(log.size() - at)});
        std::memcpy(buffer, log.constData() + at, n);
        at += qsizetype(n);
        return n;
    });
    std::string out;
    adif::Reader::Step step;
    while ((step = reader.next()) == adif::Reader::Step::Section) {
        const bool record = reader.section().kind == adif::SectionKind::Record;
        adif::appendSection(reader.section(), values.data(), record ? values.size() : 0, overwrite, out);
    }
    if (step == adif::Reader::Step::Error) {
        const adif::ReadError& e = reader.error();
        return QByteArray::number(e.offset) + ' ' + QByteArray::number(e.record) + ' '
            + QByteArray(adif::message(e.kind).data(), qsizetype(adif::message(e.kind).size()));
    }
    return QByteArray::fromStdString(out);
}

const std::vector<adif::FieldValue> kFilled{{"DISTANCE", "1611"}, {"ANT_AZ", "267"}};

} // namespace

class TestAdif : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripIsByteForByte_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text only") << QByteArray("no records here\n");
        QTest::newRow("header, comments, odd case, CRLF")
            << QByteArray("Exported by hand\r\n<ADIF_VER:5>3.1.4 <eoh>\r\n\r\n<call:4>ALFA <App_X_Rig:7:S>IC-7300"
                          "<eor> between records\r\n<CALL:4>ECHO<QSO_DATE:8:D>20240101\r\n<EoR>\r\ntrailing text\r\n");
        QTest::newRow("no header, '<' and '>' inside data, UTF-8 counted in bytes")
            << QByteArray("<NAME:12>Москва<COMMENT:9>a <b> c >\n<EOR>");
        QTest::newRow("empty data, empty record") << QByteArray("<NOTES:0><EOR><EOR>");
    }

    void roundTripIsByteForByte()
    {
        QFETCH(QByteArray, log);
        QCOMPARE(rewrite(log), log);
    }

    void setsFields_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("blank-spaced") << QByteArray("<EOH>\n<CALL:4>ALFA <EOR>\n") << false
                                      << QByteArray("<EOH>\n<CALL:4>ALFA <DISTANCE:4>1611 <ANT_AZ:3>267 <EOR>\n");
        QTest::newRow("one field a line") << QByteArray("<CALL:4>ALFA\r\n<EOR>") << false
                                          << QByteArray("<CALL:4>ALFA\r\n<DISTANCE:4>1611\r\n<ANT_AZ:3>267\r\n<EOR>");
        QTest::newRow("glued") << QByteArray("<CALL:4>ALFA<eor>") << false
                               << QByteArray("<CALL:4>ALFA<DISTANCE:4>1611<ANT_AZ:3>267<eor>");
        QTest::newRow("comment before the end tag") << QByteArray("<CALL:4>ALFA -- ok\n<EOR>") << false
                                                    << QByteArray("<CALL:4>ALFA -- ok\n<DISTANCE:4>1611 <ANT_AZ:3>267 <EOR>");
        QTest::newRow("an existing value is kept") << QByteArray("<distance:2:N>12 <EOR>") << false
                                                   << QByteArray("<distance:2:N>12 <ANT_AZ:3>267 <EOR>");
        QTest::newRow("overwritten in place") << QByteArray("<distance:2:N>12 <CALL:4>ALFA <EOR>") << true
                                              << QByteArray("<distance:4:N>1611 <CALL:4>ALFA <ANT_AZ:3>267 <EOR>");
    }

    void setsFields()
    {
        QFETCH(QByteArray, log);
        QFETCH(bool, overwrite);
        QTEST(rewrite(log, kFilled, overwrite), "expected");
    }

    void malformed_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("tag never closes") << QByteArray("<CALL:4>ALFA<EOR><CALL:4 ALFA<EOR>")
                                          << QByteArray("17 2 метка не закрыта знаком «>»");
        QTest::newRow("tag open at the end") << QByteArray("<CALL:4>ALFA<EO") << QByteArray("12 1 метка не закрыта знаком «>»");
        QTest::newRow("no length") << QByteArray("<EOH><CALL>ALFA<EOR>")
                                   << QByteArray("5 1 у поля нет длины: ожидается <ИМЯ:ДЛИНА>");
        QTest::newRow("length not a number") << QByteArray("<CALL:-4>ALFA<EOR>")
                                             << QByteArray("0 1 длина поля — не десятичное число");
        QTest::newRow("length past the end") << QByteArray("<CALL:4>ALFA<EOR><CALL:40>ECHO<EOR>")
                                             << QByteArray("17 2 данные поля длиннее, чем осталось до конца файла");
        QTest::newRow("no <EOR> at the end") << QByteArray("<CALL:4>ALFA<EOR>\n<CALL:4>ECHO\n")
                                             << QByteArray("18 2 последняя запись не закончена меткой <EOR>");
        QTest::newRow("<EOH> after a record")
            << QByteArray("<CALL:4>ALFA<EOR><EOH>")
            << QByteArray("17 2 метка <EOH> не на месте: заголовок бывает только один, перед первой записью");
    }

    void malformed()
    {
        QFETCH(QByteArray, log);
        QTEST(rewrite(log, kFilled), "error");
    }

    // "XDDD MM.MMM", its direction on its own axis, within 90 or 180 degrees.
    void locations()
    {
        QCOMPARE(adif::readLocation("s033 54.000", adif::Axis::Latitude), std::optional<double>(-33.9));
        QCOMPARE(adif::readLocation("W072 43.500", adif::Axis::Longitude), std::optional<double>(-72.725));
        for (const char* refused : {"E037 37.500", "N090 00.001", "N037 60.000", "N55 46.250"})
            QVERIFY2(!adif::readLocation(refused, adif::Axis::Latitude), refused);
    }
};

QTEST_APPLESS_MAIN(TestAdif)
#include "test_adif.moc"
