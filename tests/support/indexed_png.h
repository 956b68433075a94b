// Reading back the 8-bit indexed PNG snapshots the headless window writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace astrotest {

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // palette index per pixel, row by row

  int At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// False when the file is missing or is not an 8-bit paletted PNG.
bool ReadIndexedPng(const std::string& path, IndexedImage& image);

}  // namespace astrotest
