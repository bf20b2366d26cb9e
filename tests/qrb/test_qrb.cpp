// The command as a user runs it: its output, its messages, its exit status
// and what it leaves on disk.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run qrb(const QStringList& arguments, const QByteArray& input = {}, const QString& directory = {})
{
    QProcess process;
    process.setWorkingDirectory(directory);
    process.start(QStringLiteral(AZIDAL_QRB), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        qWarning("azidal-qrb did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kLog("header\n<EOH>\n<CALL:4>ALFA <GRIDSQUARE:6>jo62qm <EOR>\n"
                      "<CALL:4>ECHO <MY_GRIDSQUARE:4>FN31 <LAT:11>N041 42.850 <LON:11>W072 43.500 <EOR>\n"
                      "<CALL:4>GOLF <GRIDSQUARE:4>IO91 <ANT_AZ:2>99 <EOR>\n<CALL:4>KILO <EOR>\n");

} // namespace

class TestQrb : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExample()
    {
        const Run run = qrb({"--ellipsoid", "KO85TS", "JO62QM"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, "ДАЛЬНОСТЬ: 1611 км, АЗИМУТ прямой: 267 град., обратный: 87 град.; длинный путь: 38419 км, "
                          "азимут 87 град.; WGS-84: 1616.4 км, прямой 267 град., обратный 67 град.\n");
    }

    void statusAndMessages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0 << "--ellipsoid" << "";
        QTest::newRow("version") << QStringList{"--version"} << QByteArray() << 0 << "azidal-qrb 2.0" << "";
        QTest::newRow("unknown option") << QStringList{"--fast"} << QByteArray() << 2 << "" << "«fast»";
        QTest::newRow("one station") << QStringList{"KO85TS"} << QByteArray() << 2 << "" << "СВОЙ и КОРРЕСПОНДЕНТ";
        QTest::newRow("--in-place without a log") << QStringList{"--in-place", "KO85TS", "JO62QM"} << QByteArray() << 2
                                                  << "" << "только с --adif";
        QTest::newRow("missing file") << QStringList{"--csv", "no-such-file"} << QByteArray() << 2 << ""
                                      << "«no-such-file»";
        QTest::newRow("bad pair") << QStringList{"KO85TS", "KO85T"} << QByteArray() << 1 << ""
                                  << "корреспондент «KO85T»: Локатор должен состоять";
        QTest::newRow("bad line, the rest still written")
            << QStringList{"--csv"} << QByteArray("KO85TS\nKO85TS KO8XTS\n\n55.7708,37.625 -33.9,18.4\n") << 1
            << "\"55.7708,37.625\",\"-33.9,18.4\",10137,196,16,29893,16\n"
            << "стандартный ввод:2: корреспондент «KO8XTS»: Не корректный ввод локатора !";
    }

    void statusAndMessages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = qrb(arguments, input);
        QTEST(run.status, "status");
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
    }

    void fillsALog()
    {
        QTemporaryDir dir;
        write(dir.filePath("log.adi"), kLog);
        const Run run = qrb({"--adif", "log.adi", "--my", "KO85TS", "-o", "out.adi"}, {}, dir.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(contents(dir.filePath("out.adi")),
                 QByteArray("header\n<EOH>\n<CALL:4>ALFA <GRIDSQUARE:6>jo62qm <DISTANCE:4>1611 <ANT_AZ:3>267 <EOR>\n"
                            "<CALL:4>ECHO <MY_GRIDSQUARE:4>FN31 <LAT:11>N041 42.850 <LON:11>W072 43.500 "
                            "<DISTANCE:2>33 <ANT_AZ:2>44 <EOR>\n"
                            "<CALL:4>GOLF <GRIDSQUARE:4>IO91 <ANT_AZ:2>99 <DISTANCE:4>2556 <EOR>\n<CALL:4>KILO <EOR>\n"));
        QCOMPARE(contents(dir.filePath("log.adi")), kLog);
    }

    void inPlaceKeepsTheOriginal_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("done") << kLog << 0 << QStringList{"log.adi", "log.adi.bak"};
        QTest::newRow("malformed: the log stays whole")
            << kLog + "<CALL:4>ECHO" << 2 << QStringList{"log.adi"};
    }

    void inPlaceKeepsTheOriginal()
    {
        QFETCH(QByteArray, log);
        QFETCH(int, status);
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        write(dir.filePath("log.adi"), log);
        const Run run = qrb({"--adif", "log.adi", "--my", "KO85TS", "--in-place"}, {}, dir.path());
        QCOMPARE(run.status, status);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
        QCOMPARE(contents(dir.filePath(files.last())), log);
        if (status != 0)
            QCOMPARE(run.err, QStringLiteral("azidal-qrb: log.adi: байт %1, запись 5: последняя запись не закончена "
                                             "меткой <EOR>\n").arg(kLog.size()));
    }
};

QTEST_GUILESS_MAIN(TestQrb)
#include "test_qrb.moc"
