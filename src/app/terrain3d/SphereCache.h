#pragma once
// The pointer marker's solid sphere: an icosahedron on a sphere of the given radius, drawn
// through one display list per radius. The first call for a radius compiles the list while
// drawing; later calls replay it. Lists belong to the context current at the first call.

#include <vector>

class SphereCache {
  public:
    // Draws the sphere centred at the model-view origin with the current GL state.
    void DrawSolidSphere(double radius);

    // Display lists made so far (one per distinct radius).
    int ListCount() const { return static_cast<int>(entries_.size()); }
    // Forgets the lists of a context that is gone (does not delete them).
    void Forget() { entries_.clear(); }

  private:
    struct Entry {
        unsigned list = 0;
        std::vector<double> parameters;
    };
    std::vector<Entry> entries_; // oldest first; looked up from the newest
};
