#include "core/elevation/ElevationImportResultReport.h"

#include "core/Messages.h"
#include "core/files/HeightMapFile.h"

void ApplyElevationImport(Editor& editor, Shell& shell, ElevationImportResult result) {
    if (result.cancelled)
        return;
    if (!result.elevation) {
        ShowFailureNotice(shell, WindowId::Main, result.error);
        return;
    }
    const DemCounters counters = result.elevation->counters;
    ReplaceHeightMap(editor, shell, std::move(result.elevation->heights));
    ShowCompletionNotice(shell, WindowId::Main, DemSummaryText(counters, false));
}
