#pragma once
// The editor's whole state: the data layers and the editing state around them. The app
// owns one; tests make as many as they like. Field names follow the program's vocabulary
// (ViewOriginColumn, ShowRailroads, ...).

#include "core/ClassicRandom.h"
#include "core/edit/SavedLayers.h"
#include "core/height/HeightMap.h"
#include "core/mesh/Camera.h"
#include "core/mesh/TerrainMesh.h"
#include "core/rails/RailNetwork.h"
#include "core/rails/RailTypes.h"
#include "core/tilemap/TileMap.h"

#include <memory>
#include <string>
#include <vector>

// The texture view's scroll origin and zoom; the block it names is also the 3D window.
struct ViewState {
    int32_t ViewOriginColumn = 0;
    int32_t ViewOriginRow = 0;
    int32_t TilePixelWidth = 64; // start-up value before the first zoom command
    int32_t TilePixelHeight = 64;
    int32_t ViewColumns = 64;
    int32_t ViewRows = 64;
};

// Display and preference flags toggled by the menu (each 0 or 1).
struct DisplayFlags {
    int32_t AutoDrawRivers = 1;
    int32_t FocusFollowsMouse = 0;
    int32_t ShowGridlines = 0;
    int32_t ShowLatLong = 0;
    int32_t ShowRailroads = 1;
    int32_t ShowTargetAreas = 1;
    int32_t ShowMouseWorldLocation = 0;
    int32_t ShowHeightView = 0;
    int32_t Show3DView = 0;
    int32_t ShowTextures = 1;
    int32_t Show3DGrid = 0;
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
    int32_t LeftButtonDown = 0;
    int32_t PointerIn3D = 0;
};

// Check marks that are not simply a display flag: the zoom item and the two rail modes.
struct MenuChecks {
    int ZoomCommand = 0; // the zoom command whose item carries the mark (0: none yet)
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

struct Editor {
    // Data layers.
    TileMap tileMap;
    HeightMap heightMap;
    HeightShade heightShade{};
    RailNetwork rails;
    std::vector<TargetArea> targetAreas;
    SavedLayers saved; // what the files hold, to tell unsaved changes

    // Editing state.
    ViewState view;
    DisplayFlags flags;
    CursorState cursor;
    MenuChecks checks;
    DriverStrings driver;
    int32_t EditMode = 0;    // 0 tile painting, 1 height editing, 2 create rails, 3 move rails
    int32_t VertexMode = 0;  // 1 exactly while EditMode is 1
    int32_t PaletteMode = 0; // which palette mode button shows pressed
    TileCode SelectedTile = 0;
    ClassicRandom random; // shared by the tile utilities, seeded where they say so

    // The 3D preview of the block the texture view shows.
    TerrainMesh mesh;
    Camera camera;
};
