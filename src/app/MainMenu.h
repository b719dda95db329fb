#pragma once
// A menu bar built from the command registry: every popup, item, separator, shortcut and
// check mark. Choosing an item hands its command to the dispatcher; the check marks are
// mirrored from the editor state, never kept apart from it.

#include "core/edit/CommandRegistry.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
struct Editor;

// An item's text: its label, and the key that does the same in the shortcut column.
QString ItemText(const CommandEntry& entry);

class MainMenu : public QObject {
    Q_OBJECT
  public:
    // Fills `bar` with the registry's items whose menu `belongs` accepts; `execute` runs a
    // command through the dispatcher.
    MainMenu(QMenuBar* bar, const std::function<bool(MenuId)>& belongs,
             std::function<void(CommandId)> execute);

    // The item of a command, or nullptr.
    QAction* Action(CommandId command) const;
    // Puts every check mark where the editor state says it is, and names Undo and Redo after
    // the steps they would take.
    void MirrorChecks(const Editor& editor);

  private:
    QMenu* MenuFor(MenuId menu, bool separatorBefore);

    QMenuBar* bar_;
    std::function<void(CommandId)> execute_;
    std::map<CommandId, QAction*> actions_;
    std::map<MenuId, QMenu*> menus_;
    QActionGroup* zoomGroup_ = nullptr;
};
