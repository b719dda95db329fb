#pragma once
// A square picture of palette indices, top row first, and its output as an 8-bit Windows
// bitmap (40-byte information header, the full colour table, bottom-up rows).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A part of the picture, given by pixel centres in picture coordinates (x right, y down).
using Region = std::function<bool(double x, double y)>;

class TileCanvas {
  public:
    explicit TileCanvas(int size) : size_(size), pixels_(size * size, 0) {}
    int Size() const { return size_; }
    uint8_t At(int x, int y) const { return pixels_[y * size_ + x]; }
    void Set(int x, int y, uint8_t index) { pixels_[y * size_ + x] = index; }
    // Calls `paint(x, y)` for every pixel whose centre lies in `region`; stores its result.
    void Fill(const Region& region, const std::function<uint8_t(int x, int y)>& paint);
    void FillAll(const std::function<uint8_t(int x, int y)>& paint);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < size_ && y < size_; }

  private:
    int size_;
    std::vector<uint8_t> pixels_;
};

std::vector<uint8_t> EncodeIndexedBitmap(const TileCanvas& canvas);
bool WriteIndexedBitmap(const TileCanvas& canvas, const std::string& path);
