#pragma once
// The editor's whole state: the data layers and the editing state around them. The app
// owns one; tests make as many as they like. Field names follow the program's vocabulary
// (ViewOriginColumn, ShowRailroads, ...).

#include "core/ClassicRandom.h"
#include "core/area/AreaToolState.h"
#include "core/edit/CommandId.h"
#include "core/edit/SavedLayers.h"
#include "core/height/HeightMap.h"
#include "core/mesh/Camera.h"
#include "core/mesh/TerrainMesh.h"
#include "core/model/MapDocument.h"
#include "core/rails/RailNetwork.h"
#include "core/rails/RailTypes.h"
#include "core/tilemap/TileMap.h"
#include "core/undo/EditHistory.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The texture view's scroll origin and zoom, and the 3D window: the same block of cells, except
// that a window centred near the map's top or left edge hangs over it while the scroll origin
// is clamped into the map.
struct ViewState {
    int32_t ViewOriginColumn = 0;
    int32_t ViewOriginRow = 0;
    int32_t TilePixels = 64; // a tile's width and height; start-up value before the first zoom
    int32_t ViewCells = 64;  // the block's width and height in cells
    int32_t TerrainLeft = 0; // the 3D window's top-left cell; it is ViewCells wide and high
    int32_t TerrainTop = 0;
};

// Display and preference flags toggled by the menu.
struct DisplayFlags {
    bool AutoDrawRivers = true;
    bool FocusFollowsMouse = false;
    bool ShowGridlines = false;
    bool ShowLatLong = false;
    bool ShowRailroads = true;
    bool ShowTargetAreas = true;
    bool ShowMouseWorldLocation = false;
    bool ShowHeightView = false;
    bool Show3DView = false;
    bool ShowTextures = true;
    bool Show3DGrid = false;
};

// The cursor in the texture view, in client pixels, view cells and world units.
struct CursorState {
    int32_t MouseX = 0;
    int32_t MouseY = 0;
    int32_t MouseColumn = 0;
    int32_t MouseRow = 0;
    int32_t PrevMouseColumn = 0;
    int32_t PrevMouseRow = 0;
    int32_t MouseWorldX = 0;
    int32_t MouseWorldY = 0;
    bool LeftButtonDown = false;
    bool PointerIn3D = false;
};

// Check marks that are not simply a display flag: the zoom item and the two rail modes.
struct MenuChecks {
    std::optional<CommandId> Zoom; // the zoom item that carries the mark (none before the first)
    bool CreateRails = false;
    bool MoveRails = false;
};

// The texts that OpenGL reported for the "OpenGL Driver Info" box.
struct DriverStrings {
    std::string Vendor;
    std::string Renderer;
    std::string Version;
    std::string Extensions;
};

// The editing tools.
enum class ToolMode {
    TilePainting,
    HeightEditing,
    CreateRails,
    MoveRails,
    Select,
    FloodFill,
    Line,
    Paste,
    HeightBrush
};

struct Editor {
    // Data layers.
    MapDocument document; // the layers; every change of them goes through it
    HeightShade heightShade{};
    SavedLayers saved; // what the files hold, to tell unsaved changes
    // Every change of the layers, to take back and do again.
    std::unique_ptr<EditHistory> history = std::make_unique<EditHistory>();

    // Editing state.
    ViewState view;
    DisplayFlags flags;
    CursorState cursor;
    MenuChecks checks;
    DriverStrings driver;
    ToolMode EditMode = ToolMode::TilePainting;
    bool VertexMode = false; // true exactly while EditMode is height editing
    int32_t PaletteMode = 0; // which palette mode button shows pressed (0 tiles, 1 heights)
    TileCode SelectedTile = 0;
    ClassicRandom random; // shared by the tile utilities, seeded where they say so
    AreaToolState area;   // selection, clip and brush of the area tools

    // The 3D preview of the block the texture view shows.
    TerrainMesh mesh;
    Camera camera;
};
