// demgen: writes a made-up elevation source for trying out and measuring the DEM conversion.

#include "DemSourceWriter.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const Usage =
    "usage: demgen OUT.dem [--bytes N]\n"
    "\n"
    "Writes a made-up elevation source (big-endian 16-bit samples, 4800 per row) with sea,\n"
    "land below sea level and hills. Rows before the sampled window are left as a hole.\n"
    "--bytes N makes a source of N bytes (default: every row the conversion reads).\n";

} // namespace

int main(int argc, char** argv) {
    std::string path;
    int64_t bytes = DemFullSourceBytes;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--bytes") == 0 && i + 1 < argc) {
            const char* text = argv[++i];
            const char* end = text + std::strlen(text);
            const auto [stop, error] = std::from_chars(text, end, bytes);
            if (error != std::errc() || stop != end || bytes < 0) {
                std::fprintf(stderr, "demgen: --bytes takes a byte count, not '%s'\n", text);
                return 2;
            }
        } else if (path.empty() && argv[i][0] != '-') {
            path = argv[i];
        } else {
            std::fputs(Usage, stderr);
            return 2;
        }
    }
    if (path.empty()) {
        std::fputs(Usage, stderr);
        return 2;
    }
    if (!WriteDemSource(path, SyntheticTerrainSample, bytes)) {
        std::fprintf(stderr, "demgen: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
