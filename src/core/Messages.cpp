#include "core/Messages.h"

#include <cstring>

void ShowFailureNotice(Shell& shell, WindowId owner, const std::string& text) {
    shell.ShowMessage(owner, text, "Notice", MessageIcon::Exclamation);
}

void ShowCompletionNotice(Shell& shell, WindowId owner, const std::string& text) {
    shell.ShowMessage(owner, text, "Notice", MessageIcon::Information);
}

void ShowOpenFailure(Shell& shell, WindowId owner, const std::string& text) {
    shell.ShowMessage(owner, text, "Unable to open file...", MessageIcon::Exclamation);
}

void ShowSaveFailure(Shell& shell, WindowId owner, const std::string& text) {
    shell.ShowMessage(owner, text, "Unable to save file...", MessageIcon::Exclamation);
}

void ShowCreateFailure(Shell& shell, WindowId owner, const std::string& text) {
    shell.ShowMessage(owner, text, "Unable to create file...", MessageIcon::Exclamation);
}

void ShowHardError(Shell& shell, WindowId owner, const std::string& text) {
    shell.ShowMessage(owner, text, "Error", MessageIcon::None);
}

void ReportSystemError(Shell& shell, int errorCode) {
    const char* text = errorCode != 0 ? std::strerror(errorCode) : "";
    shell.ShowMessage(WindowId::Main, text ? text : "", "GetLastError", MessageIcon::Information);
}

std::string FormatText(const char* format, const std::string& argument) {
    std::string result;
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            result += argument;
            ++p;
        } else {
            result += *p;
        }
    }
    return result;
}

std::string PathWithReason(const std::string& path, const std::string& reason) {
    return reason.empty() ? path : path + "\n\n" + reason;
}
