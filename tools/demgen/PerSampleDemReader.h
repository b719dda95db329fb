#pragma once
// The conversion's sampling read the plain way: for every cell, seek to its sample and read
// its two bytes. The bulk reader must give exactly the same results; tests compare the two
// and benchmarks use this one as the baseline.

#include "core/height/DemWindowConversion.h"

#include <cstdio>

void ReadDemWindowPerSample(std::FILE* source, DemWindowConversion& conversion);
