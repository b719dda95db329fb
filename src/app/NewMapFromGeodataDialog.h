#pragma once
// The choices of File > New Map from Geodata...: the land (required) and the optional rivers
// and lakes, land cover, cities and elevation files, how many cities become towns, the seed,
// and where the target list goes.

#include "core/geodata/NewMapFromGeodata.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QSpinBox;
class QPushButton;

class NewMapFromGeodataDialog : public QDialog {
    Q_OBJECT
  public:
    explicit NewMapFromGeodataDialog(QWidget* parent = nullptr);

    NewMapRequest Request() const;

    // Shows the dialog; the request, or nothing when the user cancels.
    static std::optional<NewMapRequest> Ask(QWidget* parent);

  private:
    // A path field with a "Browse..." button beside it, added as a row of the form.
    QLineEdit* AddFileRow(const QString& label, bool save = false);

    QLineEdit* land_ = nullptr;
    QLineEdit* water_ = nullptr;
    QLineEdit* cover_ = nullptr;
    QLineEdit* coverClasses_ = nullptr;
    QLineEdit* cities_ = nullptr;
    QLineEdit* elevation_ = nullptr;
    QLineEdit* targetList_ = nullptr;
    QSpinBox* cityCount_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QPushButton* ok_ = nullptr;
};
