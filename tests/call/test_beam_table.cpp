// «Таблица азимутов…»: every country from the own station, sorted by any
// column, picked by a typed prefix or name, saved as it is shown.

#include "call/frmBeamTable.h"
#include "dxcc/entity_texts.h"
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

// The file's rows a text picks, found apart from the window.
QStringList pickedPrefixes(const QString& text)
{
    QStringList prefixes;
    for (const dxcc::Entity& entity : countryFile().entities()) {
        const QString name = QString::fromUtf8(std::string(dxcc::shownName(entity)).c_str());
        if (QString::fromStdString(entity.prefix).startsWith(text, Qt::CaseInsensitive)
            || name.contains(text, Qt::CaseInsensitive))
            prefixes << QString::fromStdString((entity.waeOnly ? "*" : "") + entity.prefix);
    }
    prefixes.sort();
    return prefixes;
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
    void init() { QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).clear(); }

    // Every country, headed by the own station and the file's date.
    void everyCountry()
    {
        auto window = openFromMoscow();
        frmBeamTable* table = openTable(*window);
        QVERIFY(table && table->isVisible() && !table->isModal());
        QCOMPARE(table->grdBeam->model()->rowCount(), int(countryFile().entities().size()));
        QVERIFY2(table->lblHeading->text().startsWith("Азимуты на страны от KO85TS (55,771° с. ш., 37,625° в. д.), "),
                 qPrintable(table->lblHeading->text()));
        QVERIFY(table->lblHeading->text().endsWith(", файл стран от 02.05.2023"));
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
    }

    // A click on a heading sorts by its numbers, not their digits: 9 before
    // 10; the rows without figures last.
    void sortsNumbers()
    {
        auto window = openFromMoscow();
        frmBeamTable* table = openTable(*window);
        QHeaderView* header = table->grdBeam->horizontalHeader();
        for (const int column : {5, 6, 7, 3}) {  // azimuth, long path, km, CQ zone
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
            QCOMPARE(header->sortIndicatorSection(), column);
            const QStringList cells = ::column(*table, column);
            int last = header->sortIndicatorOrder() == Qt::AscendingOrder ? -1 : 1 << 30;
            for (const QString& cell : cells) {
                if (cell.isEmpty())
                    continue;
                const int value = cell.toInt();
                QVERIFY2(header->sortIndicatorOrder() == Qt::AscendingOrder ? value >= last : value <= last,
                         qPrintable(QString("column %1: %2 after %3").arg(column).arg(value).arg(last)));
                last = value;
            }
            // Digits alone would sort them otherwise.
            QVERIFY(std::any_of(cells.begin(), cells.end(), [&](const QString& c) { return c.size() != cells[0].size(); }));
        }
    }

    // Typed, a prefix picks the rows it begins, a name the rows that hold
    // it, in either case.
    void picks()
    {
        auto window = openFromMoscow();
        frmBeamTable* table = openTable(*window);
        for (const char* typed : {"ja", "VK9", "остров", "ЯПОН"}) {
            table->txtFilter->clear();
            type(table->txtFilter, typed);
            QStringList shown = column(*table, 0);
            shown.sort();
            QVERIFY(!shown.isEmpty());
            QCOMPARE(shown, pickedPrefixes(typed));
            QCOMPARE(table->lblCount->text(),
                     QString("Стран в таблице: %1 из %2; * — только для WAE").arg(shown.size()).arg(countryFile().entities().size()));
        }
        // A whole call picks its country.
        table->txtFilter->clear();
        type(table->txtFilter, "JA1ABC");
        QCOMPARE(column(*table, 0), QStringList{"JA"});
    }

    // Saved as CSV or PDF: the rows shown, in the order shown.
    void savesWhatIsShown()
    {
        auto window = openFromMoscow();
        frmBeamTable* table = openTable(*window);
        type(table->txtFilter, "остров");
        table->grdBeam->sortByColumn(7, Qt::DescendingOrder);
        const std::vector<dxcc::BeamRow> all
            = dxcc::beamTable(countryFile(), {55 + 46 / 60.0 + 15 / 3600.0, 37.625}, dxcc::BeamOrder::Prefix);
        std::vector<dxcc::BeamRow> shown;
        for (const QString& prefix : column(*table, 0))
            std::copy_if(all.begin(), all.end(), std::back_inserter(shown), [&](const dxcc::BeamRow& row) {
                return QString::fromStdString(dxcc::beamCells(row).front()) == prefix;
            });
        QCOMPARE(int(shown.size()), table->grdBeam->model()->rowCount());

        QTemporaryDir folder;
        QCOMPARE(table->saveTo(folder.filePath("azimuths.csv")), QString());
        QCOMPARE(fileBytes(folder.filePath("azimuths.csv")), QByteArray::fromStdString(dxcc::beamTableCsv(shown)));
        QCOMPARE(table->saveTo(folder.filePath("azimuths.pdf")), QString());
        QVERIFY(fileBytes(folder.filePath("azimuths.pdf")).startsWith("%PDF-"));
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
