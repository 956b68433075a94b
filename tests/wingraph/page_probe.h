// Small readers of a page for the pixel tests.
#pragma once

#include <climits>
#include <set>
#include <utility>

#include "wingraph/wingraph.h"

namespace wingraph_test {

struct InkBox {
  int minX = INT_MAX;
  int minY = INT_MAX;
  int maxX = INT_MIN;
  int maxY = INT_MIN;
  int count = 0;
};

// Bounds and number of the pixels of the active page that differ from `background`.
inline InkBox InkOf(const wingraph::Device& dev, int background = 0) {
  InkBox box;
  for (int y = 0; y < dev.height; ++y) {
    for (int x = 0; x < dev.width; ++x) {
      if (wingraph::GetPixel(dev, x, y) == background) continue;
      box.minX = std::min(box.minX, x);
      box.minY = std::min(box.minY, y);
      box.maxX = std::max(box.maxX, x);
      box.maxY = std::max(box.maxY, y);
      ++box.count;
    }
  }
  return box;
}

using PixelSet = std::set<std::pair<int, int>>;

inline PixelSet InkSet(const wingraph::Device& dev, int dx = 0, int dy = 0) {
  PixelSet set;
  for (int y = 0; y < dev.height; ++y) {
    for (int x = 0; x < dev.width; ++x) {
      if (wingraph::GetPixel(dev, x, y) != 0) set.emplace(x + dx, y + dy);
    }
  }
  return set;
}

// Whether every inked pixel can reach every other through its eight neighbours.
inline bool EightConnected(const PixelSet& set) {
  if (set.empty()) return true;
  PixelSet seen;
  std::vector<std::pair<int, int>> stack = {*set.begin()};
  seen.insert(*set.begin());
  while (!stack.empty()) {
    auto [x, y] = stack.back();
    stack.pop_back();
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        std::pair<int, int> next{x + dx, y + dy};
        if (set.count(next) && seen.insert(next).second) stack.push_back(next);
      }
    }
  }
  return seen.size() == set.size();
}

}  // namespace wingraph_test
