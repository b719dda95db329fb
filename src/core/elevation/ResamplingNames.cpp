#include "core/elevation/ElevationImport.h"

namespace {

constexpr struct {
    Resampling resampling;
    const char* name;
} Names[] = {{Resampling::Average, "average"},
             {Resampling::Bilinear, "bilinear"},
             {Resampling::Cubic, "cubic"},
             {Resampling::Nearest, "nearest"}};

} // namespace

const char* ResamplingName(Resampling resampling) {
    for (const auto& entry : Names)
        if (entry.resampling == resampling)
            return entry.name;
    return "average";
}

std::optional<Resampling> ResamplingNamed(std::string_view name) {
    for (const auto& entry : Names)
        if (name == entry.name)
            return entry.resampling;
    return std::nullopt;
}
