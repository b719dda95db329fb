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

// The copy for the one of `Widths` that equals `width`; false when none does.
template <int... Widths>
bool CopyForWidth(int width, uint32_t* row, const uint32_t* const* pictures, int count,
                  int inCell) {
    return ((width == Widths ? (Copy<Widths>(row, pictures, count, inCell), true) : false) || ...);
}

} // namespace

bool CopyCellRows(uint32_t* row, const uint32_t* const* pictures, int count, int width,
                  int inCell) {
    return CopyForWidth<16, 32, 64, 96, 128, 256>(width, row, pictures, count, inCell);
}
