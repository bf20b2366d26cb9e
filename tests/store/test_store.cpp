// The station database: made by make_user_db, which never replaces one;
// found at the start; the own station read from it and saved to it; and what
// the user is told when the file refuses either.

#include "store/failure_text.h"
#include "store/user_db.h"
#include "tests/file_bytes.h"
#include "tests/store/station_binding.h"

#include <QtSql>
#include <QtTest>

#include <fcntl.h>
#include <pwd.h>
#include <sys/fsuid.h>
#include <unistd.h>

namespace {

const QStringList moscow = {"55", "46", "15", "37", "37", "30", "KO85TS"};
const QStringList berlin = {"52", "31", "15", "13", "22", "30", "JO62QM"};

// The causes the user reads.
const QString notADatabase = "Это не база данных станции, или файл повреждён.";
const QString noTable = "В файле нет таблицы MyLocator или одного из её столбцов.";
const QString locked = "Файл занят другой программой; закройте её и повторите.";
const QString noAccess = "Нет прав на этот файл или его папку, или они доступны только для чтения.";

// Runs one statement on a file, by a connection of the test's own: the first
// column of each row it returns, or what went wrong.
QStringList runSql(const QString& path, const QString& sql)
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test");
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (!db.open() || !query.exec(sql))
            rows << "failed: " + db.lastError().text() + query.lastError().text();
        while (query.next())
            rows << query.value(0).toString();
    }
    QSqlDatabase::removeDatabase("test");
    return rows;
}

// Every record of the station table, first record first, as SQLite quotes
// it: 'text', NULL, or a bare number for a value not stored as text.
const QString records = "SELECT quote(H1G) || ', ' || quote(H1M) || ', ' || quote(H1S) || ', ' || quote(D1G) || ', ' "
                        "|| quote(D1M) || ', ' || quote(D1S) || ', ' || quote(AZIDAL) FROM MyLocator ORDER BY rowid";

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}


enum class Broken { Missing, NotSqlite, NoTable, NoColumn, Damaged, Locked, ReadOnlyFile, ReadOnlyDir };

} // namespace

Q_DECLARE_METATYPE(Broken)

class TestStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_cases = 0;

    // A file holding the Moscow station, alone in a directory of its own
    // whose name would end the path if it were read as a URI.
    QString stationFile()
    {
        const QString path = m_dir.filePath(QString("%1 станция?mode=ro#%20/user.mdb").arg(++m_cases));
        return QDir().mkpath(QFileInfo(path).path()) && QFile::copy(m_dir.filePath("moscow.mdb"), path) ? path : "";
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The read-only cases run as "nobody", who must reach the files.
        QVERIFY(QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther));
        QCOMPARE(QProcess::execute(AZIDAL_MAKE_USER_DB, {m_dir.filePath("moscow.mdb")}), 0);
        QCOMPARE(runSql(m_dir.filePath("moscow.mdb"), "UPDATE MyLocator SET (H1G, H1M, H1S, D1G, D1M, D1S, AZIDAL) "
                                                     "= ('55', '46', '15', '37', '37', '30', 'KO85TS')"),
                 QStringList());
    }

    // One record, all NULL, made by runs at once, as parallel builds do,
    // and beside this program by the build. Neither a rebuild nor a
    // reinstall replaces what is there: a file that is no database, a link
    // to nowhere.
    void makeUserDb()
    {
        const QTemporaryDir dir;
        writeFile(dir.filePath("other.mdb"), "55;46;15;37;37;30;KO85TS\n");
        QVERIFY(QFile::link(dir.filePath("nowhere"), dir.filePath("link.mdb")));
        QProcess runs[4];
        for (QProcess& run : runs)
            run.start(AZIDAL_MAKE_USER_DB, {dir.filePath("user.mdb")});
        for (QProcess& run : runs)
            QCOMPARE(run.waitForFinished(30000) ? run.exitCode() : -1, 0);
        for (const char* name : {"other.mdb", "link.mdb"})
            QCOMPARE(QProcess::execute(AZIDAL_MAKE_USER_DB, {dir.filePath(name)}), 0);
        QCOMPARE(entries(dir.path()), (QStringList{"link.mdb", "other.mdb", "user.mdb"}));
        QCOMPARE(fileBytes(dir.filePath("other.mdb")), "55;46;15;37;37;30;KO85TS\n");
        for (const QString& path : {dir.filePath("user.mdb"), QCoreApplication::applicationDirPath() + "/user.mdb"})
            QCOMPARE(runSql(path, records), QStringList{"NULL, NULL, NULL, NULL, NULL, NULL, NULL"});
    }

    // The life of one installation: where the station is read from. The
    // user's copy of the read-only template is theirs to save to.
    void location()
    {
        const QTemporaryDir root;
        const QString bin = root.filePath("bin"), installed = root.filePath("share/azidal/user.mdb");
        const QString data = root.filePath("home/.local/share/azidal"), own = data + "/user.mdb";
        const auto start = [&] { return store::stationLocation(bin, installed, data).path; };
        QCOMPARE(start(), own);  // nothing to copy: the user is told of a missing file there
        QCOMPARE(store::stationLocation(bin, installed, data).noFile,
                 "Файла станции нет ни рядом с программой (" + bin + "/user.mdb), ни у пользователя (" + own
                     + "), и нет шаблона " + installed + ", из которого делается копия пользователя.\nПоложите "
                       "user.mdb рядом с программой или переустановите программу, чтобы шаблон был на месте.");
        writeFile(installed, "template");
        QVERIFY(QFile::setPermissions(installed, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        writeFile(bin + "/user.mdb", "beside");
        QCOMPARE(start(), bin + "/user.mdb");  // build tree or portable folder
        QVERIFY(QFile::remove(bin + "/user.mdb"));
        QCOMPARE(start(), own);  // installed, first start: the user's own copy, for saving
        QCOMPARE(store::stationLocation(bin, installed, data).noFile, QString());
        QCOMPARE(fileBytes(own), "template");
        QCOMPARE(QFile::permissions(own) & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        writeFile(own, "saved");
        QCOMPARE(start(), own);  // a later start keeps it
        QCOMPARE(fileBytes(own), "saved");
        writeFile(bin + "/user.mdb", "beside");
        QCOMPARE(start(), bin + "/user.mdb");  // made portable: the one beside the program, over the user's
    }

    // The cause for each of SQLite's codes, its extended codes too, and the
    // database's own words; a cause the user cannot act on, those alone.
    void failureTexts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("said");
        QTest::newRow("disk full") << "13" << "На диске не осталось места. (sqlite)";
        QTest::newRow("locked") << "6" << locked + " (sqlite)";
        QTest::newRow("permission refused") << "3" << noAccess + " (sqlite)";
        QTest::newRow("not authorised") << "23" << noAccess + " (sqlite)";
        QTest::newRow("read-only, the file moved") << "1032" << noAccess + " (sqlite)";
        QTest::newRow("not opened, the file there") << "14" << noAccess + " (sqlite)";
        QTest::newRow("a constraint") << "19" << "sqlite";
    }
    void failureTexts()
    {
        QFETCH(QString, code);
        const QSqlError error(QStringLiteral("driver"), QStringLiteral("sqlite"), QSqlError::StatementError, code);
        QTEST(store::failureText(error, m_dir.filePath("moscow.mdb"), QStringLiteral("MyLocator")), "said");
    }

    // Saved exactly as typed and read back after a restart. A table emptied
    // by hand reads as empty fields and gets its record back on the save.
    void saveThenRefresh_data()
    {
        QTest::addColumn<bool>("emptyTable");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("stored");
        QTest::newRow("odd texts, 05 stays 05, empty is NULL")
            << false << QStringList{"05", "'", "", "\"?", "1); DROP TABLE MyLocator;--", " 5 ", "ко85тс"}
            << "'05', '''', NULL, '\"?', '1); DROP TABLE MyLocator;--', ' 5 ', 'ко85тс'";
        QTest::newRow("empty table") << true << berlin << "'52', '31', '15', '13', '22', '30', 'JO62QM'";
    }
    void saveThenRefresh()
    {
        QFETCH(bool, emptyTable);
        QFETCH(QStringList, texts);
        QFETCH(QString, stored);
        const QString path = stationFile();
        if (emptyTable)
            QCOMPARE(runSql(path, "DELETE FROM MyLocator"), QStringList());
        QCOMPARE(station(path, berlin, load).first, emptyTable ? QStringList(7) : moscow);
        const store::Result saved = station(path, texts, save).second;
        QVERIFY2(saved.ok(), qPrintable(saved.message()));
        QCOMPARE(runSql(path, records), QStringList{stored});
        QCOMPARE(station(path, moscow, load).first, texts);  // after a restart, with edits the load discards
    }

    // What the user is told for each cause, on the load and on the save: the
    // file in the first line, the cause in the second (the database's own
    // words follow it, as failureTexts tells). A read-only file loads, only
    // the save fails.
    void failures_data()
    {
        QTest::addColumn<Broken>("kind");
        QTest::addColumn<QString>("cause");
        QTest::newRow("file missing") << Broken::Missing << "Такого файла нет: его удалили, переименовали или перенесли.";
        QTest::newRow("not a database") << Broken::NotSqlite << notADatabase;
        QTest::newRow("table missing") << Broken::NoTable << noTable;
        QTest::newRow("column missing") << Broken::NoColumn << noTable;
        QTest::newRow("damaged") << Broken::Damaged << notADatabase;
        QTest::newRow("locked beyond the timeout") << Broken::Locked << locked;
        QTest::newRow("read-only file") << Broken::ReadOnlyFile << noAccess;
        QTest::newRow("read-only directory") << Broken::ReadOnlyDir << noAccess;
    }
    void failures()
    {
        QFETCH(Broken, kind);
        QFETCH(QString, cause);
        const QString path = stationFile(), dir = QFileInfo(path).path();
        const bool readOnly = kind == Broken::ReadOnlyFile || kind == Broken::ReadOnlyDir;
        // For the locked file: another program in the middle of a write.
        QSqlDatabase writer = QSqlDatabase::addDatabase("QSQLITE", "writer");
        const auto cleanup = qScopeGuard([&] {
            writer = QSqlDatabase();
            QSqlDatabase::removeDatabase("writer");
            QFile::setPermissions(dir, QFile::permissions(m_dir.path()));
        });
        // Damaged: the second of the file's two pages holds the table.
        switch (kind) {
        case Broken::Missing: QVERIFY(QFile::remove(path)); break;
        case Broken::NotSqlite: writeFile(path, "55;46;15;37;37;30;KO85TS\n"); break;
        case Broken::NoTable: QCOMPARE(runSql(path, "ALTER TABLE MyLocator RENAME TO Stations"), QStringList()); break;
        case Broken::NoColumn: QCOMPARE(runSql(path, "ALTER TABLE MyLocator DROP COLUMN AZIDAL"), QStringList()); break;
        case Broken::Damaged: writeFile(path, fileBytes(path).left(4096).leftJustified(8192, '\xff')); break;
        case Broken::Locked:
            writer.setDatabaseName(path);
            QVERIFY(writer.open() && QSqlQuery(writer).exec("BEGIN EXCLUSIVE"));
            break;
        case Broken::ReadOnlyFile: QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther)); break;
        case Broken::ReadOnlyDir:
            QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner | QFile::ExeOther));
            break;
        }
        const QStringList entriesBefore = entries(dir);
        const QByteArray bytesBefore = fileBytes(path);
        QElapsedTimer clock;
        clock.start();
        {
            // Root passes every permission check: the read-only cases reach
            // the files as "nobody".
            const passwd* nobody = readOnly && geteuid() == 0 ? getpwnam("nobody") : nullptr;
            setfsgid(nobody ? nobody->pw_gid : getegid());
            setfsuid(nobody ? nobody->pw_uid : geteuid());
            const auto asBefore = qScopeGuard([] { setfsuid(geteuid()); setfsgid(getegid()); });
            const QByteArray refusing = QFile::encodeName(kind == Broken::ReadOnlyDir ? dir : path);
            if (readOnly && (faccessat(AT_FDCWD, QFile::encodeName(path), R_OK, AT_EACCESS) != 0
                             || faccessat(AT_FDCWD, refusing, W_OK, AT_EACCESS) == 0))
                QSKIP("File permissions cannot be made to refuse writes here.");
            const auto [texts, loaded] = station(path, berlin, load);
            const store::Result saved = station(path, berlin, save).second;
            QCOMPARE(texts, readOnly ? moscow : berlin);
            QCOMPARE(loaded.message().section(" (", 0, 0),
                     readOnly ? "" : "Не удалось прочитать свою станцию из файла " + path + ".\n" + cause);
            QCOMPARE(saved.message().section(" (", 0, 0),
                     "Не удалось сохранить свою станцию в файл " + path + ".\n" + cause);
        }
        if (kind == Broken::Locked)  // it waited for the other program, as long as it was told
            QVERIFY2(clock.elapsed() >= 500 && clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(fileBytes(path), bytesBefore);  // no record changed
        QCOMPARE(entries(dir), entriesBefore);   // and no file made
    }

};

QTEST_MAIN(TestStore)
#include "test_store.moc"
