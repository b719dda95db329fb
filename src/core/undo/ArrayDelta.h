#pragma once
// The elements of an array that one edit changed: their positions with the values before and
// after, so that an undo step stores what changed rather than a copy of the whole layer.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

template <typename T> class ArrayDelta {
  public:
    // The changes from `before` to `after`. Past its end, a side (an empty one: a layer not
    // loaded) counts as zero values.
    static ArrayDelta Between(std::span<const T> before, std::span<const T> after) {
        ArrayDelta delta;
        const size_t size = std::max(before.size(), after.size());
        for (size_t i = 0; i < size; ++i) {
            const T old = i < before.size() ? before[i] : T{};
            const T now = i < after.size() ? after[i] : T{};
            if (!(old == now)) {
                delta.indices_.push_back(static_cast<uint32_t>(i));
                delta.before_.push_back(old);
                delta.after_.push_back(now);
            }
        }
        return delta;
    }

    bool Empty() const { return indices_.empty(); }
    size_t Bytes() const { return indices_.size() * (sizeof(uint32_t) + 2 * sizeof(T)); }

    // Writes the values after the edit (`forward`) or before it into `target`, which is as
    // long as the longer side the delta was taken over.
    void Apply(std::span<T> target, bool forward) const {
        const std::vector<T>& values = forward ? after_ : before_;
        for (size_t k = 0; k < indices_.size(); ++k)
            target[indices_[k]] = values[k];
    }

  private:
    std::vector<uint32_t> indices_;
    std::vector<T> before_;
    std::vector<T> after_;
};
