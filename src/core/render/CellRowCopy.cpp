#include "core/render/CellRowCopy.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define CELL_ROW_COPY_AVX2 1
#endif

namespace {

template <int Width>
void CopyPortable(uint32_t* row, const uint32_t* const* pictures, int count, int inCell) {
    const int offset = inCell * Width;
    for (int i = 0; i < count; ++i)
        if (const uint32_t* picture = pictures[i])
            std::memcpy(row + i * Width, picture + offset, Width * sizeof(uint32_t));
}

#if defined(CELL_ROW_COPY_AVX2)
// The same copy in 32-byte moves: half the store instructions of the baseline's 16-byte ones,
// and the stores are what the loop waits for.
template <int Width>
__attribute__((target("avx2"))) void CopyAvx2(uint32_t* row, const uint32_t* const* pictures,
                                              int count, int inCell) {
    constexpr int Lanes = 8; // pixels per 32-byte move
    const int offset = inCell * Width;
    for (int i = 0; i < count; ++i) {
        const uint32_t* picture = pictures[i];
        if (!picture)
            continue;
        const uint32_t* from = picture + offset;
        uint32_t* to = row + i * Width;
        for (int x = 0; x < Width; x += Lanes)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + x),
                                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + x)));
    }
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

template <int Width>
void Copy(uint32_t* row, const uint32_t* const* pictures, int count, int inCell) {
#if defined(CELL_ROW_COPY_AVX2)
    if (HasAvx2())
        return CopyAvx2<Width>(row, pictures, count, inCell);
#endif
    CopyPortable<Width>(row, pictures, count, inCell);
}

} // namespace

bool CopyCellRows(uint32_t* row, const uint32_t* const* pictures, int count, int width,
                  int inCell) {
    switch (width) {
    case 16:
        Copy<16>(row, pictures, count, inCell);
        return true;
    case 32:
        Copy<32>(row, pictures, count, inCell);
        return true;
    case 64:
        Copy<64>(row, pictures, count, inCell);
        return true;
    case 96:
        Copy<96>(row, pictures, count, inCell);
        return true;
    case 128:
        Copy<128>(row, pictures, count, inCell);
        return true;
    case 256:
        Copy<256>(row, pictures, count, inCell);
        return true;
    default:
        return false;
    }
}
