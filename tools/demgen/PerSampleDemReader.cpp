#include "PerSampleDemReader.h"

void ReadDemWindowPerSample(std::FILE* source, DemWindowConversion& conversion) {
    for (int row = 0; row < MapHeight; ++row) {
        // Source coordinates straight from their definition: trunc(start + 3.75 x index).
        const auto sourceRow = static_cast<long>(4200.0 + 3.75 * row);
        for (int column = 0; column < MapWidth; ++column) {
            const auto sourceColumn = static_cast<long>(1800.0 + 3.75 * column);
            uint8_t bytes[2];
            std::clearerr(source);
            const bool read = std::fseek(source, 2 * (sourceRow * DemSamplesPerRow + sourceColumn),
                                         SEEK_SET) == 0 &&
                              std::fread(bytes, 1, 2, source) == 2;
            if (read)
                conversion.AddSample(DemSampleFromBytes(bytes));
            else
                conversion.AddSample(std::nullopt);
        }
    }
}
