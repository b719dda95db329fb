#include "app/MainMenu.h"

#include "app/InputAdapter.h"
#include "core/commands/Commands.h"
#include "core/edit/Editor.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {
QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

QString ItemText(const CommandEntry& entry) {
    // The text after the tab shows in the shortcut column without binding the key.
    QStringList keys;
    for (const Key key : entry.keys)
        keys << QKeySequence(QtKeyOf(key)).toString(QKeySequence::NativeText);
    const QString label = Text(entry.label);
    return keys.isEmpty() ? label : label + '\t' + keys.join(", ");
}

MainMenu::MainMenu(QMenuBar* bar, const std::function<bool(MenuId)>& belongs,
                   std::function<void(CommandId)> execute)
    : QObject(bar), bar_(bar), execute_(std::move(execute)) {
    zoomGroup_ = new QActionGroup(this);
    zoomGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const CommandEntry& entry : CommandRegistry()) {
        if (entry.menu == MenuId::None || !belongs(entry.menu))
            continue;
        const bool opensMenu = !menus_.contains(entry.menu);
        QMenu* menu = MenuFor(entry.menu, entry.separatorBefore);
        if (entry.separatorBefore && !opensMenu)
            menu->addSeparator();
        QAction* action = menu->addAction(ItemText(entry));
        action->setCheckable(entry.checkable);
        QList<QKeySequence> keys;
        for (const std::string_view shortcut : entry.shortcuts)
            keys << QKeySequence(Text(shortcut));
        action->setShortcuts(keys);
        if (entry.menu == MenuId::ViewZoom)
            zoomGroup_->addAction(action);
        actions_[entry.id] = action;
        // Qt flips a checkable item by itself; the dispatcher decides, and the marks are then
        // copied back from the editor state by MirrorChecks.
        const CommandId command = entry.id;
        connect(action, &QAction::triggered, this, [this, command] { execute_(command); });
    }
}

QMenu* MainMenu::MenuFor(MenuId menu, bool separatorBefore) {
    if (const auto found = menus_.find(menu); found != menus_.end())
        return found->second;
    // The first item of a menu opens it: a top-level popup, or a submenu in the popup that
    // holds it, looked up by its title.
    const auto path = MenuPath(menu);
    QMenu* parent = nullptr;
    for (size_t depth = 0; depth < path.size(); ++depth) {
        const QString title = Text(path[depth]);
        QMenu* next = nullptr;
        const auto children = parent ? parent->actions() : bar_->actions();
        for (QAction* action : children)
            if (action->menu() && action->text() == title)
                next = action->menu();
        if (!next) {
            const bool last = depth + 1 == path.size();
            if (parent && last && separatorBefore)
                parent->addSeparator();
            next = parent ? parent->addMenu(title) : bar_->addMenu(title);
        }
        parent = next;
    }
    menus_[menu] = parent;
    return parent;
}

QAction* MainMenu::Action(CommandId command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void MainMenu::MirrorChecks(const Editor& editor) {
    for (const auto& [command, action] : actions_)
        if (const auto checked = CommandCheckMark(editor, command))
            action->setChecked(*checked);
    const std::pair<CommandId, QString> history[] = {{CommandId::Undo, editor.history->UndoName()},
                                                     {CommandId::Redo, editor.history->RedoName()}};
    for (const auto& [command, step] : history) {
        if (QAction* action = Action(command)) {
            const QString label = ItemText(CommandEntryOf(command));
            action->setText(step.isEmpty() ? label : label + " " + step);
            action->setEnabled(!step.isEmpty());
        }
    }
}
