#pragma once
// The main window "Map Editor": the menu bar, the texture view with its two scroll bars, the
// status bar, and the hub through which menu items and palette buttons reach the command
// dispatcher.

#include <QMainWindow>

#include "core/edit/CommandId.h"
#include "core/edit/InputEvents.h"
#include "core/geodata/NewMapFromGeodata.h"
#include "core/render/ScaledTileCache.h"

#include <functional>
#include <optional>

class EditorStatusBar;
class MainMenu;
class QMenu;
class QScrollBar;
class QtShell;
class TextureViewWidget;
struct Editor;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Registers itself with the shell as the main window and takes over the shell's
    // menu, scroll and end-of-program operations.
    MainWindow(Editor& editor, QtShell& shell, ScaledTileCache::Source tiles);
    ~MainWindow() override;

    // Runs a command through the dispatcher now.
    void Execute(CommandId command);
    // Queues a command behind the events already waiting, as a posted message.
    void PostCommand(CommandId command);

    // How File > New Map from Geodata... asks for its files (a dialog unless replaced).
    using NewMapAsker = std::function<std::optional<NewMapRequest>(QWidget* parent)>;
    void SetNewMapAsker(NewMapAsker asker) { askNewMap_ = std::move(asker); }

    MainMenu& Menu() { return *menu_; }
    // File > Recent Maps, filled each time it opens.
    QMenu& RecentMenu() { return *recent_; }
    // Names the map and marks unsaved changes with '*' in the title.
    void RefreshTitle();
    EditorStatusBar& Status() { return *status_; }
    TextureViewWidget& View() { return *view_; }
    QScrollBar& HorizontalBar() { return *horizontal_; }
    QScrollBar& VerticalBar() { return *vertical_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ScrollRequest(QScrollBar* bar, ScrollStep step, int position);
    void MirrorScrollPositions();

    Editor& editor_;
    QtShell& shell_;
    void FillRecentMenu();

    MainMenu* menu_ = nullptr;
    QMenu* recent_ = nullptr;
    EditorStatusBar* status_ = nullptr;
    TextureViewWidget* view_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    NewMapAsker askNewMap_;
    bool quitConfirmed_ = false; // the quit was asked for and agreed to already
};
