#include "store/failure_text.h"
#include "store/record_binding.h"
#include "store_test_support.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <optional>

using namespace storetest;

namespace {

const QStringList moscow = {"55", "46", "15", "37", "37", "30", "KO85TS"};
const QStringList berlin = {"52", "31", "15", "13", "22", "30", "JO62QM"};
const QStringList untouched = {"a", "b", "c", "d", "e", "f", "g"};

// The seven own-station fields, bound last column first, so that each field
// must get its own column rather than the next one in line.
struct Station {
    explicit Station(const QString& path)
    {
        binding.setDatabaseName(path);
        binding.setRecordSource(QStringLiteral("MyLocator"));
        binding.setBusyTimeout(300);  // short, for the locked file
        for (int i = 6; i >= 0; --i)
            binding.bind(&fields[i], QLatin1String(store::ownStationColumns[i]));
    }
    QStringList texts() const
    {
        QStringList result;
        for (const QLineEdit& field : fields)
            result << field.text();
        return result;
    }
    void setTexts(const QStringList& texts)
    {
        for (int i = 0; i < 7; ++i)
            fields[i].setText(texts[i]);
    }
    std::array<QLineEdit, 7> fields;
    store::RecordBinding binding;
};

// A failure names the file in its first line and the cause in the second,
// with the database's own error text after it in parentheses.
void checkFailure(const store::Result& result, const QString& sentence, const QString& cause, const QString& error)
{
    QVERIFY(!result.ok());
    const QStringList lines = result.message().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], sentence);
    QVERIFY2(lines[1].startsWith(cause + " (") && lines[1].endsWith(')'), qPrintable(lines[1]));
    QVERIFY2(lines[1].contains(error, Qt::CaseInsensitive), qPrintable(lines[1]));
}

enum class Broken { Missing, NotSqlite, ZeroBytes, NoTable, NoColumn, Damaged, Locked, ReadOnlyFile, ReadOnlyDir };

} // namespace

Q_DECLARE_METATYPE(Broken)

class TestRecordBinding : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_cases = 0;

    // A station file alone in a directory of its own, whose name holds
    // characters that would end the path if it were read as a URI.
    QString stationFile(const QStringList& texts)
    {
        const QString dir = m_dir.filePath(QStringLiteral("%1 станция?mode=ro#%20").arg(++m_cases));
        const QString path = dir + QStringLiteral("/user.mdb");
        const bool made = QDir().mkpath(dir) && QFile::copy(m_dir.filePath("template.mdb"), path)
                          && writeRecord(path, texts);
        return made ? path : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther));
        QCOMPARE(makeUserDb(m_dir.filePath("template.mdb")), 0);
    }

    void saveThenRefresh_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("station") << berlin;
        QTest::newRow("05 stays 05") << QStringList{"05", "05", "00", "007", "09", "01", "KO85TS"};
        QTest::newRow("empty is NULL") << QStringList{"55", "", "15", "", "", "30", ""};
        QTest::newRow("exactly as typed")
            << QStringList{"ko85ts", "'", "\"", "?", "1); DROP TABLE MyLocator;--", " 5 ", "ко85тс"};
    }
    void saveThenRefresh()
    {
        QFETCH(QStringList, texts);
        const QString path = stationFile(moscow);
        Station saving(path);
        saving.setTexts(texts);
        const store::Result result = saving.binding.updateRecord();
        QVERIFY2(result.ok(), qPrintable(result.message()));
        QCOMPARE(storedRecords(path), QStringList{quoted(texts)});

        // As after a restart, with edits that the refresh discards.
        const QByteArray before = fileBytes(path);
        Station restarted(path);
        restarted.setTexts(untouched);
        QVERIFY(restarted.binding.refresh().ok());
        QCOMPARE(restarted.texts(), texts);
        QCOMPARE(fileBytes(path), before);  // reading writes nothing
    }

    void emptyTable()
    {
        const QString path = stationFile(moscow);
        QVERIFY(runSql(path, QStringLiteral("DELETE FROM MyLocator")));
        Station station(path);
        station.setTexts(untouched);
        QVERIFY(station.binding.refresh().ok());
        QCOMPARE(station.texts(), QStringList(7));
        station.setTexts(berlin);
        QVERIFY(station.binding.updateRecord().ok());
        QCOMPARE(storedRecords(path), QStringList{quoted(berlin)});
    }

    // What the user is told for each cause. An empty load cause: the load
    // succeeds, only the save fails.
    void failures_data()
    {
        QTest::addColumn<Broken>("kind");
        QTest::addColumn<QString>("loadCause");
        QTest::addColumn<QString>("saveCause");
        QTest::addColumn<QString>("error");
        const QString missing = "Такого файла нет: его удалили, переименовали или перенесли.";
        const QString noAccess = "Нет прав на этот файл или его папку, или они доступны только для чтения.";
        const QString notADatabase = "Это не база данных станции, или файл повреждён.";
        const QString noTable = "В файле нет таблицы MyLocator или одного из её столбцов.";
        const QString locked = "Файл занят другой программой; закройте её и повторите.";
        QTest::newRow("file missing") << Broken::Missing << missing << missing << "unable to open";
        QTest::newRow("not a database") << Broken::NotSqlite << notADatabase << notADatabase << "not a database";
        QTest::newRow("zero bytes") << Broken::ZeroBytes << noTable << noTable << "no such table: MyLocator";
        QTest::newRow("table missing") << Broken::NoTable << noTable << noTable << "no such table: MyLocator";
        QTest::newRow("column missing") << Broken::NoColumn << noTable << noTable << "no such column";
        QTest::newRow("damaged") << Broken::Damaged << notADatabase << notADatabase << "malformed";
        QTest::newRow("locked beyond the timeout") << Broken::Locked << locked << locked << "locked";
        QTest::newRow("read-only file") << Broken::ReadOnlyFile << "" << noAccess << "readonly database";
        QTest::newRow("read-only directory") << Broken::ReadOnlyDir << "" << noAccess << "readonly database";
    }
    void failures()
    {
        QFETCH(Broken, kind);
        QFETCH(QString, loadCause);
        QFETCH(QString, saveCause);
        QFETCH(QString, error);
        const QString path = stationFile(moscow), dir = QFileInfo(path).path();
        QSqlDatabase writer;  // another program in the middle of a write
        const auto cleanup = qScopeGuard([&] {
            writer.close();
            writer = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("writer"));
            QFile::setPermissions(dir, QFile::permissions(m_dir.path()));
        });
        QFile file(path);
        switch (kind) {
        case Broken::Missing: QVERIFY(file.remove()); break;
        case Broken::NotSqlite:
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("55;46;15;37;37;30;KO85TS\n") > 0);
            break;
        case Broken::ZeroBytes: QVERIFY(file.resize(0)); break;
        case Broken::NoTable: QVERIFY(runSql(path, "ALTER TABLE MyLocator RENAME TO Stations")); break;
        case Broken::NoColumn: QVERIFY(runSql(path, "ALTER TABLE MyLocator DROP COLUMN AZIDAL")); break;
        case Broken::Damaged:  // the second of the two pages holds the table
            QVERIFY(file.open(QIODevice::ReadWrite) && file.size() == 8192 && file.seek(4096));
            file.write(QByteArray(4096, '\xff'));
            break;
        case Broken::Locked:
            writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
            writer.setDatabaseName(path);
            QVERIFY(writer.open() && QSqlQuery(writer).exec(QStringLiteral("BEGIN EXCLUSIVE")));
            break;
        case Broken::ReadOnlyFile: QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ReadOther)); break;
        case Broken::ReadOnlyDir:
            QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner | QFile::ExeOther));
            break;
        }
        file.close();
        const QStringList entriesBefore = entries(dir);
        const QByteArray bytesBefore = fileBytes(path);

        Station station(path);
        station.setTexts(untouched);
        QElapsedTimer clock;
        clock.start();
        {
            const bool readOnly = kind == Broken::ReadOnlyFile || kind == Broken::ReadOnlyDir;
            std::optional<Unprivileged> nobody;
            if (readOnly && (!nobody.emplace().ready() || euidaccess(QFile::encodeName(path), R_OK) != 0
                             || euidaccess(QFile::encodeName(kind == Broken::ReadOnlyDir ? dir : path), W_OK) == 0))
                QSKIP("File permissions cannot be made to refuse writes here.");
            const store::Result loaded = station.binding.refresh();
            if (loadCause.isEmpty()) {
                QVERIFY2(loaded.ok(), qPrintable(loaded.message()));
                QCOMPARE(station.texts(), moscow);
            } else {
                checkFailure(loaded, QStringLiteral("Не удалось прочитать свою станцию из файла %1.").arg(path),
                             loadCause, error);
                QCOMPARE(station.texts(), untouched);
            }
            station.setTexts(berlin);
            checkFailure(station.binding.updateRecord(),
                         QStringLiteral("Не удалось сохранить свою станцию в файл %1.").arg(path), saveCause, error);
        }
        if (kind == Broken::Locked)  // it waited for the other program, as long as it was told
            QVERIFY2(clock.elapsed() >= 500 && clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(fileBytes(path), bytesBefore);  // no record changed
        QCOMPARE(entries(dir), entriesBefore);   // and no file made
    }

    // A full disk cannot be made here; SQLite reports it with this code.
    void fullDiskIsNamed()
    {
        const QSqlError full(QStringLiteral("Unable to execute statement"), QStringLiteral("database or disk is full"),
                             QSqlError::StatementError, QStringLiteral("13"));
        QCOMPARE(store::failureText(full, m_dir.path(), QStringLiteral("MyLocator")),
                 QStringLiteral("На диске не осталось места. (database or disk is full)"));
    }
};

QTEST_MAIN(TestRecordBinding)
#include "test_record_binding.moc"
