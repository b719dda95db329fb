#pragma once
// Reading the sampling window of an elevation source in bulk: one read per sampled row
// (the 2397 samples between the first and last sampled column) instead of one seek per
// sample. A source that ends early gives unreadable samples exactly where a per-sample
// reader would fail (a sample cut in half by the end counts as unreadable).

#include "core/height/DemWindowConversion.h"

#include <cstdio>

// Feeds every cell of the window to `conversion` in cell order.
void ReadDemWindow(std::FILE* source, DemWindowConversion& conversion);
