#include "core/io/Decoded.h"

std::string FixedSizeProblem(size_t bytesHeld, unsigned long long fileSize, size_t expected,
                             const char* kind) {
    if (bytesHeld < expected)
        fileSize = bytesHeld;
    if (fileSize == expected)
        return {};
    return "The file is " + std::to_string(fileSize) + " bytes; a " + kind + " is " +
           std::to_string(expected) + " bytes.";
}
