// Pages as 8-bit indexed PNG files carrying the whole default palette.
#include <png.h>

#include <cstdio>
#include <vector>

#include "wingraph/driver.h"

namespace wingraph {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool WriteIndexedPng(const std::uint8_t* pixels, int width, int height, const std::string& path) {
  if (width <= 0 || height <= 0) return false;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  std::vector<png_color> palette(256);
  for (int i = 0; i < 256; ++i) {
    palette[i] = png_color{kDefaultPalette[i].r, kDefaultPalette[i].g, kDefaultPalette[i].b};
  }
  std::vector<png_bytep> rows(height);
  for (int y = 0; y < height; ++y) {
    rows[y] = const_cast<png_bytep>(pixels + static_cast<std::size_t>(y) * width);
  }
  // libpng reports write errors by a long jump back here.
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_PLTE(png, info, palette.data(), 256);
  png_set_compression_level(png, 6);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fflush(file.get()) == 0;
}

}  // namespace wingraph
