// The main window as it opens: controls, places, captions, focus and tab order.

#include "window/frmRaschet.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class TestWindowLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsReadyForTheCorrespondent()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Рассчет азимута и дальности"));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.size(), QSize(515, 404));
        const QPoint offset = window.frameGeometry().center() - window.screen()->geometry().center();
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1, "not centred on the screen");
        QCOMPARE(QApplication::focusWidget(), window.txtH2G);
        QVERIFY(!window.cmdRaschetKoordinat->isEnabled());
        QVERIFY(!window.cmdRaschetLocator->isEnabled());
        QCOMPARE(window.lblAzimutPush->text(), QStringLiteral(" АЗИМУТ прямой:"));
        QCOMPARE(window.lblAzimutPull->text(), QStringLiteral(" АЗИМУТ обратный:"));
        QCOMPARE(window.lblDalnost->text(), QStringLiteral(" ДАЛЬНОСТЬ:"));
        QVERIFY(window.cmdMyRaschet->isHidden() && window.cmdMyRaschet1->isHidden() && window.imgCompas->isHidden());
    }

    // A null caption: the control has no caption to compare.
    void controls_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        auto row = [](const char* name, const char* kind, const char* parent, int x, int y, int w, int h,
                      const char* caption = nullptr) {
            QTest::newRow(name) << QString(kind) << QString(parent) << QRect(x, y, w, h) << QString(caption);
        };
        row("fraMyKoordinat", "QGroupBox", "", 8, 8, 233, 169, "СВОИ КООРДИНАТЫ");
        row("fraKorKoordinat", "QGroupBox", "", 8, 184, 233, 145, "КООРДИНАТЫ КОРРЕСПОНДЕНТА");
        row("cmdRaschetKoordinat", "QPushButton", "", 8, 336, 169, 25, "Расчет по &ЛОКАТОРУ");
        row("cmdRaschetLocator", "QPushButton", "", 8, 368, 169, 25, "Расчет по &КООРДИНАТАМ");
        row("cmdInfo", "QPushButton", "", 184, 336, 57, 25, "&Инфо...");
        row("cmdExit", "QPushButton", "", 184, 368, 57, 25, "&Выход");
        row("cmdMyRaschet", "QPushButton", "", 360, 424, 89, 17, "Выч.коорд.");
        row("cmdMyRaschet1", "QPushButton", "", 264, 424, 89, 17, "Выч.лок.");
        row("lblAzimutPush", "QLabel", "", 256, 16, 249, 25);
        row("lblAzimutPull", "QLabel", "", 256, 56, 249, 25);
        row("lblDalnost", "QLabel", "", 256, 96, 249, 25);
        row("lblCompas", "QLabel", "", 256, 144, 249, 249, "");
        row("picCompas", "CompassCanvas", "", 264, 152, 233, 233);
        row("imgCompas", "QLabel", "", 256, 152, 244, 238);

        row("lblDeg1", "QLabel", "fraMyKoordinat", 82, 24, 30, 17, "Deg");
        row("lblMin1", "QLabel", "fraMyKoordinat", 128, 24, 33, 17, "Min");
        row("lblSec1", "QLabel", "fraMyKoordinat", 176, 24, 33, 17, "Sec");
        row("lblH1", "QLabel", "fraMyKoordinat", 8, 48, 57, 17, "Широта");
        row("txtH1G", "QLineEdit", "fraMyKoordinat", 80, 47, 33, 19, "");
        row("txtH1M", "QLineEdit", "fraMyKoordinat", 128, 47, 33, 19, "");
        row("txtH1S", "QLineEdit", "fraMyKoordinat", 176, 47, 33, 19, "");
        row("lblD1", "QLabel", "fraMyKoordinat", 8, 80, 57, 17, "Долгота");
        row("txtD1G", "QLineEdit", "fraMyKoordinat", 80, 79, 33, 19, "");
        row("txtD1M", "QLineEdit", "fraMyKoordinat", 128, 79, 33, 19, "");
        row("txtD1S", "QLineEdit", "fraMyKoordinat", 176, 79, 33, 19, "");
        row("lblMyLocator", "QLabel", "fraMyKoordinat", 8, 112, 57, 17, "Локатор");
        row("txtMyLocator", "QLineEdit", "fraMyKoordinat", 80, 112, 81, 19, "");
        row("cmdSave", "QPushButton", "fraMyKoordinat", 4, 140, 113, 17, "&Сохранить коорд.");
        row("cmdLoad", "QPushButton", "fraMyKoordinat", 116, 140, 113, 17, "&Прочитать коорд.");

        row("lblDeg2", "QLabel", "fraKorKoordinat", 82, 24, 30, 17, "Deg");
        row("lblMin2", "QLabel", "fraKorKoordinat", 128, 24, 33, 17, "Min");
        row("lblSec2", "QLabel", "fraKorKoordinat", 176, 24, 33, 17, "Sec");
        row("lblH2", "QLabel", "fraKorKoordinat", 8, 48, 57, 17, "Широта");
        row("txtH2G", "QLineEdit", "fraKorKoordinat", 80, 47, 33, 19, "");
        row("txtH2M", "QLineEdit", "fraKorKoordinat", 128, 47, 33, 19, "");
        row("txtH2S", "QLineEdit", "fraKorKoordinat", 176, 47, 33, 19, "");
        row("lblD2", "QLabel", "fraKorKoordinat", 8, 80, 57, 17, "Долгота");
        row("txtD2G", "QLineEdit", "fraKorKoordinat", 80, 79, 33, 19, "");
        row("txtD2M", "QLineEdit", "fraKorKoordinat", 128, 79, 33, 19, "");
        row("txtD2S", "QLineEdit", "fraKorKoordinat", 176, 79, 33, 19, "");
        row("lblKorLocator", "QLabel", "fraKorKoordinat", 8, 112, 57, 17, "Локатор");
        // One pixel higher than the own locator field.
        row("txtKorLocator", "QLineEdit", "fraKorKoordinat", 80, 111, 81, 19, "");

        row("Line5", "QFrame", "fraMyKoordinat", 0, 40, 232, 1);
        row("Line1", "QFrame", "fraMyKoordinat", 0, 72, 232, 1);
        row("Line2", "QFrame", "fraMyKoordinat", 0, 104, 232, 1);
        row("Line4", "QFrame", "fraMyKoordinat", 72, 24, 1, 80);
        row("Line6", "QFrame", "fraMyKoordinat", 120, 24, 1, 80);
        row("Line7", "QFrame", "fraMyKoordinat", 168, 24, 1, 80);
        row("Line9", "QFrame", "fraKorKoordinat", 0, 40, 232, 1);
        row("Line12", "QFrame", "fraKorKoordinat", 0, 72, 232, 1);
        row("Line11", "QFrame", "fraKorKoordinat", 0, 104, 232, 1);
        row("Line10", "QFrame", "fraKorKoordinat", 72, 24, 1, 80);
        row("Line8", "QFrame", "fraKorKoordinat", 120, 24, 1, 80);
        row("Line3", "QFrame", "fraKorKoordinat", 168, 24, 1, 80);
    }
    void controls()
    {
        QFETCH(QString, kind);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        frmRaschet window;
        const QList<QWidget*> found = window.findChildren<QWidget*>(QTest::currentDataTag());
        QCOMPARE(found.size(), 1);
        QWidget* control = found.first();
        QVERIFY2(control->inherits(kind.toLatin1()), control->metaObject()->className());
        QCOMPARE(control->parentWidget(), parent.isEmpty() ? &window : window.findChild<QWidget*>(parent));
        QCOMPARE(control->geometry(), geometry);
        if (!caption.isNull())
            QCOMPARE(control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text").toString(), caption);
    }

    void colours_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("txtH2G") << int(QPalette::Text) << QColor(0, 128, 128);
        QTest::newRow("lblH2") << int(QPalette::WindowText) << QColor(128, 0, 0);
        QTest::newRow("lblMin1") << int(QPalette::WindowText) << QColor(192, 0, 192);
        QTest::newRow("lblAzimutPush") << int(QPalette::WindowText) << QColor(192, 0, 0);
        QTest::newRow("lblAzimutPull") << int(QPalette::WindowText) << QColor(0, 0, 192);
        QTest::newRow("lblDalnost") << int(QPalette::WindowText) << QColor(0, 128, 0);
        QTest::newRow("Line5") << int(QPalette::Window) << QColor(0, 0, 0);
    }
    void colours()
    {
        QFETCH(int, role);
        QFETCH(QColor, colour);
        frmRaschet window;
        QWidget* control = window.findChild<QWidget*>(QTest::currentDataTag());
        QVERIFY(control);
        QCOMPARE(control->palette().color(QPalette::Active, QPalette::ColorRole(role)), colour);
    }

    // Tab from each stop to the next; the calculation buttons are enabled
    // here (disabled, Qt skips them). Each field takes digits up to its
    // maximum length; 0: not a field.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<int>("maximum");
        const char* ring[] = {"txtH2G", "txtH2M", "txtH2S", "txtD2G", "txtD2M", "txtD2S", "txtKorLocator",
                              "txtH1G", "txtH1M", "txtH1S", "txtD1G", "txtD1M", "txtD1S", "txtMyLocator",
                              "cmdRaschetKoordinat", "cmdRaschetLocator", "cmdInfo", "cmdExit", "cmdSave",
                              "cmdLoad", "picCompas"};
        const int maximum[] = {3, 2, 2, 4, 2, 2, 6, 3, 2, 2, 4, 2, 2, 6};
        for (int i = 0; i < 21; ++i)
            QTest::newRow(ring[i]) << QString(ring[(i + 1) % 21]) << (i < 14 ? maximum[i] : 0);
    }
    void tabOrder()
    {
        QFETCH(QString, next);
        QFETCH(int, maximum);
        frmRaschet window;
        window.cmdRaschetKoordinat->setEnabled(true);
        window.cmdRaschetLocator->setEnabled(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* from = window.findChild<QWidget*>(QTest::currentDataTag());
        from->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(from, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
        if (auto* field = qobject_cast<QLineEdit*>(from)) {
            field->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(field, QStringLiteral("123456789"));
            QCOMPARE(field->text(), QStringLiteral("123456789").left(maximum));
        }
    }
};

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
