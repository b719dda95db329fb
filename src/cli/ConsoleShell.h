#pragma once
// The Shell of maptool: completion notices go to standard output, failures to standard
// error; there are no dialogs, windows or cursors, so those requests do nothing.

#include "core/Shell.h"

class ConsoleShell : public Shell {
  public:
    // Whether any failure message was shown.
    bool Failed() const { return failed_; }

    void ShowMessage(WindowId owner, const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    // Every subcommand passes its paths, so a question would be a fault: answered with Cancel.
    std::optional<FileChoice> AskFileName(FileDialogMode, const std::string&,
                                          const std::string&) override {
        return std::nullopt;
    }
    void Invalidate(WindowId, bool) override {}
    void InvalidateRect(WindowId, const PixelRect&, bool) override {}
    void Update(WindowId) override {}
    void SetWindowVisible(WindowId, bool) override {}
    void DrawTerrainFrame() override {}
    void MenuChecksChanged() override {}
    void ScrollPositionsChanged() override {}
    void DestroyMainWindow() override {}
    void FocusMainWindow() override {}
    void HandPointerTo3D(int) override {}
    void SetWaitCursor(bool) override {}
    void BeginProgress(const std::string&, int) override {}
    void StepProgress() override {}
    void EndProgress() override {}

  private:
    bool failed_ = false;
};
