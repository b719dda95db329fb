#pragma once
// The choices of an elevation import: how source samples are combined into a cell and how
// many metres give the highest height.

#include "core/elevation/ElevationImport.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;

class ImportElevationDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ImportElevationDialog(QWidget* parent = nullptr);

    ElevationImportOptions Options() const;

    // Shows the dialog; the choices, or nothing when the user cancels.
    static std::optional<ElevationImportOptions> Ask(QWidget* parent);

  private:
    QComboBox* resampling_ = nullptr;
    QDoubleSpinBox* top_ = nullptr;
};
