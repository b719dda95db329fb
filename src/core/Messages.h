#pragma once
// The program's kinds of message box, so that every caller uses the same captions and icons.

#include "core/Shell.h"

#include <string>

// "Notice" with the exclamation icon: something failed.
void ShowFailureNotice(Shell& shell, WindowId owner, const std::string& text);
// "Notice" with the information icon: something finished.
void ShowCompletionNotice(Shell& shell, WindowId owner, const std::string& text);
// "Unable to open file..." / "Unable to save file..." / "Unable to create file..." with the
// exclamation icon; the text is usually the path.
void ShowOpenFailure(Shell& shell, WindowId owner, const std::string& text);
void ShowSaveFailure(Shell& shell, WindowId owner, const std::string& text);
void ShowCreateFailure(Shell& shell, WindowId owner, const std::string& text);
// "Error" without an icon.
void ShowHardError(Shell& shell, WindowId owner, const std::string& text);
// The system's text for an error number, caption "GetLastError", information icon.
void ReportSystemError(Shell& shell, int errorCode);

// The path, and after an empty line the reason, when there is one.
std::string PathWithReason(const std::string& path, const std::string& reason);

// printf-style formatting for the program's message texts ("Failed to read %s!").
std::string FormatText(const char* format, const std::string& argument);
