#pragma once
// What a codec makes of a file's bytes: the layer, or the reason the bytes hold none, in the
// words the user is shown.

#include <optional>
#include <string>
#include <utility>

template <class Layer> struct Decoded {
    std::optional<Layer> layer;
    std::string problem; // empty exactly when there is a layer

    static Decoded Of(Layer value) { return {std::move(value), {}}; }
    static Decoded Refused(std::string reason) { return {std::nullopt, std::move(reason)}; }
    explicit operator bool() const { return layer.has_value(); }
};

// The reason a file is no `kind` ("texture map file"), which is always `expected` bytes long;
// empty when the size is right. `bytesHeld` are the bytes at hand: when they are fewer than
// `expected` they are the whole file, else the file is `fileSize` bytes long.
std::string FixedSizeProblem(size_t bytesHeld, unsigned long long fileSize, size_t expected,
                             const char* kind);
