#include "app/ImportElevationDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

namespace {

const struct {
    Resampling resampling;
    const char* label;
} Choices[] = {{Resampling::Average, "Average of the samples in a cell"},
               {Resampling::Bilinear, "Bilinear"},
               {Resampling::Cubic, "Cubic"},
               {Resampling::Nearest, "Nearest sample"}};

// Higher than any mountain, so that a map may be scaled to the whole range of the world.
constexpr double HighestTop = 9000.0;

} // namespace

ImportElevationDialog::ImportElevationDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Import Elevation"));
    resampling_ = new QComboBox(this);
    for (const auto& choice : Choices)
        resampling_->addItem(QString::fromLatin1(choice.label),
                             static_cast<int>(choice.resampling));
    top_ = new QDoubleSpinBox(this);
    top_->setRange(1.0, HighestTop);
    top_->setDecimals(0);
    top_->setSuffix(QStringLiteral(" m"));
    top_->setValue(ElevationImportOptions{}.topMetres);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("&Resampling:"), resampling_);
    layout->addRow(QStringLiteral("&Highest height at:"), top_);
    layout->addRow(buttons);
}

ElevationImportOptions ImportElevationDialog::Options() const {
    ElevationImportOptions options;
    options.resampling = static_cast<Resampling>(resampling_->currentData().toInt());
    options.topMetres = top_->value();
    return options;
}

std::optional<ElevationImportOptions> ImportElevationDialog::Ask(QWidget* parent) {
    ImportElevationDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Options();
}
