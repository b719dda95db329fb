#pragma once
// The inner loop of the mesh's smoothing pass: many corner normals at once, each the
// normalised sum of four face normals, with exactly the rounding of one vector at a time.

// Four neighbouring face normals per lane, one array per component (x, y, z).
struct CornerFaces {
    const float* own[3];
    const float* vertical[3];
    const float* horizontal[3];
    const float* diagonal[3];
};

// Lanes that SmoothCorners may read and write past `count`: inputs and outputs need room for
// `count` rounded up to a multiple of this.
constexpr int CornerLanePadding = 16;

// out[c][i] = component c of the normalised ((own + vertical) + horizontal) + diagonal of
// lane i, normalised as vector_math::Normalize does, for i below `count`.
void SmoothCorners(const CornerFaces& faces, int count, float* const out[3]);
