#pragma once
// What one edit changed in the layers: the changed cells of the tile and height maps, whether
// each map was loaded before and after, and the changed rail records and counts.

#include "core/rails/RailNetwork.h"
#include "core/tilemap/TileCatalogue.h"
#include "core/undo/ArrayDelta.h"
#include "core/undo/LayerSnapshot.h"

#include <cstddef>
#include <cstdint>

class MapDocument;

class LayerDelta {
  public:
    // The changes from `before` to the document's layers now.
    static LayerDelta Since(const LayerSnapshot& before, const MapDocument& document);

    bool Empty() const;
    size_t Bytes() const;

    // Puts the document's layers into the state after the edit (`forward`) or before it,
    // announcing exactly the cells it writes.
    void Apply(MapDocument& document, bool forward) const;

  private:
    struct Presence {
        bool before = false;
        bool after = false;
        bool operator==(const Presence&) const = default;
    };
    struct Counts {
        int32_t before = 0;
        int32_t after = 0;
    };

    Presence hasTiles_;
    Presence hasHeights_;
    ArrayDelta<TileCell> tiles_;
    ArrayDelta<uint16_t> heights_;
    ArrayDelta<RailSection> sections_;
    ArrayDelta<RailPoint> pending_;
    Counts sectionCount_;
    Counts pendingCount_;
};
