#pragma once
// The program's pseudo-random numbers: the classic 15-bit linear congruential generator
// (state x 214013 + 2531011, result bits 16-30, values 0 to 32767). The thresholds of the
// tile utilities are written for this range, so the host's rand() is never used.

#include <cstdint>

class ClassicRandom {
  public:
    void Seed(uint32_t seed) { state_ = seed; }
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

  private:
    uint32_t state_ = 1; // an unseeded generator behaves as if seeded with 1
};
