#include "cli/ConsoleShell.h"

#include <cstdio>

void ConsoleShell::ShowMessage(WindowId, const std::string& text, const std::string& caption,
                               MessageIcon icon) {
    if (icon == MessageIcon::Information) {
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
        return;
    }
    ++failures_;
    std::fprintf(stderr, "maptool: %s %s\n", caption.c_str(), text.c_str());
}
