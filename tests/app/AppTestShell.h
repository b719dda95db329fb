#pragma once
// The Qt shell with its blocking services replaced for the widget tests: message boxes and
// questions are recorded instead of shown and file dialogs are answered from a script, so that no
// test ever waits on a modal dialog. Everything else (repaints, visibility, menus) is the real one.

#include "app/QtShell.h"
#include "core/io/NativePath.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class AppTestShell : public QtShell {
  public:
    struct Message {
        WindowId owner;
        std::string text;
        std::string caption;
        MessageIcon icon;
    };
    std::vector<Message> messages;
    std::deque<std::optional<std::string>> answers; // next dialog answers; nullopt = Cancel
    std::vector<std::string> questions;             // asked about unsaved changes
    bool discardChanges = false;                    // the answer to every such question
    std::vector<std::string> proposals;             // the path each file dialog proposed
    std::vector<std::string> replaceQuestions;      // the files a save asked to replace
    bool replaceFiles = false;                      // the answer to every such question

    bool ConfirmReplaceFile(const std::string& path) override {
        replaceQuestions.push_back(path);
        return replaceFiles;
    }

    bool ConfirmDiscardChanges(WindowId, const std::string& text) override {
        questions.push_back(text);
        return discardChanges;
    }

    bool realListBoxes = false; // show boxes with a list (they wait for an answer)

    void ShowMessage(WindowId owner, const std::string& text, const std::string& caption,
                     MessageIcon icon) override {
        messages.push_back({owner, text, caption, icon});
    }
    void ShowMessageWithList(WindowId owner, const std::string& text, const std::string& list,
                             const std::string& caption, MessageIcon icon) override {
        if (realListBoxes)
            QtShell::ShowMessageWithList(owner, text, list, caption, icon);
        else
            ShowMessage(owner, text + list, caption, icon);
    }
    std::optional<FileChoice> AskFileName(FileDialogMode, const std::string&, const std::string&,
                                          const std::string& proposedPath) override {
        proposals.push_back(proposedPath);
        if (answers.empty())
            return std::nullopt;
        const std::optional<std::string> answer = answers.front();
        answers.pop_front();
        if (!answer)
            return std::nullopt;
        return SplitChosenPath(PathToText(*answer));
    }
};
