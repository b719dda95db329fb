#include "core/area/CodeRuns.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// The first index in [from, end) whose cell's code equals `code` exactly when `wanted`.
template <bool wanted> int NextCell(const TileCell* row, int from, int end, TileCode code) {
    int i = from;
#if defined(__SSE2__)
    constexpr int Lanes = 16;
    const __m128i codeBits = _mm_set1_epi8(63);
    const __m128i codes = _mm_set1_epi8(static_cast<char>(code));
    for (; i + Lanes <= end; i += Lanes) {
        const __m128i cells = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        // Bit k set: cell i + k has the code.
        int same = _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(cells, codeBits), codes));
        if (!wanted)
            same ^= 0xFFFF;
        if (same != 0)
            return i + __builtin_ctz(static_cast<unsigned>(same));
    }
#endif
    for (; i < end; ++i)
        if ((CodeOf(row[i]) == code) == wanted)
            return i;
    return end;
}
} // namespace

int NextCellOfCode(const TileCell* row, int from, int end, TileCode code) {
    return NextCell<true>(row, from, end, code);
}

int NextCellNotOfCode(const TileCell* row, int from, int end, TileCode code) {
    return NextCell<false>(row, from, end, code);
}
