#include "app/SessionSettings.h"

#include "app/EditorSession.h"
#include "app/MainWindow.h"
#include "core/commands/Commands.h"
#include "core/edit/CommandRegistry.h"
#include "core/edit/Editor.h"

#include <QSettings>
#include <QWidget>

namespace {

QString FlagKey(const CommandEntry& entry) {
    return "flags/" + QString::fromStdString(PlainLabel(entry.label));
}

// The check marks that are remembered: display flags and preferences, not the zoom (kept by
// its own key) and not the rail tools (a tool is chosen afresh at every start).
bool IsRememberedFlag(const CommandEntry& entry) {
    return entry.checkable && entry.menu != MenuId::ViewZoom && entry.menu != MenuId::Railroads;
}

struct RememberedWindow {
    const char* key;
    QWidget* window;
};

std::vector<RememberedWindow> Windows(EditorSession& session) {
    return {{"windows/main", session.Main()},
            {"windows/height", session.HeightView()},
            {"windows/3d", session.TerrainView()}};
}

} // namespace

void RestoreSessionSettings(EditorSession& session) {
    const QSettings settings;
    for (const RememberedWindow& remembered : Windows(session))
        if (remembered.window && settings.contains(remembered.key))
            remembered.window->restoreGeometry(settings.value(remembered.key).toByteArray());

    const QString zoom = settings.value("view/zoom").toString();
    std::vector<std::pair<CommandId, bool>> flags;
    for (const CommandEntry& entry : CommandRegistry())
        if (IsRememberedFlag(entry) && settings.contains(FlagKey(entry)))
            flags.emplace_back(entry.id, settings.value(FlagKey(entry)).toBool());
    // Behind the start-up commands, whose results it compares with what was remembered.
    MainWindow* main = session.Main();
    QMetaObject::invokeMethod(
        main,
        [main, &editor = session.State(), zoom, flags] {
            for (const CommandEntry& entry : CommandRegistry())
                if (entry.menu == MenuId::ViewZoom &&
                    QString::fromStdString(PlainLabel(entry.label)) == zoom &&
                    CommandCheckMark(editor, entry.id) != true)
                    main->Execute(entry.id);
            for (const auto& [command, checked] : flags)
                if (CommandCheckMark(editor, command) != checked)
                    main->Execute(command);
        },
        Qt::QueuedConnection);
}

void SaveSessionSettings(EditorSession& session) {
    QSettings settings;
    for (const RememberedWindow& remembered : Windows(session))
        if (remembered.window)
            settings.setValue(remembered.key, remembered.window->saveGeometry());
    const Editor& editor = session.State();
    if (editor.checks.Zoom)
        settings.setValue("view/zoom", QString::fromStdString(
                                           PlainLabel(CommandEntryOf(*editor.checks.Zoom).label)));
    for (const CommandEntry& entry : CommandRegistry())
        if (IsRememberedFlag(entry))
            settings.setValue(FlagKey(entry), CommandCheckMark(editor, entry.id).value_or(false));
}
