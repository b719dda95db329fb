#pragma once
// The command table: every menu item and the tool palette's two mode buttons carry one of
// these numbers, and ExecuteCommand is the one place that carries them out. The menus only
// mirror the editor state afterwards (display flags and editor.checks, on
// Shell::MenuChecksChanged).

#include "core/Shell.h"
#include "core/edit/Editor.h"

enum CommandId : int {
    CommandTilePaintingMode = 2000,  // tool palette: tile button
    CommandHeightEditingMode = 2001, // tool palette: height button
    // 2002 ... 2063 are the palette's tile buttons; the dispatcher ignores them.
    CommandExit = 40001,               // "&Exit"
    CommandConvertDemFile = 40003,     // height view: "&Convert DEM File..."
    CommandOpenHeightMap = 40004,      // height view: "&Open"
    CommandShow3DView = 40005,         // "3D View"
    CommandShowHeightView = 40006,     // "&Height Map"
    CommandFocusFollowsMouse = 40007,  // "Use &X-Windows Mouse Focus"
    CommandShowTextures = 40008,       // "Show &Textures"
    CommandLoadTextureFile = 40010,    // "&Load Texture File..."
    CommandZoom200 = 40012,            // "200%"
    CommandZoom150 = 40013,            // "150%"
    CommandZoom100 = 40014,            // "100%"
    CommandZoom50 = 40015,             // "50%"
    CommandZoom25 = 40016,             // "25%"
    CommandShowGridlines = 40018,      // "&Gridlines"
    CommandSaveTextureFile = 40019,    // "&Save Texture File..."
    CommandSaveHeightMap = 40020,      // height view: "&Save"
    CommandShowLatLong = 40021,        // "&Latitude && Longitude"
    CommandDriverInfo = 40022,         // "OpenGL Driver Info"
    CommandRandomizeTiles = 40027,     // "&Randomize Tiles"
    CommandExpandFields = 40028,       // "&Expand Fields"
    CommandShow3DGrid = 40029,         // "Show 3d Grid"
    CommandFieldTransitions = 40030,   // "Field Transitions"
    CommandAutoDrawRivers = 40032,     // "&AutoDraw Rivers"
    CommandCreateRails = 40033,        // "&Create Rails"
    CommandSaveRrd = 40034,            // "Save RRD"
    CommandLoadRrd = 40035,            // "Load RRD"
    CommandShowRailroads = 40036,      // "&Railroads"
    CommandLoadSegment = 40037,        // "Load Segment"
    CommandSaveSegment = 40038,        // "Save Segment"
    CommandZoom400 = 40039,            // "400%"
    CommandShowTargetAreas = 40040,    // "&Target Areas"
    CommandMoveRails = 40041,          // "&Move Rails"
    CommandMouseWorldLocation = 40042, // "Mouse World Location"
    CommandMarkTileErrors = 40043,     // "&Mark Tile Errors"
    CommandAppendSegment = 40044,      // "Append Segment"
};

// Carries out one command of the main window (menu items, palette mode buttons). Numbers
// without an entry (palette tile buttons, the height view's own commands) are ignored.
void ExecuteCommand(Editor& editor, Shell& shell, int commandId);

// Whether the menu item of a command carries a check mark in this state, or nothing for a
// command whose item has none.
std::optional<bool> CommandCheckMark(const Editor& editor, int commandId);

// The text of the "OpenGL Driver Info" box, shown whole however long the extension list.
std::string DriverInfoText(const DriverStrings& driver);
