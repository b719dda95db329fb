#pragma once
// The main window's menu bar: every popup, item, separator and check mark of the program's
// main menu. Each item carries its command number; choosing it hands that number to the
// dispatcher. The check marks are mirrored from the editor state, never kept apart from it.

#include <QObject>

#include <functional>
#include <map>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
struct Editor;

class MainMenu : public QObject {
    Q_OBJECT
  public:
    // Fills `bar`; `execute` runs a command number through the dispatcher.
    MainMenu(QMenuBar* bar, std::function<void(int)> execute);

    // The item of a command number, or nullptr.
    QAction* Action(int command) const;
    // Puts every check mark where the editor state says it is.
    void MirrorChecks(const Editor& editor);

  private:
    QAction* AddItem(QMenu* menu, const char* label, int command, bool checkable = false);

    QMenuBar* bar_;
    std::function<void(int)> execute_;
    std::map<int, QAction*> actions_;
    QActionGroup* zoomGroup_ = nullptr;
};
