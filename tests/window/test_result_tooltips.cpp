// The long path and the WGS-84 figures under the result labels: set by a
// calculation, gone when a clearing routine resets the labels.

#include "message_boxes.h"
#include "window_fixture.h"

#include <QLabel>
#include <QPushButton>

class TestResultTooltips : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void workedExampleThenInputError()
    {
        auto window = openWindow();
        MessageBoxAnswerer answerer;
        window->txtMyLocator->setText(QStringLiteral("KO85TS"));
        type(window->txtKorLocator, QStringLiteral("JO62QM"));
        QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);

        QCOMPARE(window->lblDalnost->text(), QStringLiteral(" ДАЛЬНОСТЬ:  1611 км"));
        QCOMPARE(window->lblDalnost->toolTip(), QStringLiteral("Длинный путь: 38419 км\nWGS-84: 1616.4 км"));
        QCOMPARE(window->lblAzimutPush->toolTip(), QStringLiteral("Длинный путь: 87 град.\nWGS-84: 267 град."));
        QCOMPARE(window->lblAzimutPull->toolTip(), QStringLiteral("WGS-84: 67 град.\nот корреспондента на вас"));

        window->txtKorLocator->setText(QStringLiteral("JO62Q"));
        QTest::mouseClick(window->cmdRaschetKoordinat, Qt::LeftButton);
        QCOMPARE(answerer.seen.size(), 1);
        for (QLabel* label : {window->lblAzimutPush, window->lblAzimutPull, window->lblDalnost})
            QVERIFY2(label->toolTip().isEmpty(), qPrintable(label->objectName()));
    }
};

QTEST_MAIN(TestResultTooltips)
#include "test_result_tooltips.moc"
