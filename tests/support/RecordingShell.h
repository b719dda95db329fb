#pragma once
// A Shell for tests: answers file dialogs from a script and records every message box
// and other call, so tests can assert exactly what the user would see.

#include "core/Shell.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

struct RecordedMessage {
    WindowId owner;
    std::string text;
    std::string caption;
    MessageIcon icon;
};

struct RecordedQuestion {
    WindowId owner;
    std::string text;
};

struct RecordedDialog {
    FileDialogMode mode;
    std::string description;
    std::string pattern;
    std::string proposed;
};

class RecordingShell : public Shell {
  public:
    // Queue the answer of the next file dialog: a full path, or std::nullopt for Cancel.
    void AnswerNextDialog(std::optional<std::string> path);
    // Queue the answer of the next question about unsaved changes (unanswered: keep them).
    void AnswerNextQuestion(bool discardChanges);
    // The answer to every question about replacing an existing file.
    bool replaceFiles = false;
    std::vector<std::string> replaceQuestions;

    std::vector<RecordedMessage> messages;
    std::vector<RecordedDialog> dialogs;
    std::vector<RecordedQuestion> questions;
    // Every call in order, as short text: "show TerrainView", "hide HeightView", "checks",
    // "scroll", "destroy", "focus", "handover 100", "wait on", "wait off", "progress begin <text>
    // <n>", "progress step", "progress end".
    std::vector<std::string> calls;

    void Clear();

    void ShowMessage(WindowId owner, const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
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

  private:
    std::deque<std::optional<std::string>> answers_;
    std::deque<bool> questionAnswers_;
};

const char* WindowName(WindowId window);
