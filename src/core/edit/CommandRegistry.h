#pragma once
// Every command's menu item in one table: where it sits, its label, whether it carries a
// check mark and its shortcuts. The app builds its menus and actions from it, in order.

#include "core/edit/CommandId.h"
#include "core/edit/InputEvents.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The menus the items sit in. A submenu's parent is named by its path.
enum class MenuId {
    File,
    FilePreferences,
    Edit,
    EditPasteLayers,
    ViewZoom,
    ViewShow,
    ViewScroll,
    TileUtilities,
    Preview,
    Railroads,
    Tools,
    ToolsHeightStamps,
    ToolsBrush,
    HeightViewOptions,
    None
};

struct CommandEntry {
    CommandId id;
    MenuId menu; // MenuId::None: no menu item
    std::string_view label;
    bool checkable = false;
    bool separatorBefore = false; // a separator above the item, or above its submenu
    std::vector<std::string_view> shortcuts = {}; // in QKeySequence's portable text
    // The keys of the texture view that do the same, shown beside the item. The view answers
    // them itself (its rules during a stroke, keys forwarded by the palette), so they are not
    // bound as shortcuts; an item with keys and no command of its own presses the first.
    std::vector<Key> keys = {};
};

// All entries in menu order.
std::span<const CommandEntry> CommandRegistry();
// The entry of a command (every command has one).
const CommandEntry& CommandEntryOf(CommandId id);
// A label as the user reads it: without the mnemonic marks ("&&" stays one '&') and the
// trailing dots.
std::string PlainLabel(std::string_view label);
// The path of a menu from the menu bar: {"&File", "Preferences"}.
std::vector<std::string_view> MenuPath(MenuId menu);
