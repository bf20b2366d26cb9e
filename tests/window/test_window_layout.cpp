// The main window as it opens: controls, places, captions, focus and tab order.

#include "window/compass_canvas.h"
#include "window/frmRaschet.h"

#include "classic_font.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class TestWindowLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
        QLocale::setDefault(QLocale::c());
    }

    void startsReadyForTheCorrespondent()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QCOMPARE(QApplication::focusWidget(), window.txtH2G);
        QVERIFY(!window.cmdRaschetKoordinat->isEnabled());
        QVERIFY(!window.cmdRaschetLocator->isEnabled());
        QVERIFY(window.cmdInfo->isEnabled());
        QVERIFY(window.cmdExit->isEnabled());
        QCOMPARE(window.lblAzimutPush->text(), QStringLiteral(" АЗИМУТ прямой:"));
        QCOMPARE(window.lblAzimutPull->text(), QStringLiteral(" АЗИМУТ обратный:"));
        QCOMPARE(window.lblDalnost->text(), QStringLiteral(" ДАЛЬНОСТЬ:"));
        for (QLineEdit* field : window.findChildren<QLineEdit*>())
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    }

    void windowValuesStartAtZero()
    {
        frmRaschet window;
        QCOMPARE(window.H1, 0.0);
        QCOMPARE(window.D1, 0.0);
        QCOMPARE(window.H2, 0.0);
        QCOMPARE(window.D2, 0.0);
        QCOMPARE(window.AzimutPush, qint16(0));
        QCOMPARE(window.AzimutPull, qint16(0));
        QVERIFY(!window.Oshibka);
        for (double cell : window.LocIndex)
            QCOMPARE(cell, 0.0);
        QCOMPARE(window.LocPart.cell1, 0);
        QCOMPARE(window.LocPart.cell6, 0);
    }

    void windowFrame()
    {
        frmRaschet window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Рассчет азимута и дальности"));
        QCOMPARE(window.size(), QSize(515, 404));
        QCOMPARE(window.minimumSize(), QSize(515, 404));
        QCOMPARE(window.maximumSize(), QSize(515, 404));
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.windowType(), Qt::Window);  // keeps its task-bar entry
        QVERIFY(!window.windowIcon().isNull());
    }

    void opensCentredOnTheScreen()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint offset = window.frameGeometry().center() - window.screen()->geometry().center();
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    void controlPlaces_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        auto row = [](const char* name, const char* kind, const char* parent, int x, int y, int w, int h) {
            QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromLatin1(parent) << QRect(x, y, w, h);
        };
        row("fraMyKoordinat", "QGroupBox", "", 8, 8, 233, 169);
        row("fraKorKoordinat", "QGroupBox", "", 8, 184, 233, 145);
        row("cmdRaschetKoordinat", "QPushButton", "", 8, 336, 169, 25);
        row("cmdRaschetLocator", "QPushButton", "", 8, 368, 169, 25);
        row("cmdInfo", "QPushButton", "", 184, 336, 57, 25);
        row("cmdExit", "QPushButton", "", 184, 368, 57, 25);
        row("cmdMyRaschet", "QPushButton", "", 360, 424, 89, 17);
        row("cmdMyRaschet1", "QPushButton", "", 264, 424, 89, 17);
        row("lblAzimutPush", "QLabel", "", 256, 16, 249, 25);
        row("lblAzimutPull", "QLabel", "", 256, 56, 249, 25);
        row("lblDalnost", "QLabel", "", 256, 96, 249, 25);
        row("lblCompas", "QLabel", "", 256, 144, 249, 249);
        row("picCompas", "CompassCanvas", "", 264, 152, 233, 233);
        row("imgCompas", "QLabel", "", 256, 152, 244, 238);

        row("lblDeg1", "QLabel", "fraMyKoordinat", 82, 24, 30, 17);
        row("lblMin1", "QLabel", "fraMyKoordinat", 128, 24, 33, 17);
        row("lblSec1", "QLabel", "fraMyKoordinat", 176, 24, 33, 17);
        row("lblH1", "QLabel", "fraMyKoordinat", 8, 48, 57, 17);
        row("txtH1G", "QLineEdit", "fraMyKoordinat", 80, 47, 33, 19);
        row("txtH1M", "QLineEdit", "fraMyKoordinat", 128, 47, 33, 19);
        row("txtH1S", "QLineEdit", "fraMyKoordinat", 176, 47, 33, 19);
        row("lblD1", "QLabel", "fraMyKoordinat", 8, 80, 57, 17);
        row("txtD1G", "QLineEdit", "fraMyKoordinat", 80, 79, 33, 19);
        row("txtD1M", "QLineEdit", "fraMyKoordinat", 128, 79, 33, 19);
        row("txtD1S", "QLineEdit", "fraMyKoordinat", 176, 79, 33, 19);
        row("lblMyLocator", "QLabel", "fraMyKoordinat", 8, 112, 57, 17);
        row("txtMyLocator", "QLineEdit", "fraMyKoordinat", 80, 112, 81, 19);
        row("cmdSave", "QPushButton", "fraMyKoordinat", 4, 140, 113, 17);
        row("cmdLoad", "QPushButton", "fraMyKoordinat", 116, 140, 113, 17);

        row("lblDeg2", "QLabel", "fraKorKoordinat", 82, 24, 30, 17);
        row("lblMin2", "QLabel", "fraKorKoordinat", 128, 24, 33, 17);
        row("lblSec2", "QLabel", "fraKorKoordinat", 176, 24, 33, 17);
        row("lblH2", "QLabel", "fraKorKoordinat", 8, 48, 57, 17);
        row("txtH2G", "QLineEdit", "fraKorKoordinat", 80, 47, 33, 19);
        row("txtH2M", "QLineEdit", "fraKorKoordinat", 128, 47, 33, 19);
        row("txtH2S", "QLineEdit", "fraKorKoordinat", 176, 47, 33, 19);
        row("lblD2", "QLabel", "fraKorKoordinat", 8, 80, 57, 17);
        row("txtD2G", "QLineEdit", "fraKorKoordinat", 80, 79, 33, 19);
        row("txtD2M", "QLineEdit", "fraKorKoordinat", 128, 79, 33, 19);
        row("txtD2S", "QLineEdit", "fraKorKoordinat", 176, 79, 33, 19);
        row("lblKorLocator", "QLabel", "fraKorKoordinat", 8, 112, 57, 17);
        // One pixel higher than the own locator field.
        row("txtKorLocator", "QLineEdit", "fraKorKoordinat", 80, 111, 81, 19);

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

    void controlPlaces()
    {
        QFETCH(QString, kind);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        frmRaschet window;
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QList<QWidget*> found = window.findChildren<QWidget*>(name);
        QCOMPARE(found.size(), 1);
        QWidget* control = found.first();
        QVERIFY2(control->inherits(kind.toLatin1()), control->metaObject()->className());
        if (parent.isEmpty())
            QCOMPARE(control->parentWidget(), &window);
        else
            QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), geometry);
    }

    void onlyTheHelpersAreHidden()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList hidden{QStringLiteral("cmdMyRaschet"), QStringLiteral("cmdMyRaschet1"),
                                 QStringLiteral("imgCompas")};
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (control->objectName().isEmpty())
                continue;  // a control's own inner parts
            QCOMPARE(control->isVisible(), !hidden.contains(control->objectName()));
        }
    }

    void captions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("fraMyKoordinat") << "СВОИ КООРДИНАТЫ";
        QTest::newRow("fraKorKoordinat") << "КООРДИНАТЫ КОРРЕСПОНДЕНТА";
        QTest::newRow("cmdRaschetKoordinat") << "Расчет по &ЛОКАТОРУ";
        QTest::newRow("cmdRaschetLocator") << "Расчет по &КООРДИНАТАМ";
        QTest::newRow("cmdInfo") << "&Инфо...";
        QTest::newRow("cmdExit") << "&Выход";
        QTest::newRow("cmdMyRaschet") << "Выч.коорд.";
        QTest::newRow("cmdMyRaschet1") << "Выч.лок.";
        QTest::newRow("cmdSave") << "&Сохранить коорд.";
        QTest::newRow("cmdLoad") << "&Прочитать коорд.";
        QTest::newRow("lblCompas") << "";
        QTest::newRow("lblDeg1") << "Deg";
        QTest::newRow("lblMin1") << "Min";
        QTest::newRow("lblSec2") << "Sec";
        QTest::newRow("lblH1") << "Широта";
        QTest::newRow("lblD2") << "Долгота";
        QTest::newRow("lblMyLocator") << "Локатор";
        QTest::newRow("lblKorLocator") << "Локатор";
    }

    void captions()
    {
        QFETCH(QString, caption);
        frmRaschet window;
        QObject* control = window.findChild<QObject*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        const char* property = qobject_cast<QGroupBox*>(control) ? "title" : "text";
        QCOMPARE(control->property(property).toString(), caption);
    }

    void fonts_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("txtH2G") << 8.25 << true << false;
        QTest::newRow("txtMyLocator") << 8.25 << true << false;
        QTest::newRow("fraKorKoordinat") << 8.25 << true << false;
        QTest::newRow("lblH1") << 8.25 << true << false;
        QTest::newRow("lblDeg2") << 8.25 << true << true;
        QTest::newRow("lblSec1") << 8.25 << true << true;
        QTest::newRow("cmdRaschetLocator") << 8.25 << true << false;
        QTest::newRow("cmdExit") << 8.25 << true << false;
        QTest::newRow("cmdSave") << 8.25 << false << false;
        QTest::newRow("cmdLoad") << 8.25 << false << false;
        QTest::newRow("lblAzimutPush") << 9.75 << true << false;
        QTest::newRow("lblDalnost") << 9.75 << true << false;
    }

    void fonts()
    {
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        frmRaschet window;
        QWidget* control = window.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().bold(), bold);
        QCOMPARE(control->font().italic(), italic);
        QCOMPARE(control->font().family(), classicFont(points).family());
    }

    void colours_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        const int text = QPalette::Text, windowText = QPalette::WindowText, background = QPalette::Window;
        QTest::newRow("txtH2G") << text << QColor(0, 128, 128);
        QTest::newRow("txtD1S") << text << QColor(0, 128, 128);
        QTest::newRow("txtKorLocator") << text << QColor(0, 128, 128);
        QTest::newRow("lblH2") << windowText << QColor(128, 0, 0);
        QTest::newRow("lblMyLocator") << windowText << QColor(128, 0, 0);
        QTest::newRow("lblMin1") << windowText << QColor(192, 0, 192);
        QTest::newRow("lblAzimutPush") << windowText << QColor(192, 0, 0);
        QTest::newRow("lblAzimutPull") << windowText << QColor(0, 0, 192);
        QTest::newRow("lblDalnost") << windowText << QColor(0, 128, 0);
        QTest::newRow("Line5") << background << QColor(0, 0, 0);
        QTest::newRow("Line3") << background << QColor(0, 0, 0);
    }

    void colours()
    {
        QFETCH(int, role);
        QFETCH(QColor, colour);
        frmRaschet window;
        QWidget* control = window.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        QCOMPARE(control->palette().color(QPalette::Active, QPalette::ColorRole(role)), colour);
    }

    void frameCaptionsAreBlue()
    {
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The caption's pixels, whichever palette role the style draws it in.
        const QImage frame = window.fraKorKoordinat->grab(QRect(0, 0, 233, 14)).toImage();
        int blue = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                blue += frame.pixelColor(x, y) == QColor(0, 0, 192);
        QVERIFY2(blue > 20, qPrintable(QString::number(blue)));
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("next");
        QTest::newRow("txtH2G") << "txtH2M";
        QTest::newRow("txtH2M") << "txtH2S";
        QTest::newRow("txtH2S") << "txtD2G";
        QTest::newRow("txtD2G") << "txtD2M";
        QTest::newRow("txtD2M") << "txtD2S";
        QTest::newRow("txtD2S") << "txtKorLocator";
        QTest::newRow("txtKorLocator") << "txtH1G";
        QTest::newRow("txtH1G") << "txtH1M";
        QTest::newRow("txtH1M") << "txtH1S";
        QTest::newRow("txtH1S") << "txtD1G";
        QTest::newRow("txtD1G") << "txtD1M";
        QTest::newRow("txtD1M") << "txtD1S";
        QTest::newRow("txtD1S") << "txtMyLocator";
        // The two calculation buttons are disabled and skipped.
        QTest::newRow("txtMyLocator") << "cmdInfo";
        QTest::newRow("cmdInfo") << "cmdExit";
        QTest::newRow("cmdExit") << "cmdSave";
        QTest::newRow("cmdSave") << "cmdLoad";
        QTest::newRow("cmdLoad") << "picCompas";
        QTest::newRow("picCompas") << "txtH2G";
    }

    void tabOrder()
    {
        QFETCH(QString, next);
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget* from = window.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(from);
        from->setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget(), from);
        QTest::keyClick(from, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }

    void enabledCalculationButtonsAreTabStops()
    {
        frmRaschet window;
        window.cmdRaschetKoordinat->setEnabled(true);
        window.cmdRaschetLocator->setEnabled(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.txtMyLocator->setFocus(Qt::OtherFocusReason);
        const QStringList expected{QStringLiteral("cmdRaschetKoordinat"), QStringLiteral("cmdRaschetLocator"),
                                   QStringLiteral("cmdInfo")};
        for (const QString& name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
    }

    void nothingElseTakesFocus()
    {
        frmRaschet window;
        const QStringList names{QStringLiteral("fraMyKoordinat"), QStringLiteral("fraKorKoordinat"),
                                QStringLiteral("lblAzimutPush"), QStringLiteral("lblCompas"),
                                QStringLiteral("lblDeg1"), QStringLiteral("lblH2"), QStringLiteral("Line7"),
                                QStringLiteral("cmdMyRaschet"), QStringLiteral("cmdMyRaschet1"),
                                QStringLiteral("imgCompas")};
        for (const QString& name : names) {
            QWidget* control = window.findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            QVERIFY2(control->focusPolicy() == Qt::NoFocus, qPrintable(name));
        }
    }

    void maximumLength_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::newRow("txtH2G") << 3;
        QTest::newRow("txtH2M") << 2;
        QTest::newRow("txtH2S") << 2;
        QTest::newRow("txtD2G") << 4;
        QTest::newRow("txtD2M") << 2;
        QTest::newRow("txtD2S") << 2;
        QTest::newRow("txtKorLocator") << 6;
        QTest::newRow("txtH1G") << 3;
        QTest::newRow("txtH1M") << 2;
        QTest::newRow("txtH1S") << 2;
        QTest::newRow("txtD1G") << 4;
        QTest::newRow("txtD1M") << 2;
        QTest::newRow("txtD1S") << 2;
        QTest::newRow("txtMyLocator") << 6;
    }

    void maximumLength()
    {
        QFETCH(int, maximum);
        frmRaschet window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(field);
        field->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(field, QStringLiteral("123456789"));
        QCOMPARE(field->text(), QStringLiteral("123456789").left(maximum));
        field->clear();
        field->insert(QStringLiteral("abcdefghi"));  // as a paste does
        QCOMPARE(field->text().size(), maximum);
    }

    void compassIsPreparedBeforeShowing()
    {
        frmRaschet window;
        const QImage blank = QImage(QStringLiteral(":/compass.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(blank.size(), QSize(244, 238));
        QCOMPARE(window.imgCompas->pixmap().toImage().convertToFormat(QImage::Format_RGB32), blank);
        QCOMPARE(window.picCompas->canvas().convertToFormat(QImage::Format_RGB32), blank);
    }
};

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
