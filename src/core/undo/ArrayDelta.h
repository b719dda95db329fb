#pragma once
// The elements of an array that one edit changed: their positions with the values before and
// after, so that an undo step stores what changed rather than a copy of the whole layer.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>
#include <vector>

template <typename T> class ArrayDelta {
    static_assert(std::has_unique_object_representations_v<T>, "blocks are compared byte for byte");

  public:
    // The changes from `before` to `after`. Past its end, a side (an empty one: a layer not
    // loaded) counts as zero values.
    static ArrayDelta Between(std::span<const T> before, std::span<const T> after) {
        ArrayDelta delta;
        const size_t size = std::max(before.size(), after.size());
        const auto value = [](std::span<const T> side, size_t i) {
            return i < side.size() ? side[i] : T{};
        };
        // Most of a layer is untouched: whole blocks that compare equal are skipped at once.
        constexpr size_t Block = 256;
        for (size_t start = 0; start < size; start += Block) {
            const size_t end = std::min(size, start + Block);
            if (end <= before.size() && end <= after.size() &&
                std::memcmp(&before[start], &after[start], (end - start) * sizeof(T)) == 0)
                continue;
            for (size_t i = start; i < end; ++i) {
                const T old = value(before, i);
                const T now = value(after, i);
                if (!(old == now)) {
                    delta.indices_.push_back(static_cast<uint32_t>(i));
                    delta.before_.push_back(old);
                    delta.after_.push_back(now);
                }
            }
        }
        return delta;
    }

    bool Empty() const { return indices_.empty(); }
    // The changed positions, in rising order.
    const std::vector<uint32_t>& Indices() const { return indices_; }
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
