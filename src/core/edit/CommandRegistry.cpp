#include "core/edit/CommandRegistry.h"

#include <algorithm>
#include <stdexcept>

namespace {
using C = CommandId;
using M = MenuId;

const std::vector<CommandEntry>& Entries() {
    static const std::vector<CommandEntry> entries = {
        {C::NewMap, M::File, "&New Map", false, false, {"Ctrl+N"}},
        {C::OpenMap, M::File, "&Open Map...", false, false, {"Ctrl+O"}},
        {C::SaveMap, M::File, "Save &Map", false, false, {"Ctrl+S"}},
        {C::SaveMapAs, M::File, "Save Map &As...", false, false, {"Ctrl+Shift+S"}},
        {C::NewMapFromGeodata, M::File, "New Map from &Geodata..."},
        {C::LoadTextureFile, M::File, "&Load Texture File...", false, true},
        {C::SaveTextureFile, M::File, "&Save Texture File..."},
        {C::AutoDrawRivers, M::FilePreferences, "&AutoDraw Rivers", true, true},
        {C::FocusFollowsMouse, M::FilePreferences, "Use &X-Windows Mouse Focus", true},
        {C::Exit, M::File, "&Exit", false, true, {}, {Key::Escape}},
        {C::Undo, M::Edit, "&Undo", false, false, {"Ctrl+Z"}},
        {C::Redo, M::Edit, "&Redo", false, false, {"Ctrl+Shift+Z", "Ctrl+Y"}},
        {C::Cut, M::Edit, "Cu&t", false, true, {"Ctrl+X"}},
        {C::Copy, M::Edit, "&Copy", false, false, {"Ctrl+C"}},
        {C::Paste, M::Edit, "&Paste", false, false, {"Ctrl+V"}},
        {C::PasteTiles, M::EditPasteLayers, "Paste &Tiles", true},
        {C::PasteHeights, M::EditPasteLayers, "Paste &Heights", true},
        {C::SelectAll, M::Edit, "Select &All", false, true, {"Ctrl+A"}},
        {C::SelectNone, M::Edit, "Select &None", false, false, {"Ctrl+Shift+A"}},
        {C::FillSelection, M::Edit, "&Fill Selection", false, false, {"F"}},
        {C::Zoom400, M::ViewZoom, "400%", true, false, {"Ctrl+1"}},
        {C::Zoom200, M::ViewZoom, "200%", true, false, {"Ctrl+2"}},
        {C::Zoom150, M::ViewZoom, "150%", true, false, {"Ctrl+3"}},
        {C::Zoom100, M::ViewZoom, "100%", true, false, {"Ctrl+4"}},
        {C::Zoom50, M::ViewZoom, "50%", true, false, {"Ctrl+5"}},
        {C::Zoom25, M::ViewZoom, "25%", true, false, {"Ctrl+6"}},
        {C::ShowGridlines, M::ViewShow, "&Gridlines", true},
        {C::ShowLatLong, M::ViewShow, "&Latitude && Longitude", true},
        {C::ShowRailroads, M::ViewShow, "&Railroads", true},
        {C::ShowTargetAreas, M::ViewShow, "&Target Areas", true},
        {C::MouseWorldLocation, M::ViewShow, "Mouse World Location", true},
        {C::ShowHeightView, M::ViewShow, "&Height Map", true},
        {C::Show3DView, M::ViewShow, "3D View", true},
        {C::ScrollLeft, M::ViewScroll, "&Left", false, true, {}, {Key::Left}},
        {C::ScrollUp, M::ViewScroll, "&Up", false, false, {}, {Key::Up}},
        {C::ScrollRight, M::ViewScroll, "&Right", false, false, {}, {Key::Right}},
        {C::ScrollDown, M::ViewScroll, "&Down", false, false, {}, {Key::Down}},
        {C::RandomizeTiles, M::TileUtilities, "&Randomize Tiles"},
        {C::ExpandFields, M::TileUtilities, "&Expand Fields"},
        {C::FieldTransitions, M::TileUtilities, "Field Transitions"},
        {C::MarkTileErrors, M::TileUtilities, "&Mark Tile Errors"},
        {C::DriverInfo, M::Preview, "OpenGL Driver Info"},
        {C::ShowTextures, M::Preview, "Show &Textures", true, true},
        {C::Show3DGrid, M::Preview, "Show 3d Grid", true},
        {C::CreateRails, M::Railroads, "&Create Rails", true},
        {C::MoveRails, M::Railroads, "&Move Rails", true},
        {C::SaveRrd, M::Railroads, "Save RRD", false, true},
        {C::LoadRrd, M::Railroads, "Load RRD"},
        {C::SaveSegment, M::Railroads, "Save Segment", false, true},
        {C::LoadSegment, M::Railroads, "Load Segment"},
        {C::AppendSegment, M::Railroads, "Append Segment"},
        {C::TilePaintingMode, M::Tools, "Tile Painting", false, false, {}, {Key::F1}},
        {C::HeightEditingMode, M::Tools, "Height Editing", false, false, {}, {Key::F2}},
        {C::StampWaterHeights,
         M::ToolsHeightStamps,
         "&Water to 0, Land to 1",
         false,
         true,
         {},
         {Key::F3, Key::F4}},
        {C::StampRiverBeds, M::ToolsHeightStamps, "&River Beds to 0", false, false, {}, {Key::F5}},
        {C::StampRoadBeds,
         M::ToolsHeightStamps,
         "R&oad Beds to 65535",
         false,
         false,
         {},
         {Key::F6}},
        {C::StampTowns, M::ToolsHeightStamps, "&Towns to 65000", false, false, {}, {Key::F7}},
        {C::StampFields, M::ToolsHeightStamps, "&Fields to 65535", false, false, {}, {Key::F8}},
        {C::StampSelectedTile,
         M::ToolsHeightStamps,
         "&Selected Tile to 65535",
         false,
         false,
         {},
         {Key::F9}},
        {C::SelectTool, M::Tools, "&Select", true, true, {"S"}},
        {C::FloodFillTool, M::Tools, "&Flood Fill", true, false, {"G"}},
        {C::LineTool, M::Tools, "&Line", true, false, {"L"}},
        {C::HeightBrushTool, M::Tools, "Height &Brush", true, false, {"B"}},
        {C::BrushRaise, M::ToolsBrush, "&Raise", true, true},
        {C::BrushLower, M::ToolsBrush, "&Lower", true},
        {C::BrushFlatten, M::ToolsBrush, "&Flatten", true},
        {C::BrushSmooth, M::ToolsBrush, "&Smooth", true},
        {C::BrushSet, M::ToolsBrush, "S&et", true},
        {C::BrushConstant, M::ToolsBrush, "&Constant Falloff", true, true},
        {C::BrushLinear, M::ToolsBrush, "L&inear Falloff", true},
        {C::BrushSmoothFalloff, M::ToolsBrush, "Smoot&h Falloff", true},
        {C::BrushLarger, M::ToolsBrush, "Lar&ger", false, true, {"]"}},
        {C::BrushSmaller, M::ToolsBrush, "Small&er", false, false, {"["}},
        {C::BrushStronger, M::ToolsBrush, "S&tronger", false, false, {"="}},
        {C::BrushWeaker, M::ToolsBrush, "&Weaker", false, false, {"-"}},
        {C::OpenHeightMap, M::HeightViewOptions, "&Open"},
        {C::SaveHeightMap, M::HeightViewOptions, "&Save"},
        {C::ConvertDemFile, M::HeightViewOptions, "&Convert DEM File..."},
    };
    return entries;
}
} // namespace

std::span<const CommandEntry> CommandRegistry() {
    return Entries();
}

const CommandEntry& CommandEntryOf(CommandId id) {
    const auto& entries = Entries();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [id](const CommandEntry& entry) { return entry.id == id; });
    if (found == entries.end())
        throw std::logic_error("a command without a registry entry");
    return *found;
}

std::string PlainLabel(std::string_view label) {
    std::string name;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size())
            ++i;
        name += label[i];
    }
    if (name.ends_with("..."))
        name.resize(name.size() - 3);
    return name;
}

std::vector<std::string_view> MenuPath(MenuId menu) {
    switch (menu) {
    case M::File:
        return {"&File"};
    case M::FilePreferences:
        return {"&File", "Preferences"};
    case M::Edit:
        return {"&Edit"};
    case M::EditPasteLayers:
        return {"&Edit", "Paste &Layers"};
    case M::ViewZoom:
        return {"&View", "&Zoom"};
    case M::ViewShow:
        return {"&View", "&Show"};
    case M::ViewScroll:
        return {"&View", "S&croll"};
    case M::TileUtilities:
        return {"Tile &Utilities"};
    case M::Preview:
        return {"3d &Preview"};
    case M::Railroads:
        return {"&Railroads"};
    case M::Tools:
        return {"&Tools"};
    case M::ToolsHeightStamps:
        return {"&Tools", "Height &Stamps"};
    case M::ToolsBrush:
        return {"&Tools", "Height Brush &Options"};
    case M::HeightViewOptions:
        return {"&Options"};
    case M::None:
        break;
    }
    return {};
}
