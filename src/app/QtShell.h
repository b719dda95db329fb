#pragma once
// The Shell on Qt: message boxes, the file dialog, window visibility, the wait
// cursor and the progress dialog. The windows register themselves; the main window and
// the 3D view plug in the operations that only they can do.

#include "core/Shell.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QProgressDialog;

class QtShell : public Shell {
  public:
    QtShell();
    ~QtShell() override;

    // The widget that paints a window's client area (for Main, the texture view).
    void SetWindow(WindowId id, QWidget* widget);
    QWidget* Window(WindowId id) const;

    // Operations that belong to particular windows; unset ones do nothing.
    std::function<void(int screenY)> handPointerTo3D;
    std::function<void()> menuChecksChanged;
    std::function<void()> scrollPositionsChanged;
    std::function<void()> destroyMainWindow;
    // Runs before any modal box or dialog opens: a pointer captured by the 3D view must be
    // given back, or the dialog could not be clicked.
    std::function<void()> releasePointer;

    void ShowMessage(WindowId owner, const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    void ShowMessageWithList(WindowId owner, const std::string& text, const std::string& list,
                             const std::string& caption, MessageIcon icon) override;
    bool ConfirmDiscardChanges(WindowId owner, const std::string& text) override;
    std::optional<FileChoice> AskFileName(FileDialogMode mode, const std::string& description,
                                          const std::string& pattern,
                                          const std::string& proposedPath) override;
    bool ConfirmReplaceFile(const std::string& path) override;
    void SetWindowVisible(WindowId window, bool visible) override;
    void MenuChecksChanged() override;
    void ScrollPositionsChanged() override;
    void DestroyMainWindow() override;
    void FocusMainWindow() override;
    void HandPointerTo3D(int screenY) override;
    void SetWaitCursor(bool on) override;
    void BeginProgress(const std::string& text, int steps) override;
    void StepProgress() override;
    void EndProgress() override;

    // The progress dialog while one is open (for tests and screenshots).
    QProgressDialog* Progress() const { return progress_.get(); }

  private:
    // Frees a captured pointer before a modal box or dialog opens; returns the box's parent,
    // the window of `owner`.
    QWidget* BeforeModalBox(WindowId owner);
    // A warning with `action` and Cancel (the default); true only when `action` was chosen.
    bool AskBeforeLosing(WindowId owner, const QString& text, const QString& action);
    // Paints the progress dialog and lets the event loop bring it to the screen.
    void PaintProgress();

    static constexpr size_t WindowCount = 5;
    std::array<QPointer<QWidget>, WindowCount> windows_;
    std::unique_ptr<QProgressDialog> progress_;
};

// Splits a chosen path into its folder (with the trailing separator) and its file name.
FileChoice SplitChosenPath(const QString& path);
