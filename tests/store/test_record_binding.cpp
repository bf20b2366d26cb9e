#include "store/record_binding.h"
#include "store_test_support.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <memory>
#include <pwd.h>
#include <thread>
#include <unistd.h>

using namespace storetest;

namespace {

const QStringList moscow = {"55", "46", "15", "37", "37", "30", "KO85TS"};
const QStringList berlin = {"52", "31", "15", "13", "22", "30", "JO62QM"};
const QStringList untouched = {"a", "b", "c", "d", "e", "f", "g"};

// The seven own-station fields bound in the window's order.
struct Station {
    explicit Station(const QString& path, const QString& table = QStringLiteral("MyLocator"))
    {
        binding.setDatabaseName(path);
        binding.setRecordSource(table);
        for (int i = 0; i < 7; ++i) {
            fields[i] = new QLineEdit(&form);
            binding.bind(fields[i], columnNames()[i]);
        }
    }
    QStringList texts() const
    {
        QStringList result;
        for (const QLineEdit* field : fields)
            result << field->text();
        return result;
    }
    void setTexts(const QStringList& texts)
    {
        for (int i = 0; i < 7; ++i)
            fields[i]->setText(texts[i]);
    }

    QWidget form;
    std::array<QLineEdit*, 7> fields{};
    store::RecordBinding binding;
};

QString readFailure(const QString& path)
{
    return QStringLiteral("Не удалось прочитать свою станцию из файла %1.").arg(path);
}

QString saveFailure(const QString& path)
{
    return QStringLiteral("Не удалось сохранить свою станцию в файл %1.").arg(path);
}

// A failure's message is the sentence naming the file, then the database's
// own error text on the next line.
void checkFailure(const store::Result& result, const QString& sentence, const QString& databaseText)
{
    QVERIFY2(!result.ok(), "expected a failure");
    QVERIFY(!result);
    const QStringList lines = result.message().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], sentence);
    QVERIFY2(lines[1].contains(databaseText, Qt::CaseInsensitive),
             qPrintable(QStringLiteral("\"%1\" does not mention \"%2\"").arg(lines[1], databaseText)));
}

// While it lives, file access is checked for the user "nobody" instead of
// root, so that read-only files and directories really refuse writes when
// the tests run as root. For any other user there is nothing to drop.
class Unprivileged {
public:
    Unprivileged()
    {
        if (geteuid() != 0) {
            m_ready = true;
            return;
        }
        m_group = getegid();
        const passwd* nobody = getpwnam("nobody");
        if (!nobody) {
            m_reason = QStringLiteral("there is no user \"nobody\" to drop to");
            return;
        }
        if (setegid(nobody->pw_gid) != 0 || seteuid(nobody->pw_uid) != 0) {
            m_reason = QStringLiteral("cannot switch the effective user: %1").arg(qt_error_string(errno));
            setegid(m_group);
            return;
        }
        m_dropped = m_ready = true;
    }
    ~Unprivileged()
    {
        if (m_dropped) {
            if (seteuid(0) != 0 || setegid(m_group) != 0)
                qFatal("cannot return to root");
        }
    }
    bool ready() const { return m_ready; }
    QString reason() const { return m_reason; }

private:
    bool m_ready = false;
    bool m_dropped = false;
    gid_t m_group = 0;
    QString m_reason;
};

bool canOpen(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd >= 0)
        ::close(fd);
    return fd >= 0;
}

bool canCreateIn(const QString& dir)
{
    const QString probe = dir + QStringLiteral("/probe");
    const int fd = ::open(QFile::encodeName(probe).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(QFile::encodeName(probe).constData());
    return true;
}

// Restores a directory's permissions when the test ends, however it ends.
struct PermissionsBack {
    QString path;
    QFileDevice::Permissions permissions;
    ~PermissionsBack() { QFile::setPermissions(path, permissions); }
};

constexpr QFileDevice::Permissions mode755 = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                             | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                             | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                             | QFileDevice::ExeOther;

enum class Broken { Missing, NotSqlite, ZeroBytes, NoTable, NoColumn, DamagedPages };

} // namespace

Q_DECLARE_METATYPE(Broken)

class TestRecordBinding : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_template;
    int m_cases = 0;

    // A fresh database from make_user_db, alone in a directory of its own.
    QString freshCopy()
    {
        const QString dir = m_dir.filePath(QStringLiteral("case-%1").arg(++m_cases));
        QDir().mkpath(dir);
        const QString path = dir + QStringLiteral("/user.mdb");
        return QFile::copy(m_template, path) ? path : QString();
    }

    QString storedCopy(const QStringList& texts)
    {
        const QString path = freshCopy();
        return writeFirstRecord(path, texts) ? path : QString();
    }

    QString brokenFile(Broken kind)
    {
        QString path = storedCopy(moscow);
        if (path.isEmpty())
            return {};
        switch (kind) {
        case Broken::Missing:
            QFile::remove(path);
            break;
        case Broken::NotSqlite: {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                return {};
            for (int i = 0; i < 100; ++i)
                file.write("H1G;H1M;H1S;D1G;D1M;D1S;AZIDAL\n55;46;15;37;37;30;KO85TS\n");
            break;
        }
        case Broken::ZeroBytes:
            if (!QFile(path).resize(0))
                return {};
            break;
        case Broken::NoTable:
            if (!runSql(path, QStringLiteral("ALTER TABLE MyLocator RENAME TO Stations")))
                return {};
            break;
        case Broken::NoColumn:
            if (!runSql(path, QStringLiteral("ALTER TABLE MyLocator DROP COLUMN AZIDAL")))
                return {};
            break;
        case Broken::DamagedPages: {
            // Enough pages that there is a middle to damage; the table's own
            // page is among them, the first and the last page stay intact.
            if (!runSql(path, QStringLiteral("CREATE TABLE Filler (b BLOB)")))
                return {};
            for (int i = 0; i < 20; ++i) {
                if (!runSql(path, QStringLiteral("INSERT INTO Filler VALUES (randomblob(1500))")))
                    return {};
            }
            QList<QVariantList> rows;
            if (!runSql(path, QStringLiteral("PRAGMA page_size"), &rows) || rows.isEmpty())
                return {};
            const qint64 pageSize = rows[0][0].toLongLong();
            QFile file(path);
            if (!file.open(QIODevice::ReadWrite) || file.size() < 4 * pageSize)
                return {};
            QRandomGenerator garbage(1234);
            QByteArray bytes(int(file.size() - 2 * pageSize), Qt::Uninitialized);
            for (char& byte : bytes)
                byte = char(garbage.bounded(256));
            file.seek(pageSize);
            file.write(bytes);
            break;
        }
        }
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The read-only cases look into it as another user.
        QVERIFY(QFile::setPermissions(m_dir.path(), mode755));
        m_template = m_dir.filePath(QStringLiteral("template.mdb"));
        QCOMPARE(makeUserDb({m_template}), 0);
        StoredRecord record;
        QVERIFY(readFirstRecord(m_template, &record));
        QCOMPARE(record, textRecord(QStringList(7)));
    }

    void refreshFillsFields_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("coordinates and locator") << moscow;
        QTest::newRow("south and west") << QStringList{"-35", "0", "0", "-59", "30", "0", "GF05SA"};
        QTest::newRow("leading zeros kept") << QStringList{"05", "05", "00", "007", "09", "01", "KO85TS"};
        QTest::newRow("lower-case locator") << QStringList{"55", "46", "15", "37", "37", "30", "ko85ts"};
        QTest::newRow("all NULL") << QStringList(7);
        QTest::newRow("some NULL") << QStringList{"55", "", "15", "", "37", "", "KO85TS"};
        QTest::newRow("Cyrillic and blanks") << QStringList{" 5", "5 ", "ноль", "ЖЖ", "", "1", "ко85тс"};
    }
    void refreshFillsFields()
    {
        QFETCH(QStringList, stored);
        const QString path = storedCopy(stored);
        QVERIFY(!path.isEmpty());
        Station station(path);
        station.setTexts(untouched);
        const store::Result result = station.binding.refresh();
        QVERIFY2(result.ok(), qPrintable(result.message()));
        QVERIFY(result.message().isEmpty());
        QCOMPARE(station.texts(), stored);
    }

    void refreshReadsByColumnName()
    {
        // Bound in another order and not all of them: each field still gets
        // its own column.
        const QString path = storedCopy(moscow);
        QVERIFY(!path.isEmpty());
        QWidget form;
        auto* locator = new QLineEdit(&form);
        auto* seconds = new QLineEdit(&form);
        auto* degrees = new QLineEdit(&form);
        store::RecordBinding binding;
        binding.setDatabaseName(path);
        binding.setRecordSource(QStringLiteral("MyLocator"));
        binding.bind(locator, QStringLiteral("AZIDAL"));
        binding.bind(seconds, QStringLiteral("D1S"));
        binding.bind(degrees, QStringLiteral("H1M"));
        binding.bind(degrees, QStringLiteral("H1G"));  // bound again: new column
        QVERIFY(binding.refresh().ok());
        QCOMPARE(locator->text(), QStringLiteral("KO85TS"));
        QCOMPARE(seconds->text(), QStringLiteral("30"));
        QCOMPARE(degrees->text(), QStringLiteral("55"));

        // A save writes only the bound columns.
        locator->setText(QStringLiteral("JO62QM"));
        seconds->clear();
        degrees->setText(QStringLiteral("52"));
        QVERIFY(binding.updateRecord().ok());
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord({"52", "46", "15", "37", "37", "", "JO62QM"}));
    }

    void refreshDiscardsEdits()
    {
        const QString path = storedCopy(moscow);
        QVERIFY(!path.isEmpty());
        const QByteArray before = fileBytes(path);
        Station station(path);
        QVERIFY(station.binding.refresh().ok());
        station.fields[1]->setText(QStringLiteral("59"));
        station.fields[6]->clear();
        station.fields[3]->setText(station.fields[3]->text());  // same text typed again
        QVERIFY(station.binding.refresh().ok());
        QCOMPARE(station.texts(), moscow);
        QCOMPARE(fileBytes(path), before);  // reading writes nothing
    }

    void saveThenRestart_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("coordinates and locator") << berlin;
        QTest::newRow("minutes 05 stay 05") << QStringList{"55", "05", "05", "037", "00", "9", "KO85TS"};
        QTest::newRow("lower case as typed") << QStringList{"55", "46", "15", "37", "37", "30", "ko85ts"};
        QTest::newRow("one field empty") << QStringList{"55", "46", "", "37", "37", "30", "KO85TS"};
        QTest::newRow("all empty") << QStringList(7);
        QTest::newRow("blanks kept") << QStringList{" 55", "46 ", " ", "37", "37", "30", "KO85TS"};
        QTest::newRow("quotes and SQL are only text")
            << QStringList{"'", "\"", "?", "';--", "1); DROP TABLE MyLocator;--", "%", "\"AZIDAL\""};
        QTest::newRow("Cyrillic") << QStringList{"пять", "5", "5", "5", "5", "5", "КО85ТС"};
    }
    void saveThenRestart()
    {
        QFETCH(QStringList, texts);
        const QString path = storedCopy(moscow);
        QVERIFY(!path.isEmpty());
        {
            Station station(path);
            QVERIFY(station.binding.refresh().ok());
            station.setTexts(texts);
            const store::Result result = station.binding.updateRecord();
            QVERIFY2(result.ok(), qPrintable(result.message()));
            QCOMPARE(station.texts(), texts);  // the fields keep their texts
        }

        // Stored exactly as typed, text typed, empty as NULL, one record.
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord(texts));
        QList<QVariantList> rows;
        QVERIFY(runSql(path, QStringLiteral("SELECT count(*) FROM MyLocator"), &rows));
        QCOMPARE(rows[0][0].toInt(), 1);

        Station restarted(path);
        restarted.setTexts(untouched);
        QVERIFY(restarted.binding.refresh().ok());
        QCOMPARE(restarted.texts(), texts);
    }

    void emptyTableRefreshEmptiesFields()
    {
        const QString path = storedCopy(moscow);
        QVERIFY(!path.isEmpty());
        QVERIFY(runSql(path, QStringLiteral("DELETE FROM MyLocator")));
        Station station(path);
        station.setTexts(untouched);
        const store::Result result = station.binding.refresh();
        QVERIFY2(result.ok(), qPrintable(result.message()));
        QCOMPARE(station.texts(), QStringList(7));
    }

    void emptyTableSaveInsertsOneRecord()
    {
        const QString path = storedCopy(moscow);
        QVERIFY(!path.isEmpty());
        QVERIFY(runSql(path, QStringLiteral("DELETE FROM MyLocator")));
        Station station(path);
        station.setTexts({"55", "", "15", "37", "37", "30", "ko85ts"});
        QVERIFY(station.binding.updateRecord().ok());
        station.setTexts(berlin);  // the second save updates the inserted record
        QVERIFY(station.binding.updateRecord().ok());

        QList<QVariantList> rows;
        QVERIFY(runSql(path, QStringLiteral("SELECT count(*) FROM MyLocator"), &rows));
        QCOMPARE(rows[0][0].toInt(), 1);
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord(berlin));
    }

    void onlyTheFirstRecordIsUsed()
    {
        // Inserted out of order: the first record is the lowest rowid.
        const QString path = freshCopy();
        QVERIFY(!path.isEmpty());
        QVERIFY(runSql(path, QStringLiteral("DELETE FROM MyLocator")));
        QVERIFY(runSql(path, QStringLiteral("INSERT INTO MyLocator (rowid, H1G, AZIDAL) VALUES (7, '10', 'AA00AA')")));
        QVERIFY(runSql(path, QStringLiteral("INSERT INTO MyLocator (rowid, H1G, AZIDAL) VALUES (3, '55', 'KO85TS')")));
        Station station(path);
        QVERIFY(station.binding.refresh().ok());
        QCOMPARE(station.texts(), (QStringList{"55", "", "", "", "", "", "KO85TS"}));

        station.setTexts(berlin);
        QVERIFY(station.binding.updateRecord().ok());
        QList<QVariantList> rows;
        QVERIFY(runSql(path, QStringLiteral("SELECT rowid, H1G, H1M, AZIDAL FROM MyLocator ORDER BY rowid"), &rows));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0], (QVariantList{3, "52", "31", "JO62QM"}));
        QCOMPARE(rows[1][0].toInt(), 7);
        QCOMPARE(rows[1][1].toString(), QStringLiteral("10"));
        QVERIFY(rows[1][2].isNull());
        QCOMPARE(rows[1][3].toString(), QStringLiteral("AA00AA"));
    }

    void refusedWriteChangesNoColumn()
    {
        // The table refuses a locator longer than six characters: none of the
        // other six values of the same save may reach the file either.
        const QString path = freshCopy();
        QVERIFY(!path.isEmpty());
        QVERIFY(runSql(path, QStringLiteral("DROP TABLE MyLocator")));
        QVERIFY(runSql(path, QStringLiteral("CREATE TABLE MyLocator (H1G TEXT, H1M TEXT, H1S TEXT, D1G TEXT, "
                                            "D1M TEXT, D1S TEXT, AZIDAL TEXT CHECK (length(AZIDAL) <= 6))")));
        QVERIFY(runSql(path, QStringLiteral("INSERT INTO MyLocator DEFAULT VALUES")));
        QVERIFY(writeFirstRecord(path, moscow));
        const QByteArray before = fileBytes(path);

        Station station(path);
        station.setTexts({"52", "31", "15", "13", "22", "30", "JO62QMX"});
        checkFailure(station.binding.updateRecord(), saveFailure(path), QStringLiteral("CHECK constraint failed"));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(fileBytes(path), before);
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord(moscow));
    }

    void brokenFileFails_data()
    {
        QTest::addColumn<Broken>("kind");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("databaseText");
        const struct {
            const char* name;
            Broken kind;
            const char* loadText;
            const char* saveText;
        } cases[] = {
            {"file missing", Broken::Missing, "unable to open database file", "unable to open database file"},
            {"not an SQLite file", Broken::NotSqlite, "file is not a database", "file is not a database"},
            {"zero bytes", Broken::ZeroBytes, "no such table: MyLocator", "no such table: MyLocator"},
            {"table missing", Broken::NoTable, "no such table: MyLocator", "no such table: MyLocator"},
            {"column missing", Broken::NoColumn, "no such column", "no such column: AZIDAL"},
            {"damaged pages", Broken::DamagedPages, "malformed", "malformed"},
        };
        for (const auto& c : cases) {
            QTest::addRow("load, %s", c.name) << c.kind << false << QString::fromLatin1(c.loadText);
            QTest::addRow("save, %s", c.name) << c.kind << true << QString::fromLatin1(c.saveText);
        }
    }
    void brokenFileFails()
    {
        QFETCH(Broken, kind);
        QFETCH(bool, save);
        QFETCH(QString, databaseText);
        const QString path = brokenFile(kind);
        QVERIFY(!path.isEmpty());
        const QString dir = QFileInfo(path).path();
        const QStringList entriesBefore = entries(dir);
        const QByteArray bytesBefore = fileBytes(path);

        Station station(path);
        station.setTexts(save ? berlin : untouched);
        const store::Result result = save ? station.binding.updateRecord() : station.binding.refresh();
        checkFailure(result, save ? saveFailure(path) : readFailure(path), databaseText);
        if (QTest::currentTestFailed())
            return;

        // Nothing changed: not the fields, not the file, and no file made.
        QCOMPARE(station.texts(), save ? berlin : untouched);
        QCOMPARE(entries(dir), entriesBefore);
        QCOMPARE(fileBytes(path), bytesBefore);
    }

    void readOnly_data()
    {
        QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<bool>("dirWritable");
        QTest::addColumn<QString>("databaseText");
        QTest::newRow("read-only file") << false << true << QStringLiteral("readonly database");
        QTest::newRow("read-only directory") << true << false << QStringLiteral("readonly database");
    }
    void readOnly()
    {
        QFETCH(bool, fileWritable);
        QFETCH(bool, dirWritable);
        QFETCH(QString, databaseText);
        const QString path = storedCopy(moscow);
        QVERIFY(!path.isEmpty());
        const QString dir = QFileInfo(path).path();
        const PermissionsBack restore{dir, QFile::permissions(dir)};
        const auto all = QFileDevice::Permissions(0x7777);
        const auto noWrite = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        const auto noWriteDir = noWrite | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(path, fileWritable ? all & ~(QFileDevice::ExeOwner | QFileDevice::ExeUser
                                                                   | QFileDevice::ExeGroup | QFileDevice::ExeOther)
                                                         : noWrite));
        QVERIFY(QFile::setPermissions(dir, dirWritable ? all : noWriteDir));
        const QByteArray before = fileBytes(path);
        const QStringList entriesBefore = entries(dir);

        Station station(path);
        station.setTexts(untouched);
        {
            const Unprivileged unprivileged;
            if (!unprivileged.ready())
                QSKIP(qPrintable(QStringLiteral("Permissions cannot be made to apply: ") + unprivileged.reason()));
            if (!canOpen(path, O_RDONLY))
                QSKIP("The unprivileged user cannot reach the temporary directory (set TMPDIR elsewhere).");
            if (canOpen(path, O_WRONLY) == !fileWritable || canCreateIn(dir) == !dirWritable)
                QSKIP("File permissions do not bite for this user here.");

            const store::Result loaded = station.binding.refresh();
            QVERIFY2(loaded.ok(), qPrintable(loaded.message()));
            QCOMPARE(station.texts(), moscow);

            station.setTexts(berlin);
            checkFailure(station.binding.updateRecord(), saveFailure(path), databaseText);
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(station.texts(), berlin);
        }
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(entries(dir), entriesBefore);
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord(moscow));
    }

    void lockedFileFailsAfterTimeout_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("load") << false;
        QTest::newRow("save") << true;
    }
    void lockedFileFailsAfterTimeout()
    {
        QFETCH(bool, save);
        const QString path = storedCopy(moscow);
        QVERIFY(!path.isEmpty());

        // Another writer holds the file for the whole attempt.
        const QString holderName = QStringLiteral("lock-holder");
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holderName);
        holder.setDatabaseName(path);
        QVERIFY(holder.open());
        auto holderQuery = std::make_unique<QSqlQuery>(holder);
        QVERIFY(holderQuery->exec(QStringLiteral("BEGIN EXCLUSIVE")));

        Station station(path);
        station.binding.setBusyTimeout(300);
        station.setTexts(save ? berlin : untouched);
        QElapsedTimer clock;
        clock.start();
        const store::Result result = save ? station.binding.updateRecord() : station.binding.refresh();
        const qint64 waited = clock.elapsed();

        QVERIFY(holderQuery->exec(QStringLiteral("ROLLBACK")));
        holderQuery.reset();
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(holderName);

        checkFailure(result, save ? saveFailure(path) : readFailure(path), QStringLiteral("database is locked"));
        if (QTest::currentTestFailed())
            return;
        // It waited for the other writer, but no longer than it was told to.
        QVERIFY2(waited >= 250 && waited < 2500, qPrintable(QStringLiteral("gave up after %1 ms").arg(waited)));
        QCOMPARE(station.texts(), save ? berlin : untouched);
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord(moscow));

        // Once the other writer is done the same binding works again.
        QVERIFY(save ? station.binding.updateRecord().ok() : station.binding.refresh().ok());
        QCOMPARE(station.texts(), save ? berlin : moscow);
    }

    void saveWaitsForShortLock()
    {
        // A second copy of the program saving at the same moment: the lock is
        // held for a moment only, and the save waits for it instead of failing.
        const QString path = storedCopy(moscow);
        QVERIFY(!path.isEmpty());
        std::promise<bool> lockTaken;
        std::future<bool> locked = lockTaken.get_future();
        std::thread other([&path, &lockTaken] {
            const QString name = QStringLiteral("other-copy");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(path);
                bool ok = db.open();
                QSqlQuery query(db);
                ok = ok && query.exec(QStringLiteral("BEGIN EXCLUSIVE"));
                ok = ok && query.exec(QStringLiteral("UPDATE MyLocator SET AZIDAL = 'LO00AA'"));
                lockTaken.set_value(ok);
                std::this_thread::sleep_for(std::chrono::milliseconds(400));
                query.exec(QStringLiteral("COMMIT"));
                query.finish();
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        });
        const bool gotLock = locked.get();

        Station station(path);  // default busy timeout
        station.setTexts(berlin);
        QElapsedTimer clock;
        clock.start();
        const store::Result result = station.binding.updateRecord();
        const qint64 waited = clock.elapsed();
        other.join();

        QVERIFY(gotLock);
        QVERIFY2(result.ok(), qPrintable(result.message()));
        QVERIFY2(waited >= 200, qPrintable(QStringLiteral("saved after %1 ms, before the lock ended").arg(waited)));
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord(berlin));  // the later save wins whole
    }

    void notConfigured()
    {
        const QString path = storedCopy(moscow);
        QVERIFY(!path.isEmpty());
        Station station(path);
        station.binding.setDatabaseName(QString());
        station.setTexts(untouched);
        store::Result result = station.binding.refresh();
        QVERIFY(!result.ok());
        QVERIFY(result.message().startsWith(QStringLiteral("Не удалось прочитать свою станцию")));
        QVERIFY(!station.binding.updateRecord().ok());

        station.binding.setDatabaseName(path);
        station.binding.setRecordSource(QString());
        result = station.binding.updateRecord();
        QVERIFY(!result.ok());
        QVERIFY(result.message().startsWith(saveFailure(path).chopped(1)));
        QVERIFY(!station.binding.refresh().ok());
        QCOMPARE(station.texts(), untouched);
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord(moscow));
    }

    void pathWithUriCharacters_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::newRow("blanks and Cyrillic") << QStringLiteral("Моя станция");
        QTest::newRow("question mark") << QStringLiteral("a?mode=ro");
        QTest::newRow("hash") << QStringLiteral("a#b");
        QTest::newRow("percent") << QStringLiteral("100%20x");
        QTest::newRow("looks like a URI") << QStringLiteral("file:x");
    }
    void pathWithUriCharacters()
    {
        QFETCH(QString, directory);
        const QString parent = m_dir.filePath(QStringLiteral("case-%1").arg(++m_cases));
        const QString dir = parent + QLatin1Char('/') + directory;
        QVERIFY(QDir().mkpath(dir));
        const QString path = dir + QStringLiteral("/user.mdb");
        QVERIFY(QFile::copy(m_template, path));
        QVERIFY(writeFirstRecord(path, moscow));

        Station station(path);
        store::Result result = station.binding.refresh();
        QVERIFY2(result.ok(), qPrintable(result.message()));
        QCOMPARE(station.texts(), moscow);
        station.setTexts(berlin);
        result = station.binding.updateRecord();
        QVERIFY2(result.ok(), qPrintable(result.message()));
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord(berlin));
        QCOMPARE(entries(dir), QStringList{QStringLiteral("user.mdb")});
        QCOMPARE(entries(parent), QStringList{directory});  // no stray file beside it
    }

    void eachBindingHasItsOwnConnection()
    {
        const QString first = storedCopy(moscow);
        const QString second = storedCopy(berlin);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        QStringList before = QSqlDatabase::connectionNames();
        before.sort();
        {
            Station a(first);
            Station b(second);
            QCOMPARE(QSqlDatabase::connectionNames().size(), before.size() + 2);
            QVERIFY(a.binding.refresh().ok());
            QVERIFY(b.binding.refresh().ok());
            QCOMPARE(a.texts(), moscow);
            QCOMPARE(b.texts(), berlin);
            a.setTexts(berlin);
            QVERIFY(a.binding.updateRecord().ok());
            QVERIFY(b.binding.refresh().ok());
            QCOMPARE(b.texts(), berlin);
        }
        QStringList after = QSqlDatabase::connectionNames();
        after.sort();
        QCOMPARE(after, before);
    }

    void destroyedFieldIsDropped()
    {
        const QString path = storedCopy(moscow);
        QVERIFY(!path.isEmpty());
        Station station(path);
        delete station.fields[1];
        station.fields[1] = nullptr;
        QVERIFY(station.binding.refresh().ok());
        QCOMPARE(station.fields[2]->text(), QStringLiteral("15"));
        QCOMPARE(station.fields[6]->text(), QStringLiteral("KO85TS"));
        for (int i : {0, 2, 3, 4, 5, 6})
            station.fields[i]->setText(berlin[i]);
        QVERIFY(station.binding.updateRecord().ok());
        StoredRecord record;
        QVERIFY(readFirstRecord(path, &record));
        QCOMPARE(record, textRecord({"52", "46", "15", "13", "22", "30", "JO62QM"}));  // H1M kept
    }
};

QTEST_MAIN(TestRecordBinding)
#include "test_record_binding.moc"
