// The own station in the window: what start-up, "Прочитать коорд." and
// "Сохранить коорд." do with the station database, how a missing one is
// reported; and Exit, which saves nothing.

#include "window_fixture.h"

#include "store/user_db.h"

#include "store/record_binding.h"

#include <QSignalSpy>

namespace {

const QStringList OwnFields{"txtH1G", "txtH1M", "txtH1S", "txtD1G", "txtD1M", "txtD1S", "txtMyLocator"};
const QStringList Stored{"55", "05", "0", "37", "37", "0", "KO85TS"};

// The stored station, written first when given, by a binding of the
// test's own (the store tests check the binding against the file).
QStringList record(const QStringList& write = {})
{
    QLineEdit fields[7];
    store::RecordBinding binding;
    binding.setDatabaseName(store::stationDatabasePath());
    binding.setRecordSource(QStringLiteral("MyLocator"));
    for (int i = 0; i < 7; ++i) {
        binding.bind(&fields[i], QString::fromLatin1(store::ownStationColumns[i]));
        fields[i].setText(write.value(i));
    }
    if (!(write.isEmpty() || binding.updateRecord()) || !binding.refresh())
        return {QStringLiteral("the station cannot be read or written")};
    QStringList read;
    for (const QLineEdit& field : fields)
        read << field.text();
    return read;
}

QStringList ownTexts(frmRaschet& window)
{
    QStringList texts;
    for (const QString& name : OwnFields)
        texts << window.findChild<QLineEdit*>(name)->text();
    return texts;
}

} // namespace

class TestOwnStation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        freshStation();
        QCOMPARE(record(Stored), Stored);
    }

    // Read right after the window first appears; read again by Load, over
    // what was typed or computed since.
    void startUpAndLoadShowTheStoredStation()
    {
        auto window = std::make_unique<frmRaschet>();
        window->show();
        QTRY_COMPARE(ownTexts(*window), Stored);
        QVERIFY(window->txtH2G->text().isEmpty() && window->txtKorLocator->text().isEmpty());
        type(window->txtH1M, QStringLiteral("44"));
        fill(*window, {"txtKorLocator=JO62QM", "txtMyLocator=FN20XR"});
        QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);
        QCOMPARE(window->txtD1G->text(), QStringLiteral("-75"));
        QTest::mouseClick(window->cmdLoad, Qt::LeftButton);
        QCOMPARE(ownTexts(*window), Stored);
    }

    // Longer than a user could type: shown and saved back whole, and checked
    // as it stands. Typing still cannot lengthen it.
    void overlongStoredTextsStayWhole()
    {
        const QStringList overlong{"55.5", "46", "15", "37", "37", "30", "KO85TS1"};
        record(overlong);
        auto window = openWindow();
        QCOMPARE(ownTexts(*window), overlong);
        QTest::mouseClick(window->cmdSave, Qt::LeftButton);
        QCOMPARE(record(), overlong);
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

    // Reported over the window, with its cause, when it reads and when it
    // saves; the window stays usable, and nothing is created.
    void missingDatabaseIsReported()
    {
        const QString path = store::stationDatabasePath();
        QVERIFY(QFile::remove(path));
        MessageBoxAnswerer answerer;
        auto window = std::make_unique<frmRaschet>();
        window->show();
        QTRY_COMPARE(answerer.seen.size(), 1);
        QTest::mouseClick(window->cmdSave, Qt::LeftButton);
        type(window->txtKorLocator, QStringLiteral("KO85TS"));
        QVERIFY(window->cmdRaschetKoordinat->isEnabled() && !QFile::exists(path));
        QCOMPARE(answerer.seen.size(), 2);
        for (const QString& failed : {QStringLiteral("прочитать свою станцию из файла "),
                                      QStringLiteral("сохранить свою станцию в файл ")})
            QVERIFY(answerer.seen.takeFirst().text.startsWith("Не удалось " + failed + path
                                                              + ".\nТакого файла нет"));
    }

    // Exit ends the event loop at once: no window is asked to close, so
    // nothing that runs on closing gets a chance to save.
    void exitWritesNothing()
    {
        auto window = openWindow();
        type(window->txtH1G, QStringLiteral("10"));
        QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, window.get(), [&window] { QTest::mouseClick(window->cmdExit, Qt::LeftButton); });
        QTimer::singleShot(5000, window.get(), [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(aboutToQuit.count(), 1);
        QVERIFY(window->isVisible());
        QCOMPARE(record(), Stored);
    }
};

QTEST_MAIN(TestOwnStation)
#include "test_own_station.moc"
