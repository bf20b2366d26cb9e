// The own station in the window: what start-up, "Прочитать коорд." and
// "Сохранить коорд." do with the station database beside the program, and
// how a missing database is reported. This test has a directory of its own,
// so the database it changes is its own too.

#include "message_boxes.h"
#include "window_fixture.h"

#include "store/user_db.h"

#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QStringList OwnFields{"txtH1G", "txtH1M", "txtH1S", "txtD1G", "txtD1M", "txtD1S", "txtMyLocator"};

// Runs statements on the station database, the way another program would.
void execute(const QStringList& statements, const QVariantList& values = {})
{
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test"));
        db.setDatabaseName(store::stationDatabasePath());
        QVERIFY(db.open());
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            query.prepare(statement);
            for (const QVariant& value : values)
                query.addBindValue(value);
            QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test"));
}

void storeRecord(const QStringList& texts)
{
    QVariantList values;
    for (const QString& text : texts)
        values << (text.isEmpty() ? QVariant() : QVariant(text));
    execute({"DELETE FROM MyLocator"});
    execute({"INSERT INTO MyLocator (H1G, H1M, H1S, D1G, D1M, D1S, AZIDAL) VALUES (?, ?, ?, ?, ?, ?, ?)"}, values);
}

// The stored texts, NULL shown as "NULL".
QStringList storedRecord()
{
    QStringList record;
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("read"));
        db.setDatabaseName(store::stationDatabasePath());
        db.open();
        QSqlQuery query(QStringLiteral("SELECT H1G, H1M, H1S, D1G, D1M, D1S, AZIDAL FROM MyLocator"), db);
        while (query.next())
            for (int i = 0; i < 7; ++i)
                record << (query.value(i).isNull() ? QStringLiteral("NULL") : query.value(i).toString());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("read"));
    return record;
}

QStringList ownTexts(frmRaschet& window)
{
    QStringList texts;
    for (const QString& name : OwnFields)
        texts << window.findChild<QLineEdit*>(name)->text();
    return texts;
}

const QStringList Stored{"55", "05", "0", "37", "37", "0", "KO85TS"};

} // namespace

class TestOwnStation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9)); }

    void init() { storeRecord(Stored); }

    // Read right after the window first appears.
    void startUpShowsTheStoredStation()
    {
        auto window = std::make_unique<frmRaschet>();
        window->show();
        QTRY_COMPARE(ownTexts(*window), Stored);
        QVERIFY(window->txtH2G->text().isEmpty());
        QVERIFY(window->txtKorLocator->text().isEmpty());
    }

    void loadDiscardsEdits()
    {
        auto window = openWindow();
        type(window->txtH1M, QStringLiteral("44"));
        window->txtMyLocator->setText(QStringLiteral("AA00AA"));
        QTest::mouseClick(window->cmdLoad, Qt::LeftButton);
        QCOMPARE(ownTexts(*window), Stored);
    }

    void savedResultsAppearAtTheNextStart()
    {
        {
            auto window = openWindow();
            window->txtMyLocator->setText(QStringLiteral("jo62qm"));
            window->txtKorLocator->setText(QStringLiteral("KO85TS"));
            QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);
            QTest::mouseClick(window->cmdSave, Qt::LeftButton);
        }
        auto restarted = openWindow();
        QCOMPARE(ownTexts(*restarted), (QStringList{"52", "31", "15", "13", "22", "30", "JO62QM"}));
    }

    void unsavedResultsGiveWayToLoad()
    {
        auto window = openWindow();
        window->txtKorLocator->setText(QStringLiteral("JO62QM"));
        window->txtMyLocator->setText(QStringLiteral("FN20XR"));
        QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);
        QCOMPARE(window->txtD1G->text(), QStringLiteral("-75"));
        QTest::mouseClick(window->cmdLoad, Qt::LeftButton);
        QCOMPARE(ownTexts(*window), Stored);
    }

    void savesFieldsAsTheyStand()
    {
        auto window = openWindow();
        window->txtH1S->clear();
        window->txtMyLocator->setFocus();
        window->txtMyLocator->selectAll();
        window->txtMyLocator->insert(QStringLiteral("ko85ts"));  // pasted: keeps its case
        QTest::mouseClick(window->cmdSave, Qt::LeftButton);
        QCOMPARE(storedRecord(),
                 (QStringList{"55", "05", "NULL", "37", "37", "0", "ko85ts"}));
        auto restarted = openWindow();
        QCOMPARE(ownTexts(*restarted), (QStringList{"55", "05", "", "37", "37", "0", "ko85ts"}));
    }

    // Longer than a user could type: shown and saved back whole, and checked
    // as it stands. Typing still cannot lengthen it.
    void overlongStoredTextsStayWhole()
    {
        const QStringList overlong{"55.5", "46", "15", "37", "37", "30", "KO85TS1"};
        storeRecord(overlong);
        auto window = openWindow();
        QCOMPARE(ownTexts(*window), overlong);
        QTest::mouseClick(window->cmdSave, Qt::LeftButton);
        QCOMPARE(storedRecord(), overlong);
        window->txtMyLocator->setFocus();
        window->txtMyLocator->end(false);
        QTest::keyClick(window->txtMyLocator, Qt::Key_X);
        QCOMPARE(window->txtMyLocator->text(), QStringLiteral("KO85TS1"));

        MessageBoxAnswerer answerer;
        type(window->txtKorLocator, QStringLiteral("JO62QM"));
        QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].text, QStringLiteral("Не корректный ввод локатора !"));
    }

    void exitWritesNothing()
    {
        auto window = openWindow();
        type(window->txtH1G, QStringLiteral("10"));
        QTimer::singleShot(0, window.get(), [&window] { QTest::mouseClick(window->cmdExit, Qt::LeftButton); });
        QCOMPARE(QApplication::exec(), 0);
        window.reset();
        QCOMPARE(storedRecord(), Stored);
    }

    // A missing database is reported over the window, which stays usable.
    void missingDatabaseIsReported()
    {
        const QString path = store::stationDatabasePath();
        QVERIFY(QFile::rename(path, path + ".away"));
        const QString missing = store::stationDatabasePath();  // the user's copy, never made here
        MessageBoxAnswerer answerer;
        {
            // The box takes the activation the window would have had.
            auto window = std::make_unique<frmRaschet>();
            window->show();
            QTRY_COMPARE(answerer.seen.size(), 1);
            QTest::mouseClick(window->cmdSave, Qt::LeftButton);
            QCOMPARE(answerer.seen.size(), 2);
            QVERIFY(ownTexts(*window).join(QString()).isEmpty());
            type(window->txtKorLocator, QStringLiteral("KO85TS"));
            QVERIFY(window->cmdRaschetKoordinat->isEnabled());
        }
        QVERIFY(!QFile::exists(path));
        QVERIFY(QFile::rename(path + ".away", path));
        for (const SeenBox& box : answerer.seen) {
            QCOMPARE(box.title, QStringLiteral("Ошибка"));
            QCOMPARE(box.icon, QMessageBox::Warning);
            QVERIFY2(box.text.contains(missing), qPrintable(box.text));
        }
        QVERIFY(answerer.seen[0].text.startsWith(QStringLiteral("Не удалось прочитать")));
        QVERIFY(answerer.seen[1].text.startsWith(QStringLiteral("Не удалось сохранить")));
    }
};

QTEST_MAIN(TestOwnStation)
#include "test_own_station.moc"
