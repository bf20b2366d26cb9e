#pragma once

#include "call/beam_model.h"
#include "call/call_context.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// «Таблица азимутов»: every country's short and long path from the own
// station, beside the main window. Any column sorts it; a typed prefix or
// name picks rows; what is shown, in the order shown, is printed or saved.
// Not modal; Esc hides it.
class frmBeamTable : public QDialog
{
    Q_OBJECT

public:
    frmBeamTable(const CallContext& context, QWidget* mainWindow);

    // Shown and raised, the table made anew when the own station has moved.
    void bringUp();
    // The table from the own station as the main window's fields now hold it.
    void fill();

    QLabel* lblHeading = nullptr;  // whose table it is, the day and the country file's date; or why there is none
    QLineEdit* txtFilter = nullptr;
    QTableView* grdBeam = nullptr;
    QLabel* lblCount = nullptr;    // how many rows are shown
    QPushButton* cmdPrint = nullptr;  // «Печать…»
    QPushButton* cmdSave = nullptr;   // «Сохранить…»

    // The rows shown written to a file; the user's words for why not, or
    // nothing. Public so that a test need not answer the file dialog.
    QString saveTo(const QString& fileName) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void txtFilter_Change();
    void cmdPrint_Click();
    void cmdSave_Click();
    void showCount();

    CallContext context_;
    BeamModel model_;
    BeamFilter filter_{model_};
    std::optional<geodesy::Position> own_;  // whose table is shown
    QString heading_;
};
