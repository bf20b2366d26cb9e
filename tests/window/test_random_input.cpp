// Thousands of random keys, button clicks and pastes into the real window,
// every message box answered: the program must not crash or hang, and no
// field may hold more than it accepts. Seeded, so a failure can be replayed
// with the seed it prints.

#include "window_fixture.h"

#include <QClipboard>
#include <QPushButton>
#include <QRandomGenerator>

namespace {

const QString Characters = QStringLiteral("0123456789-+.,eE abcxyzKORSTXжЯ!");
const Qt::Key Keys[] = {Qt::Key_Return, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backspace,
                        Qt::Key_Delete, Qt::Key_Left, Qt::Key_Home, Qt::Key_End};

QString randomText(QRandomGenerator& random, int longest)
{
    QString text;
    for (int n = random.bounded(longest + 1); n > 0; --n)
        text += Characters.at(random.bounded(int(Characters.size())));
    return text;
}

} // namespace

class TestRandomInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void survivesRandomUse_data()
    {
        QTest::addColumn<quint32>("seed");
        for (const quint32 seed : {1u, 20261206u, 73u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

    void survivesRandomUse()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        auto window = openWindow();
        const QList<QLineEdit*> fields = window->findChildren<QLineEdit*>();
        QList<QPushButton*> buttons;
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->isVisible() && button != window->cmdExit)  // Exit would end the test
                buttons << button;

        int boxes = 0;
        for (int step = 0; step < 1500; ++step) {
            MessageBoxAnswerer answerer(random.bounded(2) ? QStringLiteral("Продолжить") : QString());
            QLineEdit* field = fields.at(random.bounded(int(fields.size())));
            switch (random.bounded(4)) {
            case 0:
                type(field, randomText(random, 3));
                break;
            case 1:
                field->setFocus();
                QTest::keyClick(field, Keys[random.bounded(int(std::size(Keys)))],
                                random.bounded(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
                break;
            case 2:
                QApplication::clipboard()->setText(randomText(random, 10));
                field->setFocus();
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
                break;
            default:
                QTest::mouseClick(buttons.at(random.bounded(int(buttons.size()))), Qt::LeftButton);
                break;
            }
            boxes += int(answerer.seen.size());
            for (QLineEdit* f : fields)
                QVERIFY2(f->text().size() <= TypingLimits[Ring.indexOf(f->objectName())],
                         qPrintable(QString("seed %1, step %2: %3 holds \"%4\"")
                                        .arg(seed).arg(step).arg(f->objectName(), f->text())));
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
        }
        // The run has reached the calculations' messages, not only typing.
        QVERIFY2(boxes > 0, qPrintable(QString("seed %1 showed no message").arg(seed)));
    }
};

QTEST_MAIN(TestRandomInput)
#include "test_random_input.moc"
