// Both calculations end to end through the real window: the worked
// examples, and each input error with its message, its clearing and what it
// leaves alone. Message boxes are answered as a user would.

#include "message_boxes.h"
#include "window_fixture.h"

#include "window/compass_canvas.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

namespace {

const QString Locator = QStringLiteral("cmdRaschetKoordinat");
const QString Coordinates = QStringLiteral("cmdRaschetLocator");
const QString WrongLocator = QStringLiteral("Не корректный ввод локатора !");
const QString NoCoordinates = QStringLiteral("Введите координаты для определения локатора.");

// "name=text" pairs put into the fields, or expected in them afterwards.
void fill(frmRaschet& window, const QStringList& pairs)
{
    for (const QString& pair : pairs)
        window.findChild<QLineEdit*>(pair.section('=', 0, 0))->setText(pair.section('=', 1));
}

QStringList texts(frmRaschet& window, const QStringList& pairs)
{
    QStringList found;
    for (const QString& pair : pairs) {
        const QString name = pair.section('=', 0, 0);
        found << name + '=' + window.findChild<QLineEdit*>(name)->text();
    }
    return found;
}

QStringList labels(frmRaschet& window)
{
    return {window.lblAzimutPush->text(), window.lblAzimutPull->text(), window.lblDalnost->text()};
}

void press(frmRaschet& window, const QString& button)
{
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}

// Fills the fields, marks the distance label as old, presses the button and
// answers every box with the given button: the boxes it showed.
QList<SeenBox> run(frmRaschet& window, const QStringList& before, const QString& button, const QString& answer)
{
    MessageBoxAnswerer answerer(answer);
    fill(window, before);
    window.lblDalnost->setText(QStringLiteral("old"));
    press(window, button);
    return answerer.seen;
}

} // namespace

class TestCalculations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
        QLocale::setDefault(QLocale::c());
    }

    void byLocator()
    {
        auto window = openWindow();
        MessageBoxAnswerer answerer;
        window->txtMyLocator->setText(QStringLiteral("KO85TS"));
        type(window->txtKorLocator, QStringLiteral("jo62qm"));
        press(*window, Locator);

        QCOMPARE(answerer.seen.size(), 0);
        QCOMPARE(texts(*window, {"txtD1G", "txtD1M", "txtD1S", "txtH1G", "txtH1M", "txtH1S"}),
                 (QStringList{"txtD1G=37", "txtD1M=37", "txtD1S=30", "txtH1G=55", "txtH1M=46", "txtH1S=15"}));
        QCOMPARE(texts(*window, {"txtD2G", "txtD2M", "txtD2S", "txtH2G", "txtH2M", "txtH2S", "txtKorLocator"}),
                 (QStringList{"txtD2G=13", "txtD2M=22", "txtD2S=30", "txtH2G=52", "txtH2M=31", "txtH2S=15",
                              "txtKorLocator=JO62QM"}));
        QCOMPARE(labels(*window), (QStringList{" АЗИМУТ прямой:      267 град.", " АЗИМУТ обратный:  87 град.",
                                               " ДАЛЬНОСТЬ:  1611 км"}));
        QCOMPARE(window->focusWidget(), window->txtKorLocator);
        QVERIFY(window->cmdRaschetLocator->isEnabled());
        QVERIFY(!window->Oshibka);
        // The compass shows the new direct azimuth: 267 is drawn at 266,
        // a little below the west point.
        const QImage& canvas = window->picCompas->canvas();
        QVERIFY(canvas.pixelColor(30, 120) == QColor(255, 0, 0) || canvas.pixelColor(30, 119) == QColor(255, 0, 0));
    }

    void byCoordinates()
    {
        auto window = openWindow();
        MessageBoxAnswerer answerer;
        fill(*window, {"txtH1G=55", "txtH1M=45", "txtH1S=0", "txtD1G=37", "txtD1M=37", "txtD1S=0",
                       "txtMyLocator=AA00AA"});
        type(window->txtH2G, QStringLiteral("51"));
        type(window->txtH2M, QStringLiteral("30"));
        type(window->txtH2S, QStringLiteral("0"));
        type(window->txtD2G, QStringLiteral("-1"));
        type(window->txtD2M, QStringLiteral("52"));
        type(window->txtD2S, QStringLiteral("48"));
        press(*window, Coordinates);

        QCOMPARE(answerer.seen.size(), 0);
        QCOMPARE(window->txtKorLocator->text(), QStringLiteral("IO91WM"));
        QCOMPARE(window->txtMyLocator->text(), QStringLiteral("KO85TS"));
        QCOMPARE(labels(*window), (QStringList{" АЗИМУТ прямой:      275 град.", " АЗИМУТ обратный:  95 град.",
                                               " ДАЛЬНОСТЬ:  2500 км"}));
        QCOMPARE(window->focusWidget(), window->txtH2G);
        QVERIFY(window->cmdRaschetKoordinat->isEnabled());
    }

    // The locator grows in its field piece by piece, and the field's change
    // handler sees every step.
    void locatorIsWrittenPieceByPiece()
    {
        auto window = openWindow();
        MessageBoxAnswerer answerer;
        fill(*window, {"txtKorLocator=AB", "txtH2G=51", "txtD2G=0", "txtH1G=55", "txtD1G=37"});
        QList<qsizetype> lengths;
        connect(window->txtKorLocator, &QLineEdit::textChanged, this,
                [&lengths](const QString& text) { lengths << text.size(); });
        press(*window, Coordinates);
        QCOMPARE(lengths, (QList<qsizetype>{0, 1, 2, 4, 5, 6}));
    }

    void inputErrors_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("after");
        const QStringList korCoordinates{"txtH2G=1", "txtH2M=2", "txtH2S=3", "txtD2G=4", "txtD2M=5", "txtD2S=6"};
        const QStringList ownCoordinates{"txtH1G=1", "txtH1M=2", "txtH1S=3", "txtD1G=4", "txtD1M=5", "txtD1S=6"};
        const QStringList korEmptied{"txtH2G=", "txtH2M=", "txtH2S=", "txtD2G=", "txtD2M=", "txtD2S="};
        const QStringList ownEmptied{"txtH1G=", "txtH1M=", "txtH1S=", "txtD1G=", "txtD1M=", "txtD1S="};

        QTest::newRow("correspondent locator too short")
            << korCoordinates + QStringList{"txtKorLocator=KO85T", "txtMyLocator=xx"} << Locator << WrongLocator
            << "txtH2G" << korCoordinates + QStringList{"txtKorLocator=", "txtMyLocator=xx"};
        QTest::newRow("correspondent locator with a wrong character")
            << korCoordinates + QStringList{"txtKorLocator=ko8xts", "txtMyLocator=xx"} << Locator << WrongLocator
            << "txtKorLocator" << korEmptied + QStringList{"txtKorLocator=ko8xts", "txtMyLocator=xx"};
        QTest::newRow("correspondent field letter beyond R")
            << korCoordinates + QStringList{"txtKorLocator=SO85TS"} << Locator
            << "Долгота не может быть меньше -180 град. и больше 180 град. Не верно введен локатор"
            << "txtKorLocator" << korEmptied;
        QTest::newRow("own locator empty")
            << korCoordinates + ownCoordinates + QStringList{"txtKorLocator=JO62QM", "txtMyLocator="} << Locator
            << WrongLocator << "txtKorLocator" << korCoordinates + ownEmptied;
        QTest::newRow("own locator wrong, written back in capitals")
            << korCoordinates + ownCoordinates + QStringList{"txtKorLocator=JO62QM", "txtMyLocator=ko8xts"}
            << Locator << WrongLocator << "txtKorLocator"
            << korCoordinates + ownEmptied + QStringList{"txtMyLocator=KO8XTS"};
        QTest::newRow("own locator with letters for digits")
            << QStringList{"txtKorLocator=JO62QM", "txtMyLocator=KSOOTS"} << Locator << WrongLocator
            << "txtKorLocator" << QStringList{"txtMyLocator=KSOOTS"};
        QTest::newRow("own field letter S north")
            << QStringList{"txtKorLocator=JO62QM", "txtMyLocator=ks85ts"} << Locator
            << "Широта не может быть меньше -90 град. и больше 90 град. Не верно введен локатор" << "txtKorLocator"
            << QStringList{"txtMyLocator=KS85TS", "txtH2G="};

        QTest::newRow("correspondent degrees not a number")
            << ownCoordinates + QStringList{"txtH2G=abc", "txtD2G=10", "txtKorLocator=KO85TS", "txtMyLocator=AA00AA"}
            << Coordinates << NoCoordinates << "txtH2G"
            << ownCoordinates + QStringList{"txtH2G=abc", "txtD2G=10", "txtKorLocator=", "txtMyLocator=AA00AA"};
        QTest::newRow("own latitude degrees empty")
            << QStringList{"txtH2G=51", "txtD2G=0", "txtD1G=37", "txtH1M=5", "txtMyLocator=AA00AA"} << Coordinates
            << NoCoordinates << "txtKorLocator"
            << ownEmptied + QStringList{"txtKorLocator=JO01AA", "txtMyLocator=AA00AA", "txtH2G=51"};
        QTest::newRow("own -90 with minutes")
            << QStringList{"txtH2G=51", "txtD2G=0", "txtH1G=-90", "txtH1M=0", "txtD1G=0"} << Coordinates
            << "Широта или долгота превышает допустимые значения !" << "txtKorLocator" << ownEmptied;
        QTest::newRow("both faulty: only the correspondent is reported")
            << QStringList{"txtH2G=91", "txtD2G=0", "txtH1G=x", "txtD1G=0"} << Coordinates
            << "Широта не может быть меньше -90 град. и больше 90 град." << "txtH2G"
            << QStringList{"txtH1G=x", "txtKorLocator="};
        QTest::newRow("correspondent minutes above 60")
            << QStringList{"txtH2G=10", "txtH2M=61", "txtD2G=0"} << Coordinates
            << "Минута или секунда не может быть больше 60." << "txtH2G" << QStringList{"txtH2M=61"};
    }

    void inputErrors()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QStringList, after);
        auto window = openWindow();
        const QList<SeenBox> seen = run(*window, before, button, QString());
        QCOMPARE(seen.size(), 1);
        const SeenBox& box = seen.first();
        QCOMPARE(box.title, QStringLiteral("Ошибка"));
        QCOMPARE(box.text, message);
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons.size(), 1);
        QCOMPARE(texts(*window, after), after);
        QCOMPARE(window->focusWidget()->objectName(), focus);
        QCOMPARE(labels(*window), (QStringList{" АЗИМУТ от себя: ", " АЗИМУТ на себя: ", " ДАЛЬНОСТЬ: "}));
        QVERIFY(window->Oshibka);
    }

    // The box's buttons stand in one order in every desktop's button layout
    // (0 Windows, 1 macOS, 2 KDE, 3 GNOME).
    void coincidentPoints_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("buttonLayout");
        const QStringList byLocator{"txtKorLocator=KO85TS", "txtMyLocator=ko85ts", "txtH2G=1"};
        const QStringList byLocatorAfter{"txtH2G=1", "txtH1G=55", "txtMyLocator=KO85TS"};
        const QStringList byCoordinates{"txtH2G=55", "txtD2G=37", "txtH1G=55", "txtD1G=37"};
        const QStringList byCoordinatesAfter{"txtKorLocator=KO85MA", "txtMyLocator=KO85MA"};
        QTest::newRow("by locator, Windows") << byLocator << Locator << byLocatorAfter << 0;
        QTest::newRow("by locator, macOS") << byLocator << Locator << byLocatorAfter << 1;
        QTest::newRow("by coordinates, KDE") << byCoordinates << Coordinates << byCoordinatesAfter << 2;
        QTest::newRow("by coordinates, GNOME") << byCoordinates << Coordinates << byCoordinatesAfter << 3;
    }

    // Nothing is cleared: the last results stay in view.
    void coincidentPoints()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, button);
        QFETCH(QStringList, after);
        QFETCH(int, buttonLayout);
        qApp->setStyleSheet(QStringLiteral("QDialogButtonBox { button-layout: %1; }").arg(buttonLayout));
        const auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        auto window = openWindow();
        const QList<SeenBox> seen = run(*window, before, button, QStringLiteral("Повторить"));
        QCOMPARE(seen.size(), 1);
        const SeenBox& box = seen.first();
        QCOMPARE(box.title, QStringLiteral("Ошибка"));
        QCOMPARE(box.text, QStringLiteral("При расчете ВАШИ координаты совпали с ВВЕДЕННЫМИ !"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, (QStringList{"Отмена", "Повторить", "Продолжить"}));
        QCOMPARE(window->lblDalnost->text(), QStringLiteral("old"));
        QCOMPARE(texts(*window, after), after);
        QCOMPARE(window->focusWidget(), window->txtH2G);
        QVERIFY(!window->Oshibka);
    }
};

QTEST_MAIN(TestCalculations)
#include "test_calculations.moc"
