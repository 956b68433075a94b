// Font faces found through fontconfig and rasterised by FreeType in monochrome, so every
// text pixel is exactly the current palette index. Faces and glyph sets are process-wide:
// they are found and rendered once and shared by every device.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "wingraph/font.h"
#include "wingraph/sanitizer.h"

namespace wingraph {

namespace {

constexpr std::array<const char*, 4> kFontFamilies = {"Courier New", "MS Sans Serif",
                                                      "Times New Roman", "Arial"};

struct FontFile {
  std::string path;
  int index = 0;
  std::string family;
  bool monospaced = false;
};

bool MatchFont(const char* request, FontFile& found) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(request));
  if (!pattern) return false;
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return false;
  FcChar8* file = nullptr;
  FcChar8* family = nullptr;
  int spacing = FC_PROPORTIONAL;
  const bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
  if (ok) {
    found.path = reinterpret_cast<const char*>(file);
    if (FcPatternGetInteger(match, FC_INDEX, 0, &found.index) != FcResultMatch) found.index = 0;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch) {
      found.family = reinterpret_cast<const char*>(family);
    }
    found.monospaced =
        FcPatternGetInteger(match, FC_SPACING, 0, &spacing) == FcResultMatch && spacing == FC_MONO;
  }
  FcPatternDestroy(match);
  return ok;
}

// Font 0 must be a monospaced face (the screens line texts up in columns); when the
// requested family has neither the face nor a metric equivalent, any monospaced face does.
bool FindFontFile(int font, FontFile& found) {
  const char* family = kFontFamilies[font];
  if (MatchFont(family, found) && (font != 0 || found.monospaced)) return true;
  if (MatchFont("monospace", found)) {
    std::fprintf(stderr, "wingraph: no font \"%s\" found; using \"%s\" instead\n", family,
                 found.family.c_str());
    return true;
  }
  std::fprintf(stderr, "wingraph: no font \"%s\" and no monospaced font found; texts stay blank\n",
               family);
  return false;
}

class FontStore {
 public:
  const GlyphSet& Get(int font, int size) {
    std::lock_guard lock(mutex_);
    auto& slot = sets_[{font, size}];
    if (!slot) slot = Render(font, size);
    return *slot;
  }

 private:
  FT_Face Face(int font) {
    if (!triedFace_[font]) {
      triedFace_[font] = true;
      if (!library_ && FT_Init_FreeType(&library_) != 0) library_ = nullptr;
      FontFile file;
      if (library_ && FcInit() && FindFontFile(font, file)) {
        if (FT_New_Face(library_, file.path.c_str(), file.index, &faces_[font]) != 0) {
          std::fprintf(stderr, "wingraph: cannot load font file %s\n", file.path.c_str());
          faces_[font] = nullptr;
        }
      }
    }
    return faces_[font];
  }

  // The pixel size is the one whose ascender + descender fill the cell of size * 8 rows;
  // the baseline lies the scaled ascender below the top of the cell.
  std::unique_ptr<GlyphSet> Render(int font, int size) {
    auto set = std::make_unique<GlyphSet>();
    set->cellHeight = 8 * size;
    set->baseline = (6 * set->cellHeight + 4) / 8;
    set->advance = set->cellHeight / 2;
    FT_Face face = Face(font);
    if (!face) return set;
    const double extent = static_cast<double>(face->ascender) - face->descender;
    const double pixelSize =
        std::max(1.0, std::nearbyint(set->cellHeight * face->units_per_EM / extent));
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0) return set;
    set->baseline = static_cast<int>(
        std::nearbyint(static_cast<double>(face->ascender) * pixelSize / face->units_per_EM));
    bool advanceKnown = false;
    for (int byte = 0; byte < 256; ++byte) {
      const FT_UInt index = FT_Get_Char_Index(face, kCodePage437[byte]);
      if (index == 0) continue;  // no such letter in the face: blank
      if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) continue;
      const FT_GlyphSlot slot = face->glyph;
      if (!advanceKnown || byte == 'M') {
        set->advance = static_cast<int>((slot->advance.x + 32) >> 6);
        advanceKnown = true;
      }
      const FT_Bitmap& bitmap = slot->bitmap;
      Glyph& glyph = set->glyphs[byte];
      glyph.left = slot->bitmap_left;
      glyph.top = slot->bitmap_top;
      glyph.width = static_cast<int>(bitmap.width);
      glyph.rows = static_cast<int>(bitmap.rows);
      glyph.ink.assign(static_cast<std::size_t>(glyph.width) * glyph.rows, 0);
      for (int r = 0; r < glyph.rows; ++r) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(r) * bitmap.pitch;
        for (int c = 0; c < glyph.width; ++c) {
          const bool set1 = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                ? (row[c >> 3] >> (7 - (c & 7))) & 1
                                : row[c] >= 128;
          glyph.ink[static_cast<std::size_t>(r) * glyph.width + c] = set1 ? 1 : 0;
        }
      }
    }
    return set;
  }

  std::mutex mutex_;
  FT_Library library_ = nullptr;
  std::array<FT_Face, 4> faces_{};
  std::array<bool, 4> triedFace_{};
  std::map<std::pair<int, int>, std::unique_ptr<GlyphSet>> sets_;
};

FontStore& Store() {
  static FontStore store;
  return store;
}

}  // namespace

// fontconfig keeps (and partly loses) the parse of its configuration files for the whole
// run; that is the library's, so the leak check of sanitized builds leaves it out.
#if defined(WINGRAPH_ASAN)
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif

const GlyphSet& GlyphsFor(int font, int size) {
  if (font < 0 || font >= static_cast<int>(kFontFamilies.size())) font = 0;
  size = std::clamp(size, 1, 32);
  return Store().Get(font, size);
}

}  // namespace wingraph
