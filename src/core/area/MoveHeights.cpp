#include "core/area/MoveHeights.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
enum class Towards { Top, Bottom, Common, Own }; // 65535, 0, one target, a target each

#if defined(__SSE2__)
constexpr int Lanes = 8;

// With up = height + amount and down = height - amount, both held within 0 ... 65535, the
// result is min(up, target) + max(down, target) - target: one of the two is the target.
// Towards 65535 that is `up`, towards 0 `down`.
template <Towards towards> __m128i Moved(__m128i height, __m128i amount, __m128i target) {
    if (towards == Towards::Top)
        return _mm_adds_epu16(height, amount);
    if (towards == Towards::Bottom)
        return _mm_subs_epu16(height, amount);
    const __m128i up = _mm_adds_epu16(height, amount);
    const __m128i down = _mm_subs_epu16(height, amount);
    return _mm_add_epi16(_mm_sub_epi16(up, _mm_subs_epu16(up, target)),
                         _mm_subs_epu16(down, target));
}

__m128i Load(const uint16_t* words) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(words));
}
#endif

template <Towards towards>
void Move(uint16_t* heights, int count, const uint16_t* amounts, const uint16_t* targets,
          uint16_t target) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i common = _mm_set1_epi16(static_cast<short>(target));
    for (; i + Lanes <= count; i += Lanes) {
        const __m128i goal = towards == Towards::Own ? Load(targets + i) : common;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(heights + i),
                         Moved<towards>(Load(heights + i), Load(amounts + i), goal));
    }
#endif
    for (; i < count; ++i) {
        const int height = heights[i];
        const int goal = towards == Towards::Own ? targets[i] : target;
        heights[i] =
            static_cast<uint16_t>(height + std::clamp(goal - height, -amounts[i], +amounts[i]));
    }
}
} // namespace

void MoveHeightsTowards(uint16_t* heights, int count, const uint16_t* amounts, uint16_t target) {
    if (target == 65535)
        Move<Towards::Top>(heights, count, amounts, nullptr, target);
    else if (target == 0)
        Move<Towards::Bottom>(heights, count, amounts, nullptr, target);
    else
        Move<Towards::Common>(heights, count, amounts, nullptr, target);
}

void MoveHeightsTowards(uint16_t* heights, int count, const uint16_t* amounts,
                        const uint16_t* targets) {
    Move<Towards::Own>(heights, count, amounts, targets, 0);
}
