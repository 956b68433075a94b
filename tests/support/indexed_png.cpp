#include "support/indexed_png.h"

#include <png.h>

#include <cstdio>

namespace astrotest {

bool ReadIndexedPng(const std::string& path, IndexedImage& image) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  bool ok = false;
  if (setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    if (png_get_color_type(png, info) == PNG_COLOR_TYPE_PALETTE &&
        png_get_bit_depth(png, info) == 8) {
      image.width = static_cast<int>(png_get_image_width(png, info));
      image.height = static_cast<int>(png_get_image_height(png, info));
      png_bytepp rows = png_get_rows(png, info);
      image.pixels.clear();
      for (int y = 0; y < image.height; ++y) {
        image.pixels.insert(image.pixels.end(), rows[y], rows[y] + image.width);
      }
      ok = true;
    }
  }
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(file);
  return ok;
}

}  // namespace astrotest
