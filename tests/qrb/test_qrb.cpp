// The command as a user runs it: its output, its messages, its exit status
// and what it leaves on disk.

#include <QtTest>

namespace {

// Filled from --my KO85TS or from the record's own station; a value there is
// kept, a record without the correspondent's position left alone, one with
// a wrong position reported and left as it is.
const QByteArray kLog("header\n<EOH>\n<GRIDSQUARE:6>jo62qm <EOR>\n"
                      "<MY_GRIDSQUARE:4>FN31 <LAT:11>N041 42.850 <LON:11>W072 43.500 <EOR>\n"
                      "<GRIDSQUARE:4>IO91 <ANT_AZ:2>99 <EOR>\n<CALL:4>KILO <EOR>\n"
                      "<LAT:11>N091 00.000 <LON:11>E037 37.500 <EOR>\n");
const QByteArray kFilled("header\n<EOH>\n<GRIDSQUARE:6>jo62qm <DISTANCE:4>1611 <ANT_AZ:3>267 <EOR>\n"
                         "<MY_GRIDSQUARE:4>FN31 <LAT:11>N041 42.850 <LON:11>W072 43.500 "
                         "<DISTANCE:2>33 <ANT_AZ:2>44 <EOR>\n"
                         "<GRIDSQUARE:4>IO91 <ANT_AZ:2>99 <DISTANCE:4>2556 <EOR>\n<CALL:4>KILO <EOR>\n"
                         "<LAT:11>N091 00.000 <LON:11>E037 37.500 <EOR>\n");

struct Run {
    int status;
    QString out;
    QString err;
};

Run qrb(const QStringList& arguments, const QString& input, const QString& directory = {})
{
    QProcess process;
    process.setWorkingDirectory(directory);
    process.start(QStringLiteral(AZIDAL_QRB), arguments);
    process.write(input.toUtf8());
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(30000);
    return {finished ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

// The files in a folder, each name followed by what the file holds.
QByteArrayList folder(const QString& path)
{
    QByteArrayList files;
    for (const QString& name : QDir(path).entryList(QDir::Files)) {
        QFile file(QDir(path).filePath(name));
        files << name.toUtf8() << (file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable");
    }
    return files;
}

} // namespace

class TestQrb : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Standard input and output; the output and the messages contain these.
    void statusAndMessages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("worked example") << QStringList{"--ellipsoid", "KO85TS", "JO62QM"} << "" << 0
                                        << "ДАЛЬНОСТЬ: 1611 км, АЗИМУТ прямой: 267 град., обратный: 87 град.; длинный "
                                           "путь: 38419 км, азимут 87 град.; WGS-84: 1616.4 км, прямой 267 град., "
                                           "обратный 67 град.\n" << "";
        QTest::newRow("help") << QStringList{"--help"} << "" << 0 << "вместо сферических.\n" << "";
        QTest::newRow("version") << QStringList{"--version"} << "" << 0 << "azidal-qrb 2.0" << "";
        QTest::newRow("unknown option") << QStringList{"--fast"} << "" << 2 << "" << "«fast»";
        QTest::newRow("one station") << QStringList{"KO85TS"} << "" << 2 << "" << "СВОЙ и КОРРЕСПОНДЕНТ";
        QTest::newRow("--in-place without a log") << QStringList{"--in-place", "KO85TS", "JO62QM"} << "" << 2 << ""
                                                  << "только с --adif";
        QTest::newRow("missing file") << QStringList{"--csv", "none"} << "" << 2 << "" << "не удалось открыть «none»";
        QTest::newRow("missing log") << QStringList{"--adif", "none"} << "" << 2 << "" << "не удалось открыть «none»";
        QTest::newRow("bad pair") << QStringList{"KO85TS", "KO85T"} << "" << 1 << ""
                                  << "корреспондент «KO85T»: Локатор должен состоять";
        QTest::newRow("bad line, the rest still written")
            << QStringList{"--csv"} << "KO85TS\nKO85TS KO8XTS\n\n55.7708,37.625 -33.9,18.4\n" << 1
            << "\"55.7708,37.625\",\"-33.9,18.4\",10137,196,16,29893,16\n"
            << "ввод:1: ожидается пара «СВОЙ КОРРЕСПОНДЕНТ» через пробел\nazidal-qrb: стандартный ввод:2: "
               "корреспондент «KO8XTS»: Не корректный ввод локатора !";
        QTest::newRow("log on the ellipsoid, in tenths, values there replaced")
            << QStringList{"--adif", "-", "--my", "KO85TS", "--ellipsoid", "--overwrite"}
            << "<distance:1:N>9 <GRIDSQUARE:4>IO91 <ant_az:2>99 <EOR>" << 0
            << "<distance:6:N>2563.8 <GRIDSQUARE:4>IO91 <ant_az:3>276 <EOR>" << "";
    }
    void statusAndMessages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, input);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = qrb(arguments, input);
        QTEST(run.status, "status");
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
    }

    // A log filled in the folder that holds it, into another file or in
    // place, keeping the original as .bak; a log that cannot be read is left
    // whole, with nothing beside it.
    void fillsALog()
    {
        const QTemporaryDir dir;
        QFile log(dir.filePath("log.adi"));
        QVERIFY(log.open(QIODevice::WriteOnly) && log.write(kLog + "<CALL:4>ECHO") > 0 && log.flush());
        const QStringList inPlace{"--adif", "log.adi", "--my", "KO85TS", "--in-place"};
        const QString latLon = "azidal-qrb: log.adi: запись 5: LAT/LON «N091 00.000» «E037 37.500»: ожидаются "
                               "координаты ADIF вида N055 46.250 и E037 37.500\n";
        Run run = qrb(inPlace, "", dir.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err, latLon + QString("azidal-qrb: log.adi: байт %1, запись 6: последняя запись не закончена "
                                           "меткой <EOR>\n").arg(kLog.size()));
        QCOMPARE(folder(dir.path()), (QByteArrayList{"log.adi", kLog + "<CALL:4>ECHO"}));
        QVERIFY(log.resize(kLog.size()));
        QCOMPARE(qrb({"--adif", "log.adi", "--my", "KO85TS", "-o", "filled.adi"}, "", dir.path()).status, 1);
        run = qrb(inPlace, "", dir.path());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, latLon);
        QCOMPARE(folder(dir.path()), (QByteArrayList{"filled.adi", kFilled, "log.adi", kFilled, "log.adi.bak", kLog}));
    }
};

QTEST_GUILESS_MAIN(TestQrb)
#include "test_qrb.moc"
