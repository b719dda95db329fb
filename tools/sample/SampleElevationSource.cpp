#include "SampleElevationSource.h"

#include "DemSourceWriter.h"

#include "core/height/DemWindowConversion.h"

#include <algorithm>

template <size_t N>
std::vector<SampleElevationSource::Span>
SampleElevationSource::SpansOf(const std::array<int, N>& anchors, int count) {
    std::vector<Span> spans(static_cast<size_t>(count));
    for (size_t cell = 0; cell < N; ++cell) {
        const int start = anchors[cell];
        const int end = cell + 1 < N ? anchors[cell + 1] : start + 1;
        for (int s = start; s < end && s < count; ++s)
            spans[static_cast<size_t>(s)] = Span{static_cast<int>(cell), s - start, end - start};
    }
    return spans;
}

SampleElevationSource::SampleElevationSource(const SampleInput& input)
    : input_(input), rows_(SpansOf(DemSourceRows(), DemRowsRequired)),
      columns_(SpansOf(DemSourceColumns(), DemSamplesPerRow)) {}

int SampleElevationSource::Elevation(int row, int column) const {
    return input_.elevation[static_cast<size_t>(CellIndex(row, column))];
}

int16_t SampleElevationSource::operator()(int sourceRow, int sourceColumn) const {
    if (sourceRow < 0 || sourceRow >= DemRowsRequired || sourceColumn < 0 ||
        sourceColumn >= DemSamplesPerRow)
        return DemNoData;
    const Span& row = rows_[static_cast<size_t>(sourceRow)];
    const Span& column = columns_[static_cast<size_t>(sourceColumn)];
    if (row.cell < 0 || column.cell < 0)
        return DemNoData;
    const int r1 = std::min(row.cell + 1, MapHeight - 1);
    const int c1 = std::min(column.cell + 1, MapWidth - 1);
    const int v00 = Elevation(row.cell, column.cell);
    const int v01 = Elevation(row.cell, c1);
    const int v10 = Elevation(r1, column.cell);
    const int v11 = Elevation(r1, c1);
    const bool touchesSea = v00 == SeaElevation || (column.offset > 0 && v01 == SeaElevation) ||
                            (row.offset > 0 && v10 == SeaElevation) ||
                            (row.offset > 0 && column.offset > 0 && v11 == SeaElevation);
    if (touchesSea)
        return static_cast<int16_t>(v00);
    const int wx = column.offset, ax = column.gap;
    const int wy = row.offset, ay = row.gap;
    const int sum =
        v00 * (ax - wx) * (ay - wy) + v01 * wx * (ay - wy) + v10 * (ax - wx) * wy + v11 * wx * wy;
    return static_cast<int16_t>(sum / (ax * ay));
}

bool WriteSampleElevationSource(const SampleInput& input, const std::string& path) {
    const SampleElevationSource source(input);
    return WriteDemSource(path, [&source](int row, int column) { return source(row, column); });
}
