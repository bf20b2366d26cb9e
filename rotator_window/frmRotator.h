#pragma once

#include "rotator/rotator_settings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

// The rotator's settings: the daemon's host and port, and whether the
// compass shows the antenna's heading. Changes nothing itself; the caller
// takes settings() when the dialog is accepted.
class frmRotator : public QDialog
{
    Q_OBJECT

public:
    explicit frmRotator(const rotator::RotatorSettings& settings, QWidget* parent = nullptr);

    rotator::RotatorSettings settings() const;

    QLineEdit* txtHost = nullptr;
    QSpinBox* spnPort = nullptr;
    QCheckBox* chkHeading = nullptr;
};
