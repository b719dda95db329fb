#include "core/area/BrushAmounts.h"

#include <algorithm>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr int Lanes = 8; // amounts computed together

#if defined(__SSE2__)
// BrushWeight's operations on four squared distances at once, in the same order, then the
// amounts; lanes at or beyond the reach get 0 as BrushWeight gives them.
__m128i AmountsOf4(BrushFalloff falloff, float reach, float strength, __m128i distancesSquared) {
    const __m128 d2 = _mm_cvtepi32_ps(distancesSquared);
    const __m128 reachSquared = _mm_set1_ps(reach * reach);
    const __m128 one = _mm_set1_ps(1.0f);
    __m128 weight = one;
    if (falloff == BrushFalloff::Linear)
        weight = _mm_sub_ps(one, _mm_div_ps(_mm_sqrt_ps(d2), _mm_set1_ps(reach)));
    else if (falloff == BrushFalloff::Smooth) {
        const __m128 t = _mm_sub_ps(one, _mm_div_ps(d2, reachSquared));
        weight = _mm_mul_ps(t, t);
    }
    weight = _mm_and_ps(weight, _mm_cmplt_ps(d2, reachSquared));
    const __m128 step = _mm_add_ps(_mm_mul_ps(_mm_set1_ps(strength), weight), _mm_set1_ps(0.5f));
    return _mm_cvttps_epi32(step);
}

// Amounts 0 to 65535 in 32-bit lanes, packed into 16-bit ones (the signed pack, shifted).
__m128i PackAmounts(__m128i low, __m128i high) {
    const __m128i bias = _mm_set1_epi32(32768);
    const __m128i packed = _mm_packs_epi32(_mm_sub_epi32(low, bias), _mm_sub_epi32(high, bias));
    return _mm_xor_si128(packed, _mm_set1_epi16(static_cast<short>(0x8000)));
}

// The eight 16-bit lanes in the opposite order.
__m128i Reversed(__m128i words) {
    words = _mm_shufflelo_epi16(words, 0x1B);
    words = _mm_shufflehi_epi16(words, 0x1B);
    return _mm_shuffle_epi32(words, 0x4E);
}
#endif

// Writes the amounts of row offset `dy` for column offsets dx in [first, last] with |dx| <
// `reach` to row[pad + dx - first] (the rest stays 0). Up to Lanes - 1 amounts beyond either
// end may be written too, into the pads.
void FillRow(uint16_t* row, int pad, BrushFalloff falloff, int radius, float strength, int dy,
             int first, int last, int reach) {
    const auto at = [&](int dx) { return row + (pad + dx - first); };
#if defined(__SSE2__)
    const float reachDistance = static_cast<float>(radius) + 0.5f;
    // Right of the centre dx runs forwards through the distances, left of it backwards.
    const int from = first > 0 ? first : last < 0 ? -last : 0;
    // The squared distances of lanes m + k, and how much each grows by the next group:
    // (m + k + 8)^2 - (m + k)^2 = 16 (m + k) + 64.
    const auto ofLanes = [](int base, auto f) {
        return _mm_setr_epi32(f(base), f(base + 1), f(base + 2), f(base + 3));
    };
    const auto square = [&](int x) { return x * x + dy * dy; };
    const auto growth = [](int x) { return 16 * x + 64; };
    __m128i low = ofLanes(from, square);
    __m128i high = ofLanes(from + 4, square);
    __m128i lowStep = ofLanes(from, growth);
    __m128i highStep = ofLanes(from + 4, growth);
    const __m128i stepGrowth = _mm_set1_epi32(16 * Lanes);
    for (int m = from; m < reach; m += Lanes) {
        const __m128i amounts = PackAmounts(AmountsOf4(falloff, reachDistance, strength, low),
                                            AmountsOf4(falloff, reachDistance, strength, high));
        low = _mm_add_epi32(low, lowStep);
        high = _mm_add_epi32(high, highStep);
        lowStep = _mm_add_epi32(lowStep, stepGrowth);
        highStep = _mm_add_epi32(highStep, stepGrowth);
        if (m <= last)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(at(m)), amounts);
        if (-m >= first)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(at(-m - (Lanes - 1))), Reversed(amounts));
    }
#else
    for (int dx = std::max(first, 1 - reach); dx <= std::min(last, reach - 1); ++dx)
        *at(dx) = static_cast<uint16_t>(
            static_cast<int>(strength * BrushWeight(falloff, radius, dx * dx + dy * dy) + 0.5f));
#endif
}
} // namespace

BrushAmounts::BrushAmounts(BrushFalloff falloff, int radius, int strength, int rowFrom, int rowTo,
                           int columnFirst, int columnLast)
    : falloff_(falloff), radius_(radius), strength_(strength), rowFrom_(rowFrom), rowTo_(rowTo),
      columnFirst_(columnFirst), columnLast_(columnLast),
      stride_(static_cast<size_t>(Pad + columnLast - columnFirst + 1 + Pad)) {
    const auto rows = static_cast<size_t>(rowTo - rowFrom + 1);
    amounts_.assign(rows * stride_, 0);
    reach_.resize(rows);
    const float reach = static_cast<float>(radius) + 0.5f;
    // Rows further from the centre reach no further along.
    int limit = std::max(std::abs(columnFirst), std::abs(columnLast)) + 1;
    for (int dy = rowFrom; dy <= rowTo; ++dy) {
        while (limit > 0 &&
               !(static_cast<float>((limit - 1) * (limit - 1) + dy * dy) < reach * reach))
            --limit;
        reach_[static_cast<size_t>(dy - rowFrom)] = limit;
        FillRow(amounts_.data() + static_cast<size_t>(dy - rowFrom) * stride_, Pad, falloff, radius,
                static_cast<float>(strength), dy, columnFirst, columnLast, limit);
    }
}

bool BrushAmounts::Holds(BrushFalloff falloff, int radius, int strength, int rowFrom, int rowTo,
                         int columnFirst, int columnLast) const {
    return falloff == falloff_ && radius == radius_ && strength == strength_ &&
           rowFrom >= rowFrom_ && rowTo <= rowTo_ && columnFirst >= columnFirst_ &&
           columnLast <= columnLast_;
}
