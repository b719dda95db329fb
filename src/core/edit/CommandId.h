#pragma once
// The commands of the main window's menus, the height view's menu and the tool palette's two
// mode buttons. The registry describes each; ExecuteCommand carries each one out.

enum class CommandId {
    TilePaintingMode,   // tool palette: tile button
    HeightEditingMode,  // tool palette: height button
    Exit,               // "&Exit"
    ConvertDemFile,     // height view: "&Convert DEM File..."
    OpenHeightMap,      // height view: "&Open"
    Show3DView,         // "3D View"
    ShowHeightView,     // "&Height Map"
    FocusFollowsMouse,  // "Use &X-Windows Mouse Focus"
    ShowTextures,       // "Show &Textures"
    LoadTextureFile,    // "&Load Texture File..."
    Zoom400,            // "400%"
    Zoom200,            // "200%"
    Zoom150,            // "150%"
    Zoom100,            // "100%"
    Zoom50,             // "50%"
    Zoom25,             // "25%"
    ShowGridlines,      // "&Gridlines"
    SaveTextureFile,    // "&Save Texture File..."
    SaveHeightMap,      // height view: "&Save"
    ShowLatLong,        // "&Latitude && Longitude"
    DriverInfo,         // "OpenGL Driver Info"
    RandomizeTiles,     // "&Randomize Tiles"
    ExpandFields,       // "&Expand Fields"
    Show3DGrid,         // "Show 3d Grid"
    FieldTransitions,   // "Field Transitions"
    AutoDrawRivers,     // "&AutoDraw Rivers"
    CreateRails,        // "&Create Rails"
    SaveRrd,            // "Save RRD"
    LoadRrd,            // "Load RRD"
    ShowRailroads,      // "&Railroads"
    LoadSegment,        // "Load Segment"
    SaveSegment,        // "Save Segment"
    ShowTargetAreas,    // "&Target Areas"
    MoveRails,          // "&Move Rails"
    MouseWorldLocation, // "Mouse World Location"
    MarkTileErrors,     // "&Mark Tile Errors"
    AppendSegment,      // "Append Segment"
    Undo,               // "&Undo", named after the step it takes back
    Redo,               // "&Redo", named after the step it does again
    Cut,                // "Cu&t"
    Copy,               // "&Copy"
    Paste,              // "&Paste"
    PasteTiles,         // "Paste &Tiles"
    PasteHeights,       // "Paste &Heights"
    SelectAll,          // "Select &All"
    SelectNone,         // "Select &None"
    FillSelection,      // "&Fill Selection"
    SelectTool,         // "&Select"
    FloodFillTool,      // "&Flood Fill"
    LineTool,           // "&Line"
    HeightBrushTool,    // "Height &Brush"
    BrushRaise,         // "&Raise"
    BrushLower,         // "&Lower"
    BrushFlatten,       // "&Flatten"
    BrushSmooth,        // "&Smooth"
    BrushSet,           // "S&et"
    BrushConstant,      // "&Constant Falloff"
    BrushLinear,        // "L&inear Falloff"
    BrushSmoothFalloff, // "Smoot&h Falloff"
    BrushLarger,        // "Lar&ger"
    BrushSmaller,       // "Small&er"
    BrushStronger,      // "S&tronger"
    BrushWeaker,        // "&Weaker"
    NewMap,             // "&New Map"
    OpenMap,            // "&Open Map..."
    SaveMap,            // "Save &Map"
    SaveMapAs,          // "Save Map &As..."
    NewMapFromGeodata,  // "New Map from &Geodata..."
    // Items that do what a key of the texture view does, so that the menus show every key.
    ScrollLeft,        // Left arrow
    ScrollUp,          // Up arrow
    ScrollRight,       // Right arrow
    ScrollDown,        // Down arrow
    StampWaterHeights, // F3 (and F4)
    StampRiverBeds,    // F5
    StampRoadBeds,     // F6
    StampTowns,        // F7
    StampFields,       // F8
    StampSelectedTile, // F9
};
