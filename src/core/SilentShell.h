#pragma once
// A Shell that ignores every request and cancels every file dialog: for batch runs and
// measurements, where there is no screen and nobody to ask.

#include "core/Shell.h"

class SilentShell : public Shell {
  public:
    void ShowMessage(WindowId, const std::string&, const std::string&, MessageIcon) override {}
    bool ConfirmDiscardChanges(WindowId, const std::string&) override { return false; }
    std::optional<FileChoice> AskFileName(FileDialogMode, const std::string&, const std::string&,
                                          const std::string&) override {
        return std::nullopt;
    }
    bool ConfirmReplaceFile(const std::string&) override { return false; }
    void SetWindowVisible(WindowId, bool) override {}
    void MenuChecksChanged() override {}
    void ScrollPositionsChanged() override {}
    void DestroyMainWindow() override {}
    void FocusMainWindow() override {}
    void HandPointerTo3D(int) override {}
    void SetWaitCursor(bool) override {}
    void BeginProgress(const std::string&, int) override {}
    void StepProgress() override {}
    void EndProgress() override {}
};
