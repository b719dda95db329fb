#include "core/area/BrushAmounts.h"

#include <algorithm>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>

#include <cstring>
#endif

namespace {
// The amounts of a table's rows, row offset `dy` from `rowFrom` to `rowTo`: those for
// column offsets dx in [first, last] with |dx| < reach[dy - rowFrom] go to
// amounts[(dy - rowFrom) x stride + pad + dx - first]; up to 15 more beyond either end may be
// written too, into the pads.
struct RowsToFill {
    uint16_t* amounts;
    size_t stride;
    int pad;
    const int* reach;
    int rowFrom;
    int rowTo;
    int first;
    int last;
    BrushFalloff falloff;
    int radius;
    float strength;
};

#if defined(__SSE2__)
// Vectors of N floats or 32-bit integers (one register of the processor) and of N amounts.
template <int N> struct Lanes;
template <> struct Lanes<4> {
    typedef float Floats __attribute__((vector_size(16)));
    typedef int32_t Ints __attribute__((vector_size(16)));
    typedef uint16_t Group __attribute__((vector_size(16)));
};
template <> struct Lanes<8> {
    typedef float Floats __attribute__((vector_size(32)));
    typedef int32_t Ints __attribute__((vector_size(32)));
    typedef uint16_t Group __attribute__((vector_size(32)));
};

// Fills the rows in groups of 2N amounts: BrushWeight's float operations in the same order,
// N at a time, so each amount is the one computed cell by cell. Inlined into callers built
// for a wider register, it runs there on the wider register.
template <int N> [[gnu::always_inline]] inline void FillRowsLanes(const RowsToFill& fill) {
    using Floats = typename Lanes<N>::Floats;
    using Ints = typename Lanes<N>::Ints;
    using Group = typename Lanes<N>::Group;
    constexpr int Width = 2 * N;
    const float reachDistance = static_cast<float>(fill.radius) + 0.5f;
    const Floats reachSquared = Floats{} + reachDistance * reachDistance;
    const Floats one = Floats{} + 1.0f;
    const Floats half = Floats{} + 0.5f;
    const Floats scale = Floats{} + fill.strength;
    const Floats perReach = Floats{} + 1.0f / reachDistance;
    const Floats perReachSquared = Floats{} + 1.0f / (reachDistance * reachDistance);
    for (int dy = fill.rowFrom; dy <= fill.rowTo; ++dy) {
        uint16_t* row = fill.amounts + static_cast<size_t>(dy - fill.rowFrom) * fill.stride;
        const int reach = fill.reach[dy - fill.rowFrom];
        // Right of the centre dx runs forwards through the distances, left of it backwards.
        const int from = fill.first > 0 ? fill.first : fill.last < 0 ? -fill.last : 0;
        // The squared distances of the group's two halves, and how much each lane's grows by the
        // next group: (x + W)^2 - x^2 = 2 W x + W^2, itself growing by 2 W^2.
        Ints lowSquares;
        Ints highSquares;
        Ints lowGrowth;
        Ints highGrowth;
        for (int lane = 0; lane < N; ++lane) {
            const int low = from + lane;
            const int high = from + N + lane;
            lowSquares[lane] = low * low + dy * dy;
            highSquares[lane] = high * high + dy * dy;
            lowGrowth[lane] = 2 * Width * low + Width * Width;
            highGrowth[lane] = 2 * Width * high + Width * Width;
        }
        // The amounts of N squared distances, which then move on to the next group's.
        const auto amountsOf = [&](Ints & squares, Ints & growth, Ints & amounts)
            __attribute__((always_inline)) {
            const Floats d2 = __builtin_convertvector(squares, Floats);
            squares += growth;
            growth += 2 * Width * Width;
            Floats weight = one;
            if (fill.falloff == BrushFalloff::Linear) {
                Floats distance; // square roots 4 at a time, the width every x86 has
                if constexpr (N == 4) {
                    distance = _mm_sqrt_ps(d2);
                } else {
                    const __m128 low = _mm_sqrt_ps(__builtin_shufflevector(d2, d2, 0, 1, 2, 3));
                    const __m128 high = _mm_sqrt_ps(__builtin_shufflevector(d2, d2, 4, 5, 6, 7));
                    distance = __builtin_shufflevector(low, high, 0, 1, 2, 3, 4, 5, 6, 7);
                }
                weight = one - distance * perReach;
            } else if (fill.falloff == BrushFalloff::Smooth) {
                const Floats t = one - d2 * perReachSquared;
                weight = t * t;
            }
            weight = reinterpret_cast<Floats>(reinterpret_cast<Ints>(weight) & (d2 < reachSquared));
            amounts = __builtin_convertvector(scale * weight + half, Ints);
        };
        const auto at = [&](int dx) { return row + (fill.pad + dx - fill.first); };
        for (int m = from; m < reach; m += Width) {
            Ints low;
            Ints high;
            amountsOf(lowSquares, lowGrowth, low);
            amountsOf(highSquares, highGrowth, high);
            // Amounts are 0 to 65535, so the narrowing keeps them whole.
            Group forwards;
            Group backwards;
            if constexpr (N == 4) {
                forwards = __builtin_convertvector(
                    __builtin_shufflevector(low, high, 0, 1, 2, 3, 4, 5, 6, 7), Group);
                backwards = __builtin_shufflevector(forwards, forwards, 7, 6, 5, 4, 3, 2, 1, 0);
            } else {
                forwards = __builtin_convertvector(__builtin_shufflevector(low, high, 0, 1, 2, 3, 4,
                                                                           5, 6, 7, 8, 9, 10, 11,
                                                                           12, 13, 14, 15),
                                                   Group);
                backwards = __builtin_shufflevector(forwards, forwards, 15, 14, 13, 12, 11, 10, 9,
                                                    8, 7, 6, 5, 4, 3, 2, 1, 0);
            }
            if (m <= fill.last)
                std::memcpy(at(m), &forwards, sizeof forwards);
            if (-m >= fill.first)
                std::memcpy(at(-m - (Width - 1)), &backwards, sizeof backwards);
        }
    }
}

void FillRowsSse2(const RowsToFill& fill) {
    FillRowsLanes<4>(fill);
}

__attribute__((target("avx2"))) void FillRowsAvx2(const RowsToFill& fill) {
    FillRowsLanes<8>(fill);
}
#endif

void FillRows(const RowsToFill& fill) {
#if defined(__SSE2__)
    static const bool wide = __builtin_cpu_supports("avx2");
    if (wide)
        FillRowsAvx2(fill);
    else
        FillRowsSse2(fill);
#else
    for (int dy = fill.rowFrom; dy <= fill.rowTo; ++dy) {
        uint16_t* row = fill.amounts + static_cast<size_t>(dy - fill.rowFrom) * fill.stride +
                        (fill.pad - fill.first);
        const int reach = fill.reach[dy - fill.rowFrom];
        for (int dx = std::max(fill.first, 1 - reach); dx <= std::min(fill.last, reach - 1); ++dx)
            row[dx] = static_cast<uint16_t>(static_cast<int>(
                fill.strength * BrushWeight(fill.falloff, fill.radius, dx * dx + dy * dy) + 0.5f));
    }
#endif
}
} // namespace

BrushAmounts::BrushAmounts(BrushFalloff falloff, int radius, int strength, int rowFrom, int rowTo,
                           int columnFirst, int columnLast)
    : falloff_(falloff), radius_(radius), strength_(strength), rowFrom_(rowFrom), rowTo_(rowTo),
      columnFirst_(columnFirst), columnLast_(columnLast),
      stride_(static_cast<size_t>(Pad + columnLast - columnFirst + 1 + Pad)) {
    const auto rows = static_cast<size_t>(rowTo - rowFrom + 1);
    amounts_ = std::make_unique_for_overwrite<uint16_t[]>(rows * stride_);
    reach_.resize(rows);
    const float reach = static_cast<float>(radius) + 0.5f;
    // Rows further from the centre reach no further along.
    int limit = std::max(std::abs(columnFirst), std::abs(columnLast)) + 1;
    for (int dy = rowFrom; dy <= rowTo; ++dy) {
        while (limit > 0 &&
               !(static_cast<float>((limit - 1) * (limit - 1) + dy * dy) < reach * reach))
            --limit;
        reach_[static_cast<size_t>(dy - rowFrom)] = limit;
    }
    FillRows({amounts_.get(), stride_, Pad, reach_.data(), rowFrom, rowTo, columnFirst, columnLast,
              falloff, radius, static_cast<float>(strength)});
}

bool BrushAmounts::Holds(BrushFalloff falloff, int radius, int strength, int rowFrom, int rowTo,
                         int columnFirst, int columnLast) const {
    return falloff == falloff_ && radius == radius_ && strength == strength_ &&
           rowFrom >= rowFrom_ && rowTo <= rowTo_ && columnFirst >= columnFirst_ &&
           columnLast <= columnLast_;
}
