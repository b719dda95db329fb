#include "core/height/DemWindowReader.h"

#include <vector>

void ReadDemWindow(std::FILE* source, DemWindowConversion& conversion) {
    const auto& rows = DemSourceRows();
    const auto& columns = DemSourceColumns();
    const int firstColumn = columns.front();
    const auto spanBytes = static_cast<size_t>(2 * (columns.back() - firstColumn + 1));
    std::vector<uint8_t> rowBytes(spanBytes);

    for (const int sourceRow : rows) {
        const long offset = 2L * (static_cast<long>(sourceRow) * DemSamplesPerRow + firstColumn);
        std::clearerr(source);
        size_t got = 0;
        if (std::fseek(source, offset, SEEK_SET) == 0)
            got = std::fread(rowBytes.data(), 1, spanBytes, source);
        for (const int sourceColumn : columns) {
            const auto at = static_cast<size_t>(2 * (sourceColumn - firstColumn));
            if (at + 2 <= got)
                conversion.AddReadSample(DemSampleFromBytes(rowBytes.data() + at));
            else
                conversion.AddUnreadSample();
        }
    }
}
