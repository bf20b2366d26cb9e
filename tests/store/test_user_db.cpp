#include "store_test_support.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace storetest;

namespace {

// Checks that a file is a fresh station database: the table with the seven
// text columns in order and exactly one record with every column NULL.
void checkFresh(const QString& path)
{
    QList<QVariantList> rows;
    QVERIFY(runSql(path, QStringLiteral("SELECT name, type FROM pragma_table_info('MyLocator') ORDER BY cid"),
                   &rows));
    QStringList names, types;
    for (const QVariantList& row : rows) {
        names << row[0].toString();
        types << row[1].toString();
    }
    QCOMPARE(names, (QStringList{"H1G", "H1M", "H1S", "D1G", "D1M", "D1S", "AZIDAL"}));
    QCOMPARE(types, QStringList(7, QStringLiteral("TEXT")));

    rows.clear();
    QVERIFY(runSql(path, QStringLiteral("SELECT count(*) FROM MyLocator"), &rows));
    QCOMPARE(rows[0][0].toInt(), 1);
    StoredRecord record;
    QVERIFY(readFirstRecord(path, &record));
    QCOMPARE(record, textRecord(QStringList(7)));

    rows.clear();
    QVERIFY(runSql(path, QStringLiteral("PRAGMA integrity_check"), &rows));
    QCOMPARE(rows[0][0].toString(), QStringLiteral("ok"));
}

} // namespace

class TestUserDb : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_cases = 0;

    QString newDir()
    {
        const QString dir = m_dir.filePath(QStringLiteral("case-%1").arg(++m_cases));
        QDir().mkpath(dir);
        return dir;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void createsFreshDatabase()
    {
        const QString dir = newDir();
        const QString path = dir + QStringLiteral("/user.mdb");
        QCOMPARE(makeUserDb({path}), 0);
        checkFresh(path);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(entries(dir), QStringList{QStringLiteral("user.mdb")});  // no side files left
    }

    void relativePath()
    {
        const QString dir = newDir();
        QProcess tool;
        tool.setWorkingDirectory(dir);
        tool.start(QStringLiteral(AZIDAL_MAKE_USER_DB), {QStringLiteral("user.mdb")});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        checkFresh(dir + QStringLiteral("/user.mdb"));
    }

    void keepsExistingFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("not a database") << QByteArray("55;46;15;37;37;30;KO85TS\n");
    }
    void keepsExistingFile()
    {
        QFETCH(QByteArray, content);
        const QString dir = newDir();
        const QString path = dir + QStringLiteral("/user.mdb");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QCOMPARE(makeUserDb({path}), 0);
        QCOMPARE(fileBytes(path), content);
        QCOMPARE(entries(dir), QStringList{QStringLiteral("user.mdb")});
    }

    void keepsStoredStation()
    {
        const QString path = newDir() + QStringLiteral("/user.mdb");
        QCOMPARE(makeUserDb({path}), 0);
        const QStringList station{"55", "46", "15", "37", "37", "30", "KO85TS"};
        QVERIFY(writeFirstRecord(path, station));
        const QByteArray before = fileBytes(path);
        QCOMPARE(makeUserDb({path}), 0);  // a rebuild or reinstall
        QCOMPARE(fileBytes(path), before);
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord(station));
    }

    void keepsDanglingLink()
    {
        const QString dir = newDir();
        const QString path = dir + QStringLiteral("/user.mdb");
        QVERIFY(QFile::link(dir + QStringLiteral("/elsewhere.mdb"), path));
        QCOMPARE(makeUserDb({path}), 0);
        QCOMPARE(entries(dir), QStringList{QStringLiteral("user.mdb")});
        QVERIFY(QFileInfo(path).isSymLink());
    }

    void failsWithoutDirectory()
    {
        const QString dir = newDir();
        QByteArray errors;
        QCOMPARE(makeUserDb({dir + QStringLiteral("/missing/user.mdb")}, &errors), 1);
        QVERIFY(!errors.isEmpty());
        QCOMPARE(entries(dir), QStringList());
    }

    void wrongUse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no path") << QStringList();
        QTest::newRow("two paths") << QStringList{"a.mdb", "b.mdb"};
        QTest::newRow("empty path") << QStringList{""};
    }
    void wrongUse()
    {
        QFETCH(QStringList, arguments);
        const QString dir = newDir();
        QProcess tool;
        tool.setWorkingDirectory(dir);
        tool.start(QStringLiteral(AZIDAL_MAKE_USER_DB), arguments);
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(!tool.readAllStandardError().isEmpty());
        QCOMPARE(entries(dir), QStringList());
    }

    void placedBesideProgram()
    {
        // This test program is built with azidal_place_user_db, as the
        // calculator is: a station database lies beside it after the build.
        const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/user.mdb");
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        checkFresh(path);
    }
};

QTEST_GUILESS_MAIN(TestUserDb)
#include "test_user_db.moc"
