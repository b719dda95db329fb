#include "cli/LayerFiles.h"

#include "core/Messages.h"
#include "core/height/HeightMapCodec.h"
#include "core/io/FileIO.h"
#include "core/rails/CountedRecordFile.h"
#include "core/rails/RailSegmentCodec.h"
#include "core/rails/RailroadDefinitionCodec.h"
#include "core/rails/TargetAreas.h"
#include "core/tilemap/TextureMapCodec.h"

#include <cstdio>

namespace {

// The maps are refused as the editor's "Unable to open file..." with the path; the counted
// files as its "Notice" "Failed to read PATH!".
enum class Refusal { OpenFailure, FailedToRead };

template <class Layer>
std::optional<Layer> Take(Decoded<Layer> decoded, const std::string& path, Refusal refusal) {
    if (decoded)
        return std::move(decoded.layer);
    if (refusal == Refusal::OpenFailure)
        ReportFailure("Unable to open file...", PathWithReason(path, decoded.problem));
    else
        ReportFailure("Notice", FailedToReadText(path, decoded.problem));
    return std::nullopt;
}

} // namespace

void ReportFailure(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "maptool: %s %s\n", caption.c_str(), text.c_str());
}

std::optional<std::vector<TileCell>> ReadTextureMapCells(const std::string& path) {
    return Take(DecodeTextureMapFile(path), path, Refusal::OpenFailure);
}

std::optional<std::vector<uint16_t>> ReadHeights(const std::string& path) {
    return Take(DecodeHeightMapFile(path), path, Refusal::OpenFailure);
}

std::optional<std::vector<RailSection>> ReadRailSections(const std::string& path) {
    return Take(DecodeRailroadDefinitionFile(path), path, Refusal::FailedToRead);
}

std::optional<std::vector<RailPoint>> ReadRailPoints(const std::string& path) {
    return Take(DecodeRailSegmentFile(path), path, Refusal::FailedToRead);
}

std::optional<std::vector<TargetArea>> ReadTargetAreas(const std::string& path) {
    return Take(DecodeTargetListFile(path), path, Refusal::FailedToRead);
}

bool WriteLayerFile(const std::string& path, std::span<const uint8_t> bytes,
                    const char* createCaption) {
    WriteFailure failure = WriteFailure::None;
    if (!WriteFileAtomically(path, bytes, nullptr, &failure)) {
        ReportFailure(failure == WriteFailure::Open ? createCaption : "Unable to save file...",
                      PathWithReason(path, NonRegularFileReason(path)));
        return false;
    }
    std::printf("%s has been saved.\n", path.c_str());
    std::fflush(stdout);
    return true;
}
