#pragma once
// Runs the built maptool as a user would and captures what it prints.

#include "support/TempDir.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>

struct MaptoolResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs maptool in `dir` with `arguments` (already shell-quoted where needed), so that plain file
// names are files of that folder; output goes through files there too. `setup` runs in the
// same shell first (limits, for example).
inline MaptoolResult RunMaptool(const TempDir& dir, const std::string& arguments,
                                const std::string& setup = "true") {
    const std::string out = dir.File("stdout.txt");
    const std::string err = dir.File("stderr.txt");
    const std::string command = "cd '" + dir.path().string() + "' && " + setup + " && " +
                                MAPTOOL_PATH + " " + arguments + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    MaptoolResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    const auto text = [](const std::string& path) {
        const auto bytes = ReadBytes(path);
        return std::string(bytes.begin(), bytes.end());
    };
    result.out = text(out);
    result.err = text(err);
    return result;
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
