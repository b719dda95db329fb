#pragma once
// Every command's menu item in one table: where it sits, its label, whether it carries a
// check mark and its shortcuts. The app builds its menus and actions from it, in order.

#include "core/commands/CommandId.h"

#include <span>
#include <string_view>
#include <vector>

// The menus the items sit in. A submenu's parent is named by its path.
enum class MenuId {
    File,
    FilePreferences,
    Edit,
    EditPasteLayers,
    Tools,
    ToolsBrush,
    ViewZoom,
    ViewShow,
    TileUtilities,
    Preview,
    Railroads,
    HeightViewOptions,
    None
};

struct CommandEntry {
    CommandId id;
    MenuId menu; // MenuId::None: no menu item (the palette's mode buttons)
    std::string_view label;
    bool checkable = false;
    bool separatorBefore = false; // a separator above the item, or above its submenu
    std::vector<std::string_view> shortcuts = {}; // in QKeySequence's portable text
};

// All entries in menu order.
std::span<const CommandEntry> CommandRegistry();
// The entry of a command (every command has one).
const CommandEntry& CommandEntryOf(CommandId id);
// The path of a menu from the menu bar: {"&File", "Preferences"}.
std::vector<std::string_view> MenuPath(MenuId menu);
