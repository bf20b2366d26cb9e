// The keyboard: the ring of the fourteen fields walked with Enter and the
// arrows, and the access keys of the buttons.

#include "message_boxes.h"
#include "window_fixture.h"

#include <QPushButton>
#include <QSignalSpy>

#include "window/compass_canvas.h"

namespace {

const QStringList Ring{"txtH2G", "txtH2M", "txtH2S", "txtD2G", "txtD2M", "txtD2S", "txtKorLocator",
                       "txtH1G", "txtH1M", "txtH1S", "txtD1G", "txtD1M", "txtD1S", "txtMyLocator"};

QString focused(frmRaschet& window) { return window.focusWidget()->objectName(); }

void focusOn(frmRaschet& window, const QString& name)
{
    window.findChild<QWidget*>(name)->setFocus();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9)); }

    void ringSteps_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("to");
        QTest::newRow("Enter at the end wraps") << "txtMyLocator" << int(Qt::Key_Return) << 0 << "txtH2G";
        QTest::newRow("Up at the start wraps") << "txtH2G" << int(Qt::Key_Up) << 0 << "txtMyLocator";
        QTest::newRow("Enter into the own frame") << "txtKorLocator" << int(Qt::Key_Return) << 0 << "txtH1G";
        QTest::newRow("Up back to the correspondent") << "txtH1G" << int(Qt::Key_Up) << 0 << "txtKorLocator";
        QTest::newRow("Down") << "txtD2M" << int(Qt::Key_Down) << 0 << "txtD2S";
        QTest::newRow("keypad Enter") << "txtH1S" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "txtD1G";
        QTest::newRow("Shift+Enter goes forward") << "txtH2S" << int(Qt::Key_Return) << int(Qt::ShiftModifier)
                                                  << "txtD2G";
        QTest::newRow("Ctrl+Up") << "txtD1S" << int(Qt::Key_Up) << int(Qt::ControlModifier) << "txtD1M";
        QTest::newRow("other keys stay") << "txtD1M" << int(Qt::Key_Right) << 0 << "txtD1M";
    }

    void ringSteps()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, to);
        auto window = openWindow();
        focusOn(*window, from);
        QTest::keyClick(window->focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(focused(*window), to);
    }

    void fourteenEntersComeBack_data()
    {
        QTest::addColumn<QString>("start");
        for (const QString& name : Ring)
            QTest::newRow(qPrintable(name)) << name;
    }

    void fourteenEntersComeBack()
    {
        QFETCH(QString, start);
        auto window = openWindow();
        focusOn(*window, start);
        QStringList walked;
        for (int i = 0; i < 14; ++i) {
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
            walked << focused(*window);
        }
        const int at = int(Ring.indexOf(start));
        QCOMPARE(walked, Ring.mid(at + 1) + Ring.mid(0, at + 1));
    }

    void buttonsAreLeftToThemselves()
    {
        auto window = openWindow();
        MessageBoxAnswerer answerer;
        window->cmdInfo->setFocus();
        QSignalSpy clicks(window->cmdInfo, &QPushButton::clicked);
        QTest::keyClick(window->cmdInfo, Qt::Key_Return);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().title, QStringLiteral("О программе..."));
        QCOMPARE(window->focusWidget(), window->cmdInfo);
        // The ring does not start from the compass either.
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
            window->picCompas->setFocus();
            QTest::keyClick(window->picCompas, key);
            QCOMPARE(focused(*window), QStringLiteral("picCompas"));
        }
    }

    // Alt with the underlined letter presses the button. The offscreen
    // platform delivers no shortcuts, so the keys are checked as registered.
    void accessKeys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("letter");
        QTest::newRow("Alt+П") << "cmdLoad" << 0x041F;
        QTest::newRow("Alt+С") << "cmdSave" << 0x0421;
        QTest::newRow("Alt+Л") << "cmdRaschetKoordinat" << 0x041B;
        QTest::newRow("Alt+К") << "cmdRaschetLocator" << 0x041A;
        QTest::newRow("Alt+И") << "cmdInfo" << 0x0418;
        QTest::newRow("Alt+В") << "cmdExit" << 0x0412;
    }

    void accessKeys()
    {
        QFETCH(QString, button);
        QFETCH(int, letter);
        auto window = openWindow();
        const QKeySequence expected(QKeyCombination(Qt::AltModifier, Qt::Key(letter)));
        QCOMPARE(window->findChild<QPushButton*>(button)->shortcut(), expected);
    }

    // A calculation chosen by its access key leaves the focus where a click
    // on its button would, with the whole text selected, even when the
    // focus was in that field all along.
    void accessKeyEndsLikeAClick_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("selected");
        QTest::newRow("Alt+Л") << QStringList{"txtMyLocator=KO85TS", "txtKorLocator=JO62QM"}
                               << "cmdRaschetKoordinat" << "txtKorLocator" << "JO62QM";
        QTest::newRow("Alt+К") << QStringList{"txtH1G=55", "txtD1G=37", "txtD2G=13", "txtH2G=52"}
                               << "cmdRaschetLocator" << "txtH2G" << "52";
        QTest::newRow("Alt+Л, a wrong character") << QStringList{"txtMyLocator=KO85TS", "txtKorLocator=JO62Q!"}
                                                  << "cmdRaschetKoordinat" << "txtKorLocator" << "JO62Q!";
    }

    void accessKeyEndsLikeAClick()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, button);
        QFETCH(QString, focus);
        QFETCH(QString, selected);
        auto window = openWindow();
        MessageBoxAnswerer answerer;
        for (const QString& pair : fields)
            type(window->findChild<QLineEdit*>(pair.section('=', 0, 0)), pair.section('=', 1));
        QCOMPARE(focused(*window), focus);  // typed last, caret at the end
        auto* command = window->findChild<QPushButton*>(button);
        QSignalSpy clicks(command, &QPushButton::clicked);
        command->animateClick();  // what the access key does; the focus stays put
        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(focused(*window), focus);
        QCOMPARE(window->findChild<QLineEdit*>(focus)->selectedText(), selected);
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
