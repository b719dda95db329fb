#include "core/mesh/CornerNormals.h"

#include "core/mesh/VectorMath.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define CORNER_NORMALS_AVX 1
#endif

namespace {

void SmoothCornersPortable(const CornerFaces& faces, int count, float* const out[3]) {
    for (int i = 0; i < count; ++i) {
        Vector3 sum;
        for (int c = 0; c < 3; ++c)
            sum[static_cast<size_t>(c)] = faces.own[c][i] + faces.vertical[c][i] +
                                          faces.horizontal[c][i] + faces.diagonal[c][i];
        vector_math::Normalize(sum);
        for (int c = 0; c < 3; ++c)
            out[c][i] = sum[static_cast<size_t>(c)];
    }
}

#if defined(CORNER_NORMALS_AVX)
// Eight lanes per instruction. Only additions, multiplications, square roots and divisions,
// each correctly rounded lane by lane and never fused, so every lane equals the portable one.
// (The component loops are unrolled so that the twelve input pointers stay in registers.)
__attribute__((target("avx"))) void SmoothCornersAvx(const CornerFaces& faces, int count,
                                                     float* const out[3]) {
    const __m256 one = _mm256_set1_ps(1.0f);
    const __m256 tiny = _mm256_set1_ps(1e-8f);
    const __m256 blowUp = _mm256_set1_ps(100000000.0f);
    // Local copies: the stores below could otherwise alias the pointers and reload them.
    const CornerFaces in = faces;
    float* const to[3] = {out[0], out[1], out[2]};
    for (int i = 0; i < count; i += 8) {
        __m256 sum[3];
#pragma GCC unroll 3
        for (int c = 0; c < 3; ++c)
            sum[c] = _mm256_add_ps(_mm256_add_ps(_mm256_add_ps(_mm256_loadu_ps(in.own[c] + i),
                                                               _mm256_loadu_ps(in.vertical[c] + i)),
                                                 _mm256_loadu_ps(in.horizontal[c] + i)),
                                   _mm256_loadu_ps(in.diagonal[c] + i));
        const __m256 squares = _mm256_add_ps(
            _mm256_add_ps(_mm256_mul_ps(sum[0], sum[0]), _mm256_mul_ps(sum[1], sum[1])),
            _mm256_mul_ps(sum[2], sum[2]));
        const __m256 inverse = _mm256_div_ps(one, _mm256_sqrt_ps(squares));
        // A near-zero vector is blown up rather than divided by zero.
        const __m256 large = _mm256_cmp_ps(squares, tiny, _CMP_GE_OQ);
        const __m256 factor = _mm256_blendv_ps(blowUp, inverse, large);
#pragma GCC unroll 3
        for (int c = 0; c < 3; ++c)
            _mm256_storeu_ps(to[c] + i, _mm256_mul_ps(sum[c], factor));
    }
}

// Sixteen lanes per instruction. Every operation names its rounding (to nearest, as the
// portable code rounds), which also keeps the compiler from fusing a multiplication and an
// addition into one instruction that would round once. (The zero-masked forms with every
// lane selected are the plain operations; the unmasked ones trip a false warning of GCC 12.)
constexpr int Nearest = _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC;
constexpr __mmask16 AllLanes = 0xffff;

__attribute__((target("avx512f"))) inline __m512 Add16(__m512 a, __m512 b) {
    return _mm512_maskz_add_round_ps(AllLanes, a, b, Nearest);
}

__attribute__((target("avx512f"))) inline __m512 Mul16(__m512 a, __m512 b) {
    return _mm512_maskz_mul_round_ps(AllLanes, a, b, Nearest);
}

__attribute__((target("avx512f"))) void SmoothCornersAvx512(const CornerFaces& faces, int count,
                                                            float* const out[3]) {
    const __m512 one = _mm512_set1_ps(1.0f);
    const __m512 tiny = _mm512_set1_ps(1e-8f);
    const __m512 blowUp = _mm512_set1_ps(100000000.0f);
    const CornerFaces in = faces;
    float* const to[3] = {out[0], out[1], out[2]};
    for (int i = 0; i < count; i += 16) {
        __m512 sum[3];
#pragma GCC unroll 3
        for (int c = 0; c < 3; ++c)
            sum[c] = Add16(
                Add16(Add16(_mm512_loadu_ps(in.own[c] + i), _mm512_loadu_ps(in.vertical[c] + i)),
                      _mm512_loadu_ps(in.horizontal[c] + i)),
                _mm512_loadu_ps(in.diagonal[c] + i));
        const __m512 squares =
            Add16(Add16(Mul16(sum[0], sum[0]), Mul16(sum[1], sum[1])), Mul16(sum[2], sum[2]));
        const __m512 inverse = _mm512_maskz_div_round_ps(
            AllLanes, one, _mm512_maskz_sqrt_round_ps(AllLanes, squares, Nearest), Nearest);
        const __mmask16 large = _mm512_cmp_ps_mask(squares, tiny, _CMP_GE_OQ);
        const __m512 factor = _mm512_mask_blend_ps(large, blowUp, inverse);
#pragma GCC unroll 3
        for (int c = 0; c < 3; ++c)
            _mm512_storeu_ps(to[c] + i, Mul16(sum[c], factor));
    }
}

bool HasAvx() {
    static const bool has = __builtin_cpu_supports("avx");
    return has;
}

bool HasAvx512() {
    static const bool has = __builtin_cpu_supports("avx512f");
    return has;
}
#endif

} // namespace

void SmoothCorners(const CornerFaces& faces, int count, float* const out[3]) {
#if defined(CORNER_NORMALS_AVX)
    if (HasAvx512())
        return SmoothCornersAvx512(faces, count, out);
    if (HasAvx())
        return SmoothCornersAvx(faces, count, out);
#endif
    SmoothCornersPortable(faces, count, out);
}
