// «Таблица азимутов…»: every country from the own station, sorted by any
// column, picked by a typed prefix or name, saved as it is shown.

#include "settings/settings_file.h"
#include "call/frmBeamTable.h"
#include "tests/call/call_fixture.h"
#include "tests/file_bytes.h"
#include "window/rotator_control.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTableView>

namespace {

frmBeamTable* openTable(frmRaschet& window)
{
    Q_EMIT window.picCompas->customContextMenuRequested(QPoint(50, 50));
    window.rotator->mnuCompas->close();
    window.rotator->mnuBeamTable->trigger();
    auto* table = window.findChild<frmBeamTable*>();
    (void)QTest::qWaitFor([table] { return table && QApplication::activeWindow() == table; });
    return table;
}

QStringList column(const frmBeamTable& table, int column)
{
    QStringList cells;
    const QAbstractItemModel& model = *table.grdBeam->model();
    for (int row = 0; row < model.rowCount(); ++row)
        cells << model.index(row, column).data().toString();
    return cells;
}

std::unique_ptr<frmRaschet> openFromMoscow()
{
    auto window = openWindow();
    typeOwnStation(*window, "55 46 15 37 37 30");
    return window;
}

} // namespace

class TestBeamTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { pinLook(); }
    void init() { settingsFile().clear(); }

    // Every country, headed by the own station and the file's date. A click
    // on a heading sorts by its numbers, not their digits: 9 before 10.
    void everyCountry()
    {
        auto window = openFromMoscow();
        frmBeamTable* table = openTable(*window);
        QVERIFY(table && table->isVisible() && !table->isModal());
        QCOMPARE(table->grdBeam->model()->rowCount(), int(systemCountries().entities().size()));
        QVERIFY2(table->lblHeading->text().startsWith("Азимуты на страны от KO85TS (55,771° с. ш., 37,625° в. д.), "),
                 qPrintable(table->lblHeading->text()));  // the rest as the command's test tells
        QStringList headings;
        for (int i = 0; i < table->grdBeam->model()->columnCount(); ++i)
            headings << table->grdBeam->model()->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(headings, (QStringList{"Префикс", "Страна", "Конт.", "CQ", "ITU", "Азимут", "Длинный", "Км", "UTC"}));
        const int japan = column(*table, 0).indexOf("JA");
        QCOMPARE(column(*table, 5).at(japan), "60");
        QCOMPARE(column(*table, 7).at(japan), "7343");
        int found = 0;
        pressEachAccessKey(table, found);  // the filter's caption, print and save
        QCOMPARE(found, 3);
        QHeaderView* header = table->grdBeam->horizontalHeader();
        for (const int column : {5, 6, 7, 3}) {  // azimuth, long path, km, CQ zone
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
            QCOMPARE(header->sortIndicatorSection(), column);
            QList<int> values;
            for (const QString& cell : ::column(*table, column))
                if (!cell.isEmpty())
                    values << cell.toInt();
            if (header->sortIndicatorOrder() == Qt::DescendingOrder)
                std::reverse(values.begin(), values.end());
            QVERIFY2(std::is_sorted(values.begin(), values.end()), qPrintable(QString::number(column)));
        }
    }

    // Typed, a prefix picks the rows it begins, a name the rows that hold
    // it, in either case; a whole call picks its country. Saved as the rows
    // shown, in the order shown; the files' cells and pages are the
    // command's test's, which writes them alike.
    void picksAndSaves()
    {
        auto window = openFromMoscow();
        frmBeamTable* table = openTable(*window);
        const std::pair<QString, QStringList> picked[] = {
            {"ЕДВЕЖ", {"*JW/b"}}, {"JA1ABC", {"JA"}}, {"vk9", {"VK9C", "VK9L", "VK9M", "VK9N", "VK9W", "VK9X"}}};
        for (const auto& [typed, prefixes] : picked) {
            table->txtFilter->clear();
            type(table->txtFilter, typed);
            QCOMPARE(column(*table, 0), prefixes);
            QCOMPARE(table->lblCount->text(), QString("Стран в таблице: %1 из %2; * — только для WAE")
                                                  .arg(prefixes.size()).arg(systemCountries().entities().size()));
        }
        table->grdBeam->sortByColumn(7, Qt::DescendingOrder);
        QTemporaryDir folder;
        QCOMPARE(table->saveTo(folder.filePath("azimuths.csv")), QString());
        QStringList saved;
        for (const QByteArray& line : fileBytes(folder.filePath("azimuths.csv")).split('\n').mid(1))
            saved << QString(line.left(line.indexOf(',')));
        QCOMPARE(saved, column(*table, 0) << "");  // the last line ended too
        QCOMPARE(table->saveTo(folder.filePath("azimuths.txt")),
                 "Таблицу можно сохранить в CSV или PDF: имя файла должно кончаться на .csv или .pdf.");
        QCOMPARE(table->saveTo(folder.filePath("no/such/folder.csv")),
                 "Не удалось записать " + QDir::toNativeSeparators(folder.filePath("no/such/folder.csv")) + ".");
    }

    // Without an own station there is no table, and nothing to print.
    void noOwnStation()
    {
        auto window = openWindow();
        typeOwnStation(*window, "");
        window->txtMyLocator->clear();
        frmBeamTable* table = openTable(*window);
        QCOMPARE(table->grdBeam->model()->rowCount(), 0);
        QCOMPARE(table->lblHeading->text(), "Своя станция не задана: введите в главном окне свои координаты или локатор.");
        QVERIFY(!table->cmdPrint->isEnabled() && !table->cmdSave->isEnabled());
    }
};

QTEST_MAIN(TestBeamTable)
#include "test_beam_table.moc"
