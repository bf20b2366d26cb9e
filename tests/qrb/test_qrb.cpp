// The command as a user runs it: its output, its messages, its exit status
// and what it leaves on disk.

#include <QtTest>

namespace {

const QByteArray kLog("header\n<EOH>\n<GRIDSQUARE:6>jo62qm <EOR>\n"
                      "<MY_GRIDSQUARE:4>FN31 <LAT:11>N041 42.850 <LON:11>W072 43.500 <EOR>\n"
                      "<GRIDSQUARE:4>IO91 <ANT_AZ:2>99 <EOR>\n<CALL:4>KILO <EOR>\n");
// From --my KO85TS or the record's own station; a value there is kept.
const QByteArray kFilled("header\n<EOH>\n<GRIDSQUARE:6>jo62qm <DISTANCE:4>1611 <ANT_AZ:3>267 <EOR>\n"
                         "<MY_GRIDSQUARE:4>FN31 <LAT:11>N041 42.850 <LON:11>W072 43.500 "
                         "<DISTANCE:2>33 <ANT_AZ:2>44 <EOR>\n"
                         "<GRIDSQUARE:4>IO91 <ANT_AZ:2>99 <DISTANCE:4>2556 <EOR>\n<CALL:4>KILO <EOR>\n");
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
        QTest::newRow("help") << QStringList{"--help"} << "" << 0 << "--ellipsoid" << "";
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
            << "стандартный ввод:2: корреспондент «KO8XTS»: Не корректный ввод локатора !";
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

    // A log filled, in the folder that holds it: the files there afterwards
    // and what each holds. A log that cannot be read stays whole.
    void fillsALog_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QByteArrayList>("contents");
        const QByteArray golf("<GRIDSQUARE:4>IO91 <ANT_AZ:2>99 <EOR>");
        QTest::newRow("to another file, on the ellipsoid, in tenths, a value there replaced")
            << QStringList{"--ellipsoid", "--overwrite", "-o", "out.adi"} << golf << 0
            << QStringList{"log.adi", "out.adi"}
            << QByteArrayList{golf, "<GRIDSQUARE:4>IO91 <ANT_AZ:3>276 <DISTANCE:6>2563.8 <EOR>"};
        QTest::newRow("in place") << QStringList{"--in-place"} << kLog << 0 << QStringList{"log.adi", "log.adi.bak"}
                                  << QByteArrayList{kFilled, kLog};
        QTest::newRow("malformed, in place") << QStringList{"--in-place"} << kLog + "<CALL:4>ECHO" << 2
                                             << QStringList{"log.adi"} << QByteArrayList{kLog + "<CALL:4>ECHO"};
    }
    void fillsALog()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, log);
        QFETCH(QStringList, files);
        QFETCH(QByteArrayList, contents);
        const QTemporaryDir dir;
        QFile file(dir.filePath("log.adi"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(log) == log.size());
        file.close();
        const Run run = qrb(QStringList{"--adif", "log.adi", "--my", "KO85TS"} + arguments, "", dir.path());
        QTEST(run.status, "status");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
        for (int i = 0; i < files.size(); ++i) {
            QFile written(dir.filePath(files[i]));
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), contents[i]);
        }
        const QString error = "azidal-qrb: log.adi: байт %1, запись 5: последняя запись не закончена меткой <EOR>\n";
        QCOMPARE(run.err, run.status ? error.arg(kLog.size()) : "");
    }
};

QTEST_GUILESS_MAIN(TestQrb)
#include "test_qrb.moc"
