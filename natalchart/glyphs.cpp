// The hand-made pixel symbols of the signs and bodies: stroke strings of direction digits
// walked one pixel per digit.
#include <array>
#include <span>
#include <string_view>

#include "natalchart/chart_symbols.h"

namespace natalchart {
namespace {

struct Stroke {
  int dx = 0;  // start relative to the reference point, to the right
  int dy = 0;  // start relative to the reference point, upwards
  std::string_view digits;
};

// Pen steps of the direction digits 1..8 (index 0 unused), y growing downwards.
constexpr std::array<int, 9> kStepX = {0, 0, 1, 1, 1, 0, -1, -1, -1};
constexpr std::array<int, 9> kStepY = {0, -1, -1, 0, 1, 1, 1, 0, -1};

constexpr std::array<Stroke, 2> kAriesStrokes = {{{5, 6, "876656818876"}, {0, 3, "55555555"}}};
constexpr std::array<Stroke, 1> kTaurusStrokes = {{{4, 6, "5667777881544655554333321111"}}};
constexpr std::array<Stroke, 1> kGeminiStrokes = {
    {{4, 7, "667777884455555555556622333344881111111111"}}};
constexpr std::array<Stroke, 2> kCancerStrokes = {
    {{4, 1, "211877777777655433211"}, {1, -4, "112334556777777778112"}}};
constexpr std::array<Stroke, 1> kLeoStrokes = {{{7, -4, "678111111118877665555577655433211"}}};
constexpr std::array<Stroke, 4> kVirgoStrokes = {
    {{-6, 3, "234555555"}, {-2, 3, "234555555"}, {2, 4, "3455555566"}, {5, 3, "34566543"}}};
constexpr std::array<Stroke, 2> kLibraStrokes = {
    {{7, 0, "777771187765577777"}, {7, -2, "77777777777777"}}};
constexpr std::array<Stroke, 3> kScorpioStrokes = {
    {{-7, -2, "111123"}, {-4, -2, "111123"}, {-1, -2, "111123455543222773355"}}};
constexpr std::array<Stroke, 1> kSagittariusStrokes = {{{6, 3, "1117773336666666666622884444"}}};
constexpr std::array<Stroke, 1> kCapricornStrokes = {{{-4, 6, "33333333566666565554332118766666"}}};
constexpr std::array<Stroke, 2> kAquariusStrokes = {
    {{7, 2, "88666888666888"}, {7, -2, "88666888666888"}}};
constexpr std::array<Stroke, 3> kPiscesStrokes = {
    {{-4, 7, "45455555555656"}, {4, 7, "65655555555454"}, {4, 0, "77777777"}}};

// Index 1..12 as the signs are numbered.
constexpr std::array<std::span<const Stroke>, 13> kSignStrokes = {std::span<const Stroke>{},
                                                                  kAriesStrokes,
                                                                  kTaurusStrokes,
                                                                  kGeminiStrokes,
                                                                  kCancerStrokes,
                                                                  kLeoStrokes,
                                                                  kVirgoStrokes,
                                                                  kLibraStrokes,
                                                                  kScorpioStrokes,
                                                                  kSagittariusStrokes,
                                                                  kCapricornStrokes,
                                                                  kAquariusStrokes,
                                                                  kPiscesStrokes};

constexpr std::array<Stroke, 2> kSunStrokes = {
    {{7, 0, "118188787777676656555545443433332322121"}, {1, 0, "864"}}};
constexpr std::array<Stroke, 1> kMoonStrokes = {{{1, 0, "118181833434544555566567677212121"}}};
constexpr std::array<Stroke, 1> kMercuryStrokes = {
    {{0, 1, "781128844332266455675555557733337755"}}};
constexpr std::array<Stroke, 1> kVenusStrokes = {{{0, 1, "7811233455675555557733337755"}}};
constexpr std::array<Stroke, 1> kMarsStrokes = {{{0, 0, "776554332118222222773355"}}};
constexpr std::array<Stroke, 1> kJupiterStrokes = {{{4, 1, "55555511137777777712222211877765"}}};
constexpr std::array<Stroke, 1> kSaturnStrokes = {{{0, 7, "55777333333777555433455566777881"}}};
constexpr std::array<Stroke, 1> kUranusStrokes = {
    {{0, 6, "55777115555113333331155551177755555534556778112"}}};
constexpr std::array<Stroke, 2> kNeptuneStrokes = {
    {{0, 7, "5555555555545681"}, {4, 7, "55567677878111"}}};
constexpr std::array<Stroke, 1> kPlutoStrokes = {{{0, 2, "332218877755555555555553333"}}};

// Index 1..10 as the bodies are numbered.
constexpr std::array<std::span<const Stroke>, 11> kBodyStrokes = {
    std::span<const Stroke>{}, kSunStrokes,    kMoonStrokes,
    kMercuryStrokes,           kVenusStrokes,  kMarsStrokes,
    kJupiterStrokes,           kSaturnStrokes, kUranusStrokes,
    kNeptuneStrokes,           kPlutoStrokes};

// The chart points, bodies 11..15, are written as two letters instead of a symbol.
constexpr std::array<std::string_view, 5> kPointTexts = {"AS", "MC", "VT", "CG", "PN"};

void DrawStrokes(wingraph::Device& dev, int x, int y, std::span<const Stroke> strokes, int colour) {
  for (const Stroke& stroke : strokes) {
    DrawStroke(dev, x, y, stroke.dx, stroke.dy, colour, stroke.digits);
  }
}

}  // namespace

void DrawStroke(wingraph::Device& dev, int x, int y, int dx, int dy, int colour,
                std::string_view digits) {
  int px = x + dx;
  int py = y - dy;
  wingraph::PutPixel(dev, px, py, colour);
  for (const char digit : digits) {
    if (digit >= '1' && digit <= '8') {
      px += kStepX[digit - '0'];
      py += kStepY[digit - '0'];
    }
    wingraph::PutPixel(dev, px, py, colour);
  }
}

void DrawSignGlyph(wingraph::Device& dev, int x, int y, int sign, int colour) {
  if (sign < 1 || sign > 12) return;
  DrawStrokes(dev, x, y, kSignStrokes[sign], colour);
}

void DrawBodyGlyph(wingraph::Device& dev, int x, int y, int body, int colour, int textDrop) {
  // Callers write further texts after a symbol relying on these settings.
  wingraph::SetColor(dev, colour);
  wingraph::SetTextStyle(dev, 0, 0, 2);
  wingraph::SetTextJustify(dev, 1, 1);
  if (body >= 1 && body <= 10) {
    DrawStrokes(dev, x, y, kBodyStrokes[body], colour);
  } else if (body >= 11 && body <= 15) {
    wingraph::OutTextXY(dev, x, y + textDrop, kPointTexts[body - 11]);
  }
}

}  // namespace natalchart
