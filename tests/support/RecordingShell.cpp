#include "support/RecordingShell.h"

#include <stdexcept>

const char* WindowName(WindowId window) {
    switch (window) {
    case WindowId::None:
        return "All";
    case WindowId::Main:
        return "Main";
    case WindowId::HeightView:
        return "HeightView";
    case WindowId::TerrainView:
        return "TerrainView";
    case WindowId::ToolPalette:
        return "ToolPalette";
    }
    return "?";
}

void RecordingShell::AnswerNextDialog(std::optional<std::string> path) {
    answers_.push_back(std::move(path));
}

void RecordingShell::AnswerNextQuestion(bool discardChanges) {
    questionAnswers_.push_back(discardChanges);
}

void RecordingShell::Clear() {
    messages.clear();
    questions.clear();
    replaceQuestions.clear();
    dialogs.clear();
    calls.clear();
}

bool RecordingShell::ConfirmDiscardChanges(WindowId owner, const std::string& text) {
    questions.push_back({owner, text});
    if (questionAnswers_.empty())
        return false;
    const bool answer = questionAnswers_.front();
    questionAnswers_.pop_front();
    return answer;
}

bool RecordingShell::ConfirmReplaceFile(const std::string& path) {
    replaceQuestions.push_back(path);
    calls.push_back("replace?");
    return replaceFiles;
}

void RecordingShell::ShowMessage(WindowId owner, const std::string& text,
                                 const std::string& caption, MessageIcon icon) {
    messages.push_back({owner, text, caption, icon});
    calls.push_back("message " + caption);
}

std::optional<FileChoice> RecordingShell::AskFileName(FileDialogMode mode,
                                                      const std::string& description,
                                                      const std::string& pattern,
                                                      const std::string& proposedPath) {
    dialogs.push_back({mode, description, pattern, proposedPath});
    calls.push_back("dialog");
    if (answers_.empty())
        throw std::logic_error("RecordingShell: a file dialog opened without a scripted answer");
    auto answer = std::move(answers_.front());
    answers_.pop_front();
    if (!answer)
        return std::nullopt;
    const auto slash = answer->find_last_of('/');
    const size_t split = slash == std::string::npos ? 0 : slash + 1;
    return FileChoice{answer->substr(0, split), answer->substr(split)};
}

void RecordingShell::SetWindowVisible(WindowId window, bool visible) {
    calls.push_back(std::string(visible ? "show " : "hide ") + WindowName(window));
}

void RecordingShell::MenuChecksChanged() {
    calls.push_back("checks");
}
void RecordingShell::ScrollPositionsChanged() {
    calls.push_back("scroll");
}
void RecordingShell::DestroyMainWindow() {
    calls.push_back("destroy");
}
void RecordingShell::FocusMainWindow() {
    calls.push_back("focus");
}
void RecordingShell::HandPointerTo3D(int screenY) {
    calls.push_back("handover " + std::to_string(screenY));
}
void RecordingShell::SetWaitCursor(bool on) {
    calls.push_back(on ? "wait on" : "wait off");
}
void RecordingShell::BeginProgress(const std::string& text, int steps) {
    calls.push_back("progress begin " + text + " " + std::to_string(steps));
}
void RecordingShell::StepProgress() {
    calls.push_back("progress step");
}
void RecordingShell::EndProgress() {
    calls.push_back("progress end");
}
