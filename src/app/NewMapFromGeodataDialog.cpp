#include "app/NewMapFromGeodataDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <limits>

namespace {

constexpr int MostCities = 10000;

std::string PathOf(const QLineEdit* field) {
    return field->text().trimmed().toStdString();
}

} // namespace

NewMapFromGeodataDialog::NewMapFromGeodataDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New Map from Geodata"));
    auto* layout = new QFormLayout(this);
    land_ = AddFileRow(QStringLiteral("&Land (polygons or mask):"));
    water_ = AddFileRow(QStringLiteral("&Rivers and lakes:"));
    cover_ = AddFileRow(QStringLiteral("Land &cover:"));
    coverClasses_ = new QLineEdit(this);
    coverClasses_->setPlaceholderText(
        QStringLiteral("for a raster: 1=forest,2=town,3=field,4=mountain"));
    layout->addRow(QStringLiteral("Cover cla&sses:"), coverClasses_);
    cities_ = AddFileRow(QStringLiteral("C&ities:"));
    elevation_ = AddFileRow(QStringLiteral("&Elevation:"));
    cityCount_ = new QSpinBox(this);
    cityCount_->setRange(0, MostCities);
    cityCount_->setValue(MapGenerationOptions{}.cityCount);
    layout->addRow(QStringLiteral("&Towns at the largest:"), cityCount_);
    seed_ = new QSpinBox(this);
    seed_->setRange(0, std::numeric_limits<int>::max());
    seed_->setValue(static_cast<int>(MapGenerationOptions{}.seed));
    layout->addRow(QStringLiteral("Ran&dom seed:"), seed_);
    targetList_ = AddFileRow(QStringLiteral("&Write TarList.dat to:"), true);
    targetList_->setPlaceholderText(QStringLiteral("not written"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(false);
    connect(land_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ok_->setEnabled(!text.trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

QLineEdit* NewMapFromGeodataDialog::AddFileRow(const QString& label, bool save) {
    auto* row = new QHBoxLayout;
    auto* field = new QLineEdit(this);
    field->setMinimumWidth(320);
    auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
    row->addWidget(field);
    row->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, [this, field, label, save] {
        const QString caption = QString(label).remove(QLatin1Char('&')).chopped(1);
        const QString path =
            save ? QFileDialog::getSaveFileName(this, caption, field->text(),
                                                QStringLiteral("Target Lists (*.dat)"))
                 : QFileDialog::getOpenFileName(this, caption, field->text());
        if (!path.isEmpty())
            field->setText(path);
    });
    // The label names the field as its buddy, so its Alt key reaches the field.
    auto* caption = new QLabel(label, this);
    caption->setBuddy(field);
    static_cast<QFormLayout*>(layout())->addRow(caption, row);
    return field;
}

NewMapRequest NewMapFromGeodataDialog::Request() const {
    NewMapRequest request;
    request.sources.land = PathOf(land_);
    request.sources.water = PathOf(water_);
    request.sources.cover = PathOf(cover_);
    request.sources.coverClasses = PathOf(coverClasses_);
    request.sources.cities = PathOf(cities_);
    request.sources.elevation = PathOf(elevation_);
    request.options.cityCount = cityCount_->value();
    request.options.seed = static_cast<uint32_t>(seed_->value());
    request.targetListPath = PathOf(targetList_);
    return request;
}

std::optional<NewMapRequest> NewMapFromGeodataDialog::Ask(QWidget* parent) {
    NewMapFromGeodataDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Request();
}
