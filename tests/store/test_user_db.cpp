#include "store_test_support.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace storetest;

class TestUserDb : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    // Made by the tool here, and by the build beside this test program.
    void freshDatabase_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::newRow("made by the tool") << m_dir.filePath("fresh");
        QTest::newRow("placed beside the program") << QCoreApplication::applicationDirPath();
    }
    void freshDatabase()
    {
        QFETCH(QString, dir);
        const QString path = dir + QStringLiteral("/user.mdb");
        if (dir != QCoreApplication::applicationDirPath()) {
            QVERIFY(QDir().mkpath(dir));
            QCOMPARE(makeUserDb(path), 0);
            QCOMPARE(entries(dir), QStringList{"user.mdb"});  // no draft left beside it
        }
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QStringList columns;
        QVERIFY(runSql(path, "SELECT group_concat(name || ' ' || type, ', ') FROM pragma_table_info('MyLocator')",
                       &columns));
        QCOMPARE(columns, QStringList{"H1G TEXT, H1M TEXT, H1S TEXT, D1G TEXT, D1M TEXT, D1S TEXT, AZIDAL TEXT"});
        QCOMPARE(storedRecords(path), QStringList{quoted(QStringList(7))});  // one record, all NULL
    }

    // Parallel builds make databases into one folder at once: a run keeps
    // its draft to itself and leaves the others' alone.
    void leavesOtherRunsDraftsAlone()
    {
        const QString dir = m_dir.filePath("parallel");
        QVERIFY(QDir().mkpath(dir));
        QFile other(dir + QStringLiteral("/user.mdb.new"));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("another run's draft") > 0);
        other.close();
        QCOMPARE(makeUserDb(dir + QStringLiteral("/user.mdb")), 0);
        QCOMPARE(entries(dir), (QStringList{"user.mdb", "user.mdb.new"}));
        QCOMPARE(fileBytes(other.fileName()), QByteArray("another run's draft"));
    }

    // Neither a rebuild nor a reinstall may replace what is there.
    void keepsExistingFile_data()
    {
        QTest::addColumn<bool>("station");
        QTest::newRow("not a database") << false;
        QTest::newRow("stored station") << true;
    }
    void keepsExistingFile()
    {
        QFETCH(bool, station);
        const QString path = m_dir.filePath(QStringLiteral("%1.mdb").arg(station));
        if (station) {
            QCOMPARE(makeUserDb(path), 0);
            QVERIFY(writeRecord(path, {"55", "46", "15", "37", "37", "30", "KO85TS"}));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("55;46;15;37;37;30;KO85TS\n") > 0);
        }
        const QByteArray before = fileBytes(path);
        QCOMPARE(makeUserDb(path), 0);
        QCOMPARE(fileBytes(path), before);
    }
};

QTEST_GUILESS_MAIN(TestUserDb)
#include "test_user_db.moc"
