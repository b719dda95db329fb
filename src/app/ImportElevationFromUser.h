#pragma once
// The height view's "Import Elevation...": choose a raster and the import's options, confirm
// over unsaved heights, then import with a progress dialog whose Cancel stops GDAL.

#include "core/elevation/ElevationImport.h"

#include <functional>
#include <optional>

struct Editor;
class Shell;
class QWidget;

// Asks for the resampling and the top height; nothing when the user cancels.
using ImportOptionsAsker = std::function<std::optional<ElevationImportOptions>()>;

void ImportElevationFromUser(Editor& editor, Shell& shell, QWidget* parent,
                             const ImportOptionsAsker& askOptions);
