#include "app/ImportElevationFromUser.h"

#include "core/Messages.h"
#include "core/edit/UnsavedChanges.h"
#include "core/elevation/ElevationImportResultReport.h"
#include "core/files/FileCommands.h"
#include "core/undo/EditHistory.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

const char* const Description = "Elevation Rasters (*.tif, *.hgt, *.asc, *.vrt, *.img)";
const char* const Pattern = "*.tif; *.tiff; *.hgt; *.asc; *.vrt; *.img";
constexpr int ProgressSteps = 1000;

} // namespace

void ImportElevationFromUser(Editor& editor, Shell& shell, QWidget* parent,
                             const ImportOptionsAsker& askOptions) {
    if (!ElevationRastersAvailable()) {
        ShowFailureNotice(shell, WindowId::Main, ElevationRastersUnavailableText);
        return;
    }
    const auto source = ChooseFilePath(shell, FileDialogMode::Open, {}, Description, Pattern);
    if (!source)
        return;
    const auto options = askOptions();
    if (!options || !ConfirmReplaceLayer(editor, shell, SavedLayer::HeightMap, WindowId::Main))
        return;

    // Modal for the whole application: the events pumped while GDAL works must not start
    // another command.
    QProgressDialog progress(QStringLiteral("Importing elevation data..."),
                             QStringLiteral("Cancel"), 0, ProgressSteps, parent);
    progress.setWindowTitle(QStringLiteral("Map Editor"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setValue(0);
    const ImportProgress report = [&progress](double done) {
        progress.setValue(static_cast<int>(done * ProgressSteps));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    ElevationImportResult result = ImportElevation({*source}, *options, report);
    progress.close();
    editor.history->Record(editor.document, "Import Elevation",
                           [&] { ApplyElevationImport(editor, shell, std::move(result)); });
}
