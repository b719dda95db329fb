#include "core/area/MoveHeights.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>

#include <cstring>
#endif

namespace {
enum class Towards { Top, Bottom, Common, Own }; // 65535, 0, one target, a target each

// The scalar step, for rows too short for a whole group and where no vector unit is.
template <Towards towards>
void MoveEach(uint16_t* heights, int count, const uint16_t* amounts, const uint16_t* targets,
              uint16_t target) {
    for (int i = 0; i < count; ++i) {
        const int height = heights[i];
        const int goal = towards == Towards::Own ? targets[i] : target;
        heights[i] =
            static_cast<uint16_t>(height + std::clamp(goal - height, -amounts[i], +amounts[i]));
    }
}

#if defined(__SSE2__)
// Every function below that takes or returns a 32-byte vector is inlined into the AVX2 one, so
// none is ever called across the boundary whose convention the warning is about.
#pragma GCC diagnostic ignored "-Wpsabi"

// N heights in one register: 8 in the SSE2 every x86-64 has, 16 where there is AVX2.
template <int N> struct Lanes;
template <> struct Lanes<8> { typedef uint16_t Words __attribute__((vector_size(16))); };
template <> struct Lanes<16> { typedef uint16_t Words __attribute__((vector_size(32))); };
template <int N> using Words = typename Lanes<N>::Words;

// a + b and a - b held within 0 ... 65535. SSE2 has single instructions for them; the wider
// register's are the same sums through minima, which AVX2 has.
template <int N> [[gnu::always_inline]] inline auto AddHeld(Words<N> a, Words<N> b) {
    if constexpr (N == 8)
        return reinterpret_cast<Words<N>>(
            _mm_adds_epu16(reinterpret_cast<__m128i>(a), reinterpret_cast<__m128i>(b)));
    else
        return a + (b < ~a ? b : ~a);
}
template <int N> [[gnu::always_inline]] inline auto SubtractHeld(Words<N> a, Words<N> b) {
    if constexpr (N == 8)
        return reinterpret_cast<Words<N>>(
            _mm_subs_epu16(reinterpret_cast<__m128i>(a), reinterpret_cast<__m128i>(b)));
    else
        return a - (b < a ? b : a);
}

// With up = height + amount and down = height - amount, both held within 0 ... 65535, the
// result is min(up, target) + max(down, target) - target: one of the two is the target.
// Towards 65535 that is `up`, towards 0 `down`.
template <int N, Towards towards>
[[gnu::always_inline]] inline auto Moved(Words<N> height, Words<N> amount, Words<N> target) {
    if constexpr (towards == Towards::Top)
        return AddHeld<N>(height, amount);
    if constexpr (towards == Towards::Bottom)
        return SubtractHeld<N>(height, amount);
    const auto up = AddHeld<N>(height, amount);
    const auto down = SubtractHeld<N>(height, amount);
    return up - SubtractHeld<N>(up, target) + SubtractHeld<N>(down, target);
}

template <int N> [[gnu::always_inline]] inline auto Load(const uint16_t* words) {
    Words<N> loaded;
    std::memcpy(&loaded, words, sizeof loaded);
    return loaded;
}

// N heights at a time. A row that is not a whole number of groups ends with a group that
// overlaps the one before it; each height's result depends on its own height alone, so that
// group is worked out before the others change any of its heights, and stored last. Shorter
// rows go N / 2 at a time, and the shortest cell by cell.
template <int N, Towards towards>
[[gnu::always_inline]] inline void MoveLanes(uint16_t* heights, int count, const uint16_t* amounts,
                                             const uint16_t* targets, uint16_t target) {
    if constexpr (N < 8) {
        MoveEach<towards>(heights, count, amounts, targets, target);
    } else if (count < N) {
        MoveLanes<N / 2, towards>(heights, count, amounts, targets, target);
    } else {
        const Words<N> common = Words<N>{} + target;
        const auto moved = [&](int i) __attribute__((always_inline)) {
            return Moved<N, towards>(Load<N>(heights + i), Load<N>(amounts + i),
                                     towards == Towards::Own ? Load<N>(targets + i) : common);
        };
        const int last = count - N;
        const Words<N> lastGroup = moved(last);
        for (int i = 0; i < last; i += N) {
            const Words<N> group = moved(i);
            std::memcpy(heights + i, &group, sizeof group);
        }
        std::memcpy(heights + last, &lastGroup, sizeof lastGroup);
    }
}

template <Towards towards>
void MoveSse2(uint16_t* heights, int count, const uint16_t* amounts, const uint16_t* targets,
              uint16_t target) {
    MoveLanes<8, towards>(heights, count, amounts, targets, target);
}

template <Towards towards>
__attribute__((target("avx2"))) void MoveAvx2(uint16_t* heights, int count, const uint16_t* amounts,
                                              const uint16_t* targets, uint16_t target) {
    MoveLanes<16, towards>(heights, count, amounts, targets, target);
}
#endif

template <Towards towards>
void Move(uint16_t* heights, int count, const uint16_t* amounts, const uint16_t* targets,
          uint16_t target) {
#if defined(__SSE2__)
    static const bool wide = __builtin_cpu_supports("avx2");
    if (wide)
        MoveAvx2<towards>(heights, count, amounts, targets, target);
    else
        MoveSse2<towards>(heights, count, amounts, targets, target);
#else
    MoveEach<towards>(heights, count, amounts, targets, target);
#endif
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
