#include <cstdio>
#include <cstring>

namespace {

const char* const Usage = "usage: maptool COMMAND [ARGS...]\n"
                          "\n"
                          "Batch access to the map editor's operations.\n"
                          "Run 'maptool --help' for this text.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(Usage, stdout);
        return 0;
    }
    std::fputs(Usage, stderr);
    return 2;
}
