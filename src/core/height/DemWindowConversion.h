#pragma once
// The sampling window of an elevation (DEM) source and the translation of its samples into
// the two outputs of the conversion: the 16-bit height map and the 8-bit raw image.
//
// The source is a headerless grid of big-endian signed 16-bit samples, 4800 per row, of
// which rows 4200-5396 and columns 1800-4196 are sampled every 3.75 samples: 32 map cells
// cover 120 source samples in each direction.

#include "core/map/MapGeometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr int DemSamplesPerRow = 4800;
constexpr int DemRowsRequired = 5397;
constexpr int DemNoData = -9999;   // sea
constexpr int DemFullScale = 4110; // source units that give full scale in both outputs

// The counters reported when the conversion completes.
struct DemCounters {
    int32_t itemsRead = 0;
    int32_t itemsWritten = 0;
    int32_t landItemsConverted = 0;
    int32_t waterItemsTranslated = 0;
    uint16_t maximumElevation = 0;
    uint16_t seaLevel = 0; // stays 0 when no sample was exactly 1
};

// Source row of each map row and source column of each map column, accumulated in double
// precision by repeated addition of 3.75 and truncated.
const std::array<int, MapHeight>& DemSourceRows();
const std::array<int, MapWidth>& DemSourceColumns();

// DemHeightOf and DemRawShadeOf of every value below full scale, so that the conversion
// needs no floating-point division per sample.
struct DemScaleTables {
    std::array<uint16_t, DemFullScale> height;
    std::array<uint8_t, DemFullScale> shade;
};
const DemScaleTables& DemScales();

// Translates samples one cell at a time in cell order (row-major, as both outputs).
class DemWindowConversion {
  public:
    // Allocates both outputs (may throw std::bad_alloc).
    DemWindowConversion();

    // The next cell's raw sample, or nothing when it could not be read: then the previous
    // raw sample is used again (0 before the first) and items read is not counted.
    void AddSample(std::optional<int16_t> raw) {
        if (raw)
            AddReadSample(*raw);
        else
            AddUnreadSample();
    }
    void AddReadSample(int16_t raw) {
        raw_ = raw;
        ++counters_.itemsRead;
        TranslateNext();
    }
    void AddUnreadSample() { TranslateNext(); }

    bool Complete() const { return nextCell_ == MapCellCount; }
    const DemCounters& Counters() const { return counters_; }
    // Output 1: MapCellCount little-endian unsigned 16-bit heights.
    const std::vector<uint8_t>& HeightBytes() const { return heightBytes_; }
    // Output 2: MapCellCount unsigned bytes.
    const std::vector<uint8_t>& RawImage() const { return rawImage_; }

  private:
    // Steps 2 to 6 of a cell on the current raw sample; kept inline because it runs for every
    // cell of the window.
    void TranslateNext() {
        if (Complete())
            return;
        int v = raw_;
        if (v == DemNoData) {
            v = 0;
            ++counters_.waterItemsTranslated;
        } else if (v < 0) {
            v = 1;
            ++counters_.landItemsConverted;
        }
        if (v > counters_.maximumElevation)
            counters_.maximumElevation = static_cast<uint16_t>(v);
        const bool full = v >= DemFullScale;
        const uint16_t height = full ? uint16_t{65535} : scales_.height[static_cast<size_t>(v)];
        const auto cell = static_cast<size_t>(nextCell_++);
        rawImage_[cell] = full ? uint8_t{255} : scales_.shade[static_cast<size_t>(v)];
        heightBytes_[2 * cell] = static_cast<uint8_t>(height & 0xFF);
        heightBytes_[2 * cell + 1] = static_cast<uint8_t>(height >> 8);
        ++counters_.itemsWritten;
        if (v == 1)
            counters_.seaLevel = height;
    }

    const DemScaleTables& scales_;
    int nextCell_ = 0;
    int16_t raw_ = 0;
    DemCounters counters_;
    std::vector<uint8_t> heightBytes_;
    std::vector<uint8_t> rawImage_;
};

// Output values of a translated sample v (0 sea, 1 land below sea level, else elevation).
uint16_t DemHeightOf(int v);
uint8_t DemRawShadeOf(int v);

// Decodes a big-endian signed 16-bit sample.
inline int16_t DemSampleFromBytes(const uint8_t* bytes) {
    return static_cast<int16_t>(static_cast<uint16_t>((bytes[0] << 8) | bytes[1]));
}

// "Process Complete.\n..." with the counters, as reported to the user; the last line tells
// that the 8-bit raw image was written too.
std::string DemSummaryText(const DemCounters& counters, bool rawImageWritten = true);
