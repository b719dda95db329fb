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
    // Lane k all ones: cell at + k has the code.
    const auto same = [&](int at) {
        const __m128i cells = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + at));
        return _mm_cmpeq_epi8(_mm_and_si128(cells, codeBits), codes);
    };
    // Long runs go by 64 cells at a time until a block holds the cell looked for.
    for (; i + 4 * Lanes <= end; i += 4 * Lanes) {
        const __m128i a = same(i);
        const __m128i b = same(i + Lanes);
        const __m128i c = same(i + 2 * Lanes);
        const __m128i d = same(i + 3 * Lanes);
        const int any = _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d)));
        const int all = _mm_movemask_epi8(_mm_and_si128(_mm_and_si128(a, b), _mm_and_si128(c, d)));
        if (wanted ? any != 0 : all != 0xFFFF)
            break;
    }
    for (; i + Lanes <= end; i += Lanes) {
        // Bit k set: cell i + k has the code.
        int found = _mm_movemask_epi8(same(i));
        if (!wanted)
            found ^= 0xFFFF;
        if (found != 0)
            return i + __builtin_ctz(static_cast<unsigned>(found));
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
