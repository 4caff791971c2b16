#include "tools/vantorel-data/core/Pictures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "platform/codepage/Cp1253.h"
#include "tools/vantorel-data/core/Bytes.h"

namespace vantorel::data {
namespace {

constexpr double kPi = 3.14159265358979;
std::string cp(std::string_view utf8) {
  return codepage::fromUtf8Lossy(utf8);
}

constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kInk{30, 34, 48}, kGlass{200, 225, 240};
constexpr Rgb kBar{58, 122, 160};

struct Scaled {
  Canvas& c;
  double s;
  int operator()(double v) const { return static_cast<int>(std::lround(v * s)); }
};

// Menu tiles are too small for labels: their drawings go without.
bool gLabels = true;

void label(Canvas& c, int cx, int y, std::string_view utf8, Rgb colour = kInk, int scale = 1) {
  if (!gLabels) return;
  const auto text = cp(utf8);
  const int w = Canvas::textWidth(text, scale);
  c.fillRect(cx - w / 2 - 2, y - 2, w + 4, 7 * scale + 4, mix(kWhite, colour, 0.05));
  c.textCentered(cx, y, text, colour, scale);
}

void beakerShape(Canvas& c, const Scaled& S, double x, double y, double w, double h, Rgb liquid, double level) {
  c.fillRect(S(x), S(y + h * (1 - level)), S(w), S(h * level), liquid);
  c.fillRect(S(x), S(y + h * (1 - level)), S(w), std::max(1, S(2)), mix(liquid, kWhite, 0.4));
  c.line(S(x), S(y), S(x), S(y + h), kInk, std::max(1, S(2)));
  c.line(S(x + w), S(y), S(x + w), S(y + h), kInk, std::max(1, S(2)));
  c.line(S(x), S(y + h), S(x + w), S(y + h), kInk, std::max(1, S(2)));
  for (int i = 1; i <= 4; ++i) c.line(S(x + 2), S(y + h * i / 5.0), S(x + 8), S(y + h * i / 5.0), kInk);
}

void drawFlame(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {20, 20, 40}, {60, 40, 30});
  c.fillRect(S(105), S(110), S(30), S(60), {240, 235, 210});
  c.frameRect(S(105), S(110), S(30), S(60), {180, 170, 140});
  c.line(S(120), S(110), S(120), S(100), kBlack, std::max(1, S(2)));
  for (int r = 40; r > 0; r -= 2) {
    const double t = r / 40.0;
    c.fillEllipse(S(120), S(75 + 20 * (1 - t)), S(14 * t + 2), S(36 * t + 2), mix({255, 250, 200}, {230, 90, 20}, t));
  }
  c.fillEllipse(S(120), S(92), S(5), S(10), {90, 120, 230});
  label(c, S(190), S(30), "ΦΛΟΓΑ", {200, 80, 20});
  c.line(S(165), S(34), S(138), S(60), {240, 200, 120});
  label(c, S(190), S(150), "ΚΕΡΙ", {90, 80, 60});
}

void drawBeaker(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {235, 240, 248}, {200, 210, 225});
  c.fillRect(0, S(160), c.width(), c.height() - S(160), {150, 110, 70});
  beakerShape(c, S, 70, 50, 100, 110, {70, 140, 220}, 0.6);
  for (int i = 0; i < 14; ++i) c.ring(S(85 + (i * 37) % 75), S(150 - (i * 23) % 55), std::max(1, S(2 + i % 3)), kWhite);
  label(c, S(120), S(20), "ΠΟΤΗΡΙ ΖΕΣΕΩΣ");
  label(c, S(205), S(120), "ΔΙΑΛΥΜΑ", {30, 70, 140});
}

void drawLattice(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {245, 245, 250}, {215, 220, 235});
  for (int k = 0; k < 2; ++k)
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) {
        const double x = 50 + i * 40 + k * 18, y = 40 + j * 32 - k * 14;
        if (i < 3) c.line(S(x), S(y), S(x + 40), S(y), {120, 120, 140});
        if (j < 3) c.line(S(x), S(y), S(x), S(y + 32), {120, 120, 140});
      }
  for (int k = 1; k >= 0; --k)
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) {
        const double x = 50 + i * 40 + k * 18, y = 40 + j * 32 - k * 14;
        if ((i + j + k) % 2)
          c.shadedBall(S(x), S(y), S(13), {60, 190, 70});
        else
          c.shadedBall(S(x), S(y), S(7), {150, 90, 200});
      }
  label(c, S(60), S(165), "Na+", {110, 50, 160});
  label(c, S(180), S(165), "Cl-", {30, 130, 40});
}

void drawRust(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {225, 230, 220}, {180, 190, 175});
  c.fillPolygon({{S(30), S(85)}, {S(190), S(85)}, {S(215), S(95)}, {S(190), S(105)}, {S(30), S(105)}}, {140, 145, 150});
  c.fillRect(S(20), S(75), S(14), S(40), {120, 125, 130});
  for (int i = 0; i < 9; ++i)
    c.fillEllipse(S(50 + i * 17), S(90 + (i % 3) * 5), S(8 + i % 4), S(5), {170, static_cast<uint8_t>(80 + i * 3), 30});
  for (int i = 0; i < 4; ++i) c.shadedBall(S(60 + i * 40), S(130), S(5), {120, 170, 230});
  label(c, S(120), S(30), "ΣΚΟΥΡΙΑ: Fe2O3", {150, 60, 20});
  label(c, S(120), S(155), "ΝΕΡΟ + ΟΞΥΓΟΝΟ", {40, 90, 160});
}

void drawMine(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), S(60), {130, 180, 230}, {200, 225, 245});
  c.fillPolygon({{0, S(60)},
                 {S(70), S(20)},
                 {S(140), S(55)},
                 {S(190), S(30)},
                 {c.width(), S(60)},
                 {c.width(), c.height()},
                 {0, c.height()}},
                {120, 95, 70});
  c.fillRect(0, S(100), c.width(), S(25), {100, 80, 60});
  c.fillRect(0, S(140), c.width(), c.height() - S(140), {80, 65, 50});
  for (int i = 0; i < 12; ++i) c.fillEllipse(S(20 + i * 19), S(112 + (i % 2) * 4), S(6), S(3), {200, 170, 60});
  c.fillRect(S(150), S(60), S(12), S(60), {60, 45, 30});
  c.fillRect(S(150), S(112), S(70), S(12), {60, 45, 30});
  label(c, S(70), S(150), "ΦΛΕΒΑ ΜΕΤΑΛΛΕΥΜΑΤΟΣ", {250, 220, 120});
  label(c, S(185), S(45), "ΣΤΟΑ", {40, 30, 20});
}

void drawFactory(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {150, 190, 230}, {230, 235, 240});
  c.fillRect(0, S(150), c.width(), c.height() - S(150), {110, 140, 80});
  c.fillRect(S(40), S(95), S(150), S(55), {170, 80, 60});
  c.fillPolygon({{S(40), S(95)},
                 {S(70), S(75)},
                 {S(70), S(95)},
                 {S(100), S(75)},
                 {S(100), S(95)},
                 {S(130), S(75)},
                 {S(130), S(95)}},
                {150, 70, 50});
  c.fillRect(S(150), S(40), S(14), S(55), {120, 60, 50});
  c.fillRect(S(172), S(55), S(12), S(40), {120, 60, 50});
  for (int i = 0; i < 5; ++i)
    c.fillCircle(S(160 + i * 12), S(32 - i * 5), S(8 + i * 2), mix({200, 200, 200}, {240, 240, 240}, i / 5.0));
  for (int i = 0; i < 5; ++i) c.fillRect(S(52 + i * 26), S(112), S(14), S(14), {250, 230, 150});
  label(c, S(100), S(160), "ΧΗΜΙΚΗ ΒΙΟΜΗΧΑΝΙΑ", {40, 60, 30});
}

void drawVolcano(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {60, 60, 90}, {200, 150, 120});
  c.fillPolygon({{S(10), S(170)}, {S(100), S(60)}, {S(140), S(60)}, {S(230), S(170)}}, {90, 70, 60});
  c.fillPolygon({{S(105), S(62)}, {S(135), S(62)}, {S(150), S(120)}, {S(128), S(100)}, {S(110), S(130)}},
                {230, 90, 20});
  for (int i = 0; i < 6; ++i) c.fillCircle(S(120 + (i % 3 - 1) * 15), S(45 - i * 6), S(8 + i), {150, 150, 150});
  c.fillEllipse(S(60), S(150), S(14), S(6), {240, 220, 40});
  label(c, S(60), S(160), "ΘΕΙΟ", {230, 210, 40});
  label(c, S(190), S(20), "ΗΦΑΙΣΤΕΙΟ", kWhite);
}

void drawElectrolysis(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {240, 244, 250}, {210, 218, 232});
  beakerShape(c, S, 50, 70, 140, 90, {150, 200, 240}, 0.75);
  c.fillRect(S(80), S(50), S(8), S(100), {90, 90, 90});
  c.fillRect(S(152), S(50), S(8), S(100), {90, 90, 90});
  c.line(S(84), S(50), S(84), S(25), kInk);
  c.line(S(156), S(50), S(156), S(25), kInk);
  c.line(S(84), S(25), S(105), S(25), kInk);
  c.line(S(135), S(25), S(156), S(25), kInk);
  c.fillRect(S(105), S(15), S(30), S(20), {60, 60, 70});
  c.fillRect(S(110), S(19), S(8), S(12), {220, 60, 50});
  for (int i = 0; i < 8; ++i) {
    c.ring(S(76 - (i % 2) * 6), S(140 - i * 9), std::max(1, S(3)), kWhite);
    c.ring(S(164 + (i % 2) * 5), S(140 - i * 11), std::max(1, S(2)), kWhite);
  }
  label(c, S(40), S(40), "- H2", {40, 60, 160});
  label(c, S(200), S(40), "+ O2", {160, 40, 40});
  label(c, S(120), S(166), "ΗΛΕΚΤΡΟΛΥΣΗ ΝΕΡΟΥ");
}

void drawDistillation(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {245, 245, 240}, {220, 220, 210});
  c.fillCircle(S(55), S(100), S(30), kGlass);
  c.fillRect(S(30), S(100), S(50), S(28), {200, 120, 160});
  c.fillCircle(S(55), S(100), S(30), kGlass);
  c.fillEllipse(S(55), S(112), S(26), S(15), {200, 120, 160});
  c.ring(S(55), S(100), S(30), kInk);
  c.line(S(55), S(70), S(55), S(45), kInk, std::max(1, S(3)));
  c.line(S(55), S(45), S(175), S(95), {90, 150, 200}, std::max(1, S(8)));
  c.line(S(55), S(45), S(175), S(95), kInk);
  c.fillEllipse(S(55), S(150), S(10), S(14), {240, 140, 40});
  c.fillEllipse(S(55), S(154), S(5), S(8), {80, 120, 230});
  c.fillPolygon({{S(165), S(160)}, {S(205), S(160)}, {S(190), S(110)}, {S(180), S(110)}}, kGlass);
  c.fillPolygon({{S(168), S(160)}, {S(202), S(160)}, {S(195), S(140)}, {S(175), S(140)}}, {240, 240, 255});
  label(c, S(120), S(20), "ΑΠΟΣΤΑΞΗ");
  label(c, S(130), S(60), "ΨΥΚΤΗΡΑΣ", {40, 90, 150});
  label(c, S(185), S(170), "ΑΠΟΣΤΑΓΜΑ");
}

void drawPhScale(Canvas& c, const Scaled& S) {
  c.fillRect(0, 0, c.width(), c.height(), {250, 250, 245});
  const Rgb colours[] = {{220, 30, 30},  {235, 70, 40},  {245, 120, 40}, {250, 170, 40}, {250, 210, 40},
                         {230, 230, 40}, {170, 210, 50}, {90, 180, 60},  {40, 160, 110}, {40, 140, 170},
                         {50, 110, 190}, {60, 80, 190},  {80, 60, 170},  {100, 50, 150}, {90, 40, 120}};
  const double w = 210.0 / 15;
  for (int i = 0; i < 15; ++i) {
    c.fillRect(S(15 + i * w), S(70), S(w) + 1, S(40), colours[i]);
    c.textCentered(S(15 + i * w + w / 2), S(118), std::to_string(i), kInk, 1);
  }
  label(c, S(40), S(45), "ΟΞΙΝΟ", {200, 30, 30});
  label(c, S(120), S(45), "ΟΥΔΕΤΕΡΟ", {60, 140, 60});
  label(c, S(200), S(45), "ΒΑΣΙΚΟ", {80, 50, 160});
  label(c, S(120), S(150), "ΚΛΙΜΑΚΑ pH");
}

void ballAndStick(Canvas& c, const Scaled& S,
                  const std::vector<std::tuple<double, double, double, Rgb, const char*>>& atoms,
                  const std::vector<std::pair<int, int>>& bonds) {
  for (auto [a, b] : bonds)
    c.line(S(std::get<0>(atoms[a])), S(std::get<1>(atoms[a])), S(std::get<0>(atoms[b])), S(std::get<1>(atoms[b])),
           {110, 110, 110}, std::max(2, S(5)));
  for (const auto& [x, y, r, colour, name] : atoms) {
    c.shadedBall(S(x), S(y), S(r), colour);
    c.textCentered(S(x), S(y) - 3, name, colour == Rgb{235, 235, 235} ? kInk : kWhite, 1);
  }
}

void drawWater(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {235, 245, 255}, {190, 215, 240});
  ballAndStick(
      c, S,
      {{120, 80, 28, {220, 40, 40}, "O"}, {65, 125, 18, {235, 235, 235}, "H"}, {175, 125, 18, {235, 235, 235}, "H"}},
      {{0, 1}, {0, 2}});
  label(c, S(120), S(150),
        "104,5"
        "\xC2\xB0");
  label(c, S(120), S(20), "ΜΟΡΙΟ ΝΕΡΟΥ H2O");
}

void drawMethane(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {245, 245, 235}, {215, 215, 195});
  ballAndStick(c, S,
               {{120, 95, 24, {70, 70, 70}, "C"},
                {120, 40, 15, {235, 235, 235}, "H"},
                {65, 125, 15, {235, 235, 235}, "H"},
                {175, 125, 15, {235, 235, 235}, "H"},
                {140, 145, 15, {235, 235, 235}, "H"}},
               {{0, 1}, {0, 2}, {0, 3}, {0, 4}});
  label(c, S(120), S(168), "ΜΕΘΑΝΙΟ CH4");
}

void drawPeriodic(Canvas& c, const Scaled& S) {
  c.fillRect(0, 0, c.width(), c.height(), {250, 250, 250});
  auto cell = [&](int col, int row, Rgb colour) {
    c.fillRect(S(12 + col * 12), S(30 + row * 14), S(11), S(13), colour);
  };
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 18; ++col) {
      if (row == 0 && col > 0 && col < 17) continue;
      if ((row == 1 || row == 2) && col > 1 && col < 12) continue;
      cell(col, row,
           col < 2     ? Rgb{230, 120, 110}
           : col < 12  ? Rgb{240, 200, 110}
           : col == 17 ? Rgb{150, 170, 230}
                       : Rgb{140, 200, 140});
    }
  for (int row = 0; row < 2; ++row)
    for (int col = 2; col < 16; ++col) c.fillRect(S(12 + col * 12), S(136 + row * 14), S(11), S(13), {200, 160, 220});
  label(c, S(30), S(15), "s", {180, 60, 50});
  label(c, S(96), S(15), "d", {180, 130, 30});
  label(c, S(190), S(15), "p", {50, 130, 50});
  label(c, S(120), S(170), "f", {130, 70, 160});
}

void drawScroll(Canvas& c, const Scaled& S) {
  c.fillRect(0, 0, c.width(), c.height(), {90, 60, 40});
  c.verticalGradient(S(30), S(20), S(180), S(140), {240, 225, 180}, {220, 195, 140});
  c.fillEllipse(S(30), S(90), S(8), S(72), {200, 170, 120});
  c.fillEllipse(S(210), S(90), S(8), S(72), {200, 170, 120});
  c.ring(S(80), S(70), S(18), {120, 60, 30}, 2);
  c.fillCircle(S(80), S(70), S(4), {120, 60, 30});
  c.fillPolygon({{S(150), S(50)}, {S(170), S(85)}, {S(130), S(85)}}, {120, 60, 30});
  c.line(S(60), S(110), S(190), S(110), {140, 100, 70});
  c.line(S(60), S(122), S(170), S(122), {140, 100, 70});
  c.line(S(60), S(134), S(180), S(134), {140, 100, 70});
  label(c, S(120), S(145), "ΑΛΧΗΜΕΙΑ", {110, 50, 20});
}

void drawStates(Canvas& c, const Scaled& S) {
  c.fillRect(0, 0, c.width(), c.height(), {248, 248, 252});
  const char* names[] = {"ΣΤΕΡΕΟ", "ΥΓΡΟ", "ΑΕΡΙΟ"};
  for (int b = 0; b < 3; ++b) {
    const int x = 12 + b * 77;
    c.frameRect(S(x), S(40), S(68), S(90), kInk, std::max(1, S(2)));
    for (int i = 0; i < 16; ++i) {
      double px, py;
      if (b == 0) {
        px = x + 12 + (i % 4) * 14;
        py = 78 + (i / 4) * 14;
      } else if (b == 1) {
        px = x + 10 + (i * 29) % 50;
        py = 82 + (i * 13) % 42;
      } else if (i < 7) {
        px = x + 8 + (i * 37) % 54;
        py = 48 + (i * 31) % 76;
      } else
        continue;
      c.shadedBall(S(px), S(py), S(6), {70, 120, 210});
    }
    label(c, S(x + 34), S(145), names[b]);
  }
  label(c, S(120), S(15), "ΚΑΤΑΣΤΑΣΕΙΣ ΤΗΣ ΥΛΗΣ");
}

void drawGraph(Canvas& c, const Scaled& S) {
  c.fillRect(0, 0, c.width(), c.height(), kWhite);
  for (int i = 1; i < 8; ++i) c.line(S(30 + i * 25), S(20), S(30 + i * 25), S(150), {225, 225, 235});
  c.line(S(30), S(150), S(220), S(150), kInk, 2);
  c.line(S(30), S(150), S(30), S(15), kInk, 2);
  int px = 30, py = 148;
  for (int i = 1; i <= 38; ++i) {
    const double x = 30 + i * 5, y = 148 - 125 * (1 - std::exp(-i / 9.0));
    c.line(S(px), S(py), S(x), S(y), {200, 50, 50}, std::max(1, S(2)));
    px = static_cast<int>(x);
    py = static_cast<int>(y);
  }
  label(c, S(125), S(163), "ΧΡΟΝΟΣ");
  label(c, S(70), S(8), "ΠΡΟΪΟΝ", {200, 50, 50});
}

void drawFireworks(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {5, 5, 25}, {30, 30, 70});
  const std::tuple<int, int, Rgb, const char*> bursts[] = {{50, 55, {250, 200, 40}, "Na"},
                                                           {120, 40, {230, 40, 40}, "Sr"},
                                                           {190, 60, {60, 220, 120}, "Ba"},
                                                           {120, 110, {60, 140, 250}, "Cu"}};
  for (const auto& [x, y, colour, name] : bursts) {
    for (int k = 0; k < 16; ++k) {
      const double a = k * kPi / 8;
      c.line(S(x + 6 * std::cos(a)), S(y + 6 * std::sin(a)), S(x + 26 * std::cos(a)), S(y + 26 * std::sin(a)), colour);
      c.fillCircle(S(x + 28 * std::cos(a)), S(y + 28 * std::sin(a)), std::max(1, S(2)), mix(colour, kWhite, 0.5));
    }
    c.textCentered(S(x), S(y) - 3, name, kWhite, 1);
  }
  label(c, S(120), S(160), "ΧΡΩΜΑΤΑ ΦΛΟΓΑΣ", {250, 230, 150});
}

void drawEarth(Canvas& c, const Scaled& S) {
  c.fillRect(0, 0, c.width(), c.height(), {10, 15, 40});
  c.fillCircle(S(90), S(95), S(80), {60, 110, 200});
  c.fillPolygon({{S(90), S(95)}, {S(170), S(95)}, {S(90), S(15)}}, {10, 15, 40});
  c.fillCircle(S(90), S(95), S(70), {210, 110, 40});
  c.fillCircle(S(90), S(95), S(40), {240, 180, 50});
  c.fillCircle(S(90), S(95), S(18), {255, 240, 180});
  c.fillPolygon({{S(90), S(95)}, {S(175), S(95)}, {S(175), S(10)}, {S(90), S(10)}}, {10, 15, 40});
  c.fillRect(S(90), S(15), S(80), S(80), {10, 15, 40});
  label(c, S(200), S(30), "ΦΛΟΙΟΣ", kWhite);
  label(c, S(200), S(60), "ΜΑΝΔΥΑΣ", {240, 160, 80});
  label(c, S(200), S(90), "ΠΥΡΗΝΑΣ", {250, 220, 120});
  c.line(S(176), S(33), S(160), S(60), kWhite);
  c.line(S(176), S(63), S(140), S(80), {240, 160, 80});
  c.line(S(176), S(93), S(110), S(95), {250, 220, 120});
}

void drawSaltPans(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), S(70), {120, 170, 230}, {220, 235, 250});
  c.fillCircle(S(200), S(30), S(14), {255, 230, 120});
  c.verticalGradient(0, S(70), c.width(), c.height() - S(70), {50, 120, 180}, {30, 80, 140});
  for (int i = 0; i < 3; ++i) {
    c.fillRect(S(20 + i * 72), S(100), S(60), S(40), mix({90, 160, 200}, {240, 240, 240}, i / 2.0));
    c.frameRect(S(20 + i * 72), S(100), S(60), S(40), {160, 140, 110}, 2);
  }
  c.fillPolygon({{S(170), S(98)}, {S(190), S(75)}, {S(210), S(98)}}, {250, 250, 250});
  label(c, S(120), S(160), "ΑΛΥΚΗ: ΕΞΑΤΜΙΣΗ", kWhite);
}

void drawBalance(Canvas& c, const Scaled& S) {
  c.verticalGradient(0, 0, c.width(), c.height(), {245, 240, 230}, {215, 205, 185});
  c.fillRect(S(115), S(40), S(10), S(110), {120, 100, 60});
  c.fillRect(S(80), S(150), S(80), S(10), {120, 100, 60});
  c.line(S(40), S(50), S(200), S(50), {120, 100, 60}, std::max(1, S(4)));
  for (int side : {40, 200}) {
    c.line(S(side), S(50), S(side - 25), S(100), kInk);
    c.line(S(side), S(50), S(side + 25), S(100), kInk);
    c.fillEllipse(S(side), S(102), S(30), S(6), {180, 150, 80});
  }
  c.shadedBall(S(40), S(88), S(9), {200, 60, 60});
  c.fillRect(S(188), S(82), S(24), S(14), {90, 90, 200});
  label(c, S(120), S(20), "ΔΙΑΤΗΡΗΣΗ ΤΗΣ ΜΑΖΑΣ");
}

using Recipe = std::function<void(Canvas&, const Scaled&)>;
const std::vector<std::pair<std::string_view, Recipe>>& recipes() {
  static const std::vector<std::pair<std::string_view, Recipe>> list = {{"flame", drawFlame},
                                                                        {"beaker", drawBeaker},
                                                                        {"lattice", drawLattice},
                                                                        {"rust", drawRust},
                                                                        {"mine", drawMine},
                                                                        {"factory", drawFactory},
                                                                        {"volcano", drawVolcano},
                                                                        {"electrolysis", drawElectrolysis},
                                                                        {"distillation", drawDistillation},
                                                                        {"phscale", drawPhScale},
                                                                        {"water", drawWater},
                                                                        {"methane", drawMethane},
                                                                        {"periodic", drawPeriodic},
                                                                        {"scroll", drawScroll},
                                                                        {"states", drawStates},
                                                                        {"graph", drawGraph},
                                                                        {"fireworks", drawFireworks},
                                                                        {"earth", drawEarth},
                                                                        {"saltpans", drawSaltPans},
                                                                        {"balance", drawBalance}};
  return list;
}

// Small icon of a section, drawn in a tile of the menu.
void tile(Canvas& c, int left, int top, int w, int h, Rgb base) {
  c.verticalGradient(left, top, w, h, mix(base, kWhite, 0.35), mix(base, kBlack, 0.3));
  c.frameRect(left, top, w, h, mix(base, kWhite, 0.6));
}

}  // namespace

const std::vector<std::string_view>& illustrationNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> n;
    for (const auto& [name, recipe] : recipes()) n.push_back(name);
    return n;
  }();
  return names;
}

Canvas drawIllustration(std::string_view name, int width, int height) {
  for (const auto& [n, recipe] : recipes()) {
    if (n != name) continue;
    Canvas c(width, height);
    recipe(c, Scaled{c, std::min(width / 240.0, height / 180.0)});
    c.frameRect(0, 0, width, height, {90, 90, 110});
    return c;
  }
  return Canvas(0, 0);
}

const std::vector<MenuRegion>& menuRegions() {
  static const std::vector<MenuRegion> regions = {
      {40, 239, 98, 291, "cm"},        {40, 161, 98, 213, "struct"}, {39, 84, 98, 136, "ec"},
      {166, 20, 225, 72, "ca"},        {285, 20, 344, 72, "source"}, {395, 20, 454, 72, "history"},
      {530, 85, 588, 136, "concepts"}, {529, 162, 587, 213, "pte"},  {529, 240, 588, 291, "da"}};
  return regions;
}

namespace {
struct RegionLook {
  const char* line1;
  const char* line2;
  Rgb colour;
  const char* illustration;
  const char* blurb1;
  const char* blurb2;
};
const RegionLook kLooks[9] = {
    {"ΑΛΛΑΓΗ ΤΩΝ", "ΥΛΙΚΩΝ", {200, 90, 40}, "flame", "ΚΑΥΣΗ, ΟΞΕΙΔΩΣΗ, ΟΞΕΑ,", "ΒΑΣΕΙΣ ΚΑΙ ΤΑΧΥΤΗΤΑ"},
    {"ΔΟΜΕΣ", "", {60, 150, 90}, "lattice", "ΑΤΟΜΑ, ΔΕΣΜΟΙ ΚΑΙ", "ΚΡΥΣΤΑΛΛΟΙ"},
    {"ΣΤΟΙΧΕΙΑ ΚΑΙ", "ΕΝΩΣΕΙΣ", {170, 60, 150}, "methane", "ΟΛΑ ΤΑ ΣΤΟΙΧΕΙΑ ΚΑΙ", "ΟΙ ΕΝΩΣΕΙΣ ΤΟΥΣ"},
    {"Η ΧΗΜΕΙΑ", "ΣΤΗΝ ΠΡΑΞΗ", {60, 110, 190}, "factory", "ΒΙΟΜΗΧΑΝΙΑ, ΤΡΟΦΙΜΑ,", "ΦΑΡΜΑΚΑ, ΥΛΙΚΑ"},
    {"ΠΗΓΕΣ", "", {150, 110, 50}, "mine", "ΑΕΡΑΣ, ΘΑΛΑΣΣΑ, ΟΡΥΚΤΑ", "ΚΑΙ ΠΕΤΡΕΛΑΙΟ"},
    {"ΙΣΤΟΡΙΑ", "", {130, 90, 60}, "scroll", "ΑΠΟ ΤΟΝ ΔΗΜΟΚΡΙΤΟ", "ΣΤΗ ΣΥΓΧΡΟΝΗ ΧΗΜΕΙΑ"},
    {"ΕΝΝΟΙΕΣ", "", {40, 140, 160}, "balance", "ΜΑΖΑ, ΜΟΛ, ΕΝΕΡΓΕΙΑ", "ΚΑΙ ΙΣΟΡΡΟΠΙΑ"},
    {"ΠΕΡΙΟΔΙΚΟΣ", "ΠΙΝΑΚΑΣ", {200, 150, 40}, "periodic", "118 ΣΤΟΙΧΕΙΑ ΣΕ", "ΤΕΣΣΕΡΙΣ ΑΠΟΨΕΙΣ"},
    {"ΑΝΑΛΥΤΗΣ", "ΔΕΔΟΜΕΝΩΝ", {90, 90, 170}, "graph", "ΠΙΝΑΚΕΣ, ΦΙΛΤΡΑ", "ΚΑΙ ΓΡΑΦΗΜΑΤΑ"},
};

void drawRegionIcon(Canvas& c, int region) {
  const auto& r = menuRegions()[region];
  const int w = r.right - r.left + 1, h = r.bottom - r.top + 1;
  const auto& look = kLooks[region];
  tile(c, r.left, r.top, w, h, look.colour);
  gLabels = false;
  Canvas icon = drawIllustration(look.illustration, w - 6, (w - 6) * 3 / 4);
  gLabels = true;
  c.paste(icon, r.left + 3, r.top + (h - icon.height()) / 2);
  // Captions: above the top row of tiles, below the others.
  const bool above = r.top < 80;
  const int cx = (r.left + r.right) / 2;
  const auto l1 = cp(look.line1), l2 = cp(look.line2);
  if (above) {
    c.textCentered(cx, r.top - 11, l2.empty() ? l1 : l1 + " " + l2, {230, 235, 245});
  } else {
    c.textCentered(cx, r.bottom + 4, l1, {230, 235, 245});
    if (!l2.empty()) c.textCentered(cx, r.bottom + 13, l2, {230, 235, 245});
  }
}
}  // namespace

Canvas drawMainMenu() {
  Canvas c(kMenuWidth, kMenuHeight);
  c.verticalGradient(0, 0, kMenuWidth, kMenuHeight, {22, 38, 72}, {8, 14, 34});
  for (int i = 0; i < 40; ++i) c.blend((i * 97) % kMenuWidth, (i * 53) % kMenuHeight, {200, 210, 255}, 0.6);
  for (int region = 0; region < 9; ++region) drawRegionIcon(c, region);
  // The panel: the program's name over a faint periodic table.
  c.verticalGradient(kHighlightX, kHighlightY, kHighlightWidth, kHighlightHeight, {240, 244, 250}, {200, 212, 232});
  c.frameRect(129, 99, 373, 195, {120, 140, 170}, 2);
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 18; ++col) {
      if ((row == 0 && col > 0 && col < 17) || ((row == 1 || row == 2) && col > 1 && col < 12)) continue;
      c.fillRect(kHighlightX + 40 + col * 16, kHighlightY + 70 + row * 14, 15, 13, {218, 226, 240});
    }
  c.textCentered(kHighlightX + kHighlightWidth / 2, kHighlightY + 22, "VANTOREL", kBar, 4);
  c.textCentered(kHighlightX + kHighlightWidth / 2, kHighlightY + 62, cp("ΕΓΚΥΚΛΟΠΑΙΔΕΙΑ ΧΗΜΕΙΑΣ"), kInk, 2);
  c.textCentered(kHighlightX + kHighlightWidth / 2, kHighlightY + 168, cp("ΕΠΙΛΕΞΤΕ ΜΙΑ ΕΝΟΤΗΤΑ"), {90, 100, 120}, 1);
  return c;
}

Canvas drawHighlight(int region) {
  Canvas c(kHighlightWidth, kHighlightHeight);
  if (region < 0 || region > 8) return c;
  const auto& look = kLooks[region];
  c.verticalGradient(0, 0, kHighlightWidth, kHighlightHeight, mix(look.colour, kWhite, 0.8),
                     mix(look.colour, kWhite, 0.45));
  c.fillRect(0, 0, kHighlightWidth, 34, look.colour);
  std::string title = cp(look.line1);
  if (*look.line2) title += " " + cp(look.line2);
  c.textCentered(kHighlightWidth / 2, 10, title, kWhite, 2);
  Canvas picture = drawIllustration(look.illustration, 200, 150);
  c.paste(picture, 160, 38);
  c.text(10, 70, cp(look.blurb1), kInk, 1);
  c.text(10, 82, cp(look.blurb2), kInk, 1);
  c.text(10, 160, cp("ΚΑΝΤΕ ΚΛΙΚ ΓΙΑ ΕΙΣΟΔΟ"), mix(look.colour, kBlack, 0.3), 1);
  return c;
}

std::vector<int> shellOccupancy(int z) {
  // Filling order of the subshells; the shell of each is its principal number.
  static const std::pair<int, int> kOrder[] = {{1, 2}, {2, 2}, {2, 6},  {3, 2},  {3, 6}, {4, 2},  {3, 10},
                                               {4, 6}, {5, 2}, {4, 10}, {5, 6},  {6, 2}, {4, 14}, {5, 10},
                                               {6, 6}, {7, 2}, {5, 14}, {6, 10}, {7, 6}};
  std::vector<int> shells;
  int left = std::clamp(z, 0, 118);
  for (auto [shell, capacity] : kOrder) {
    if (left <= 0) break;
    const int n = std::min(left, capacity);
    if (static_cast<int>(shells.size()) < shell) shells.resize(shell, 0);
    shells[shell - 1] += n;
    left -= n;
  }
  return shells;
}

Canvas drawAtom(int z, std::string_view symbol) {
  Canvas c(200, 200);
  c.verticalGradient(0, 0, 200, 200, {250, 250, 255}, {220, 228, 245});
  const auto shells = shellOccupancy(z);
  const int n = static_cast<int>(shells.size());
  const int step = n > 0 ? std::min(22, 78 / n) : 22;
  for (int s = 0; s < n; ++s) {
    const int r = 20 + step * (s + 1);
    c.ring(100, 100, r, {120, 130, 170});
    for (int e = 0; e < shells[s]; ++e) {
      const double a = 2 * kPi * e / shells[s] - kPi / 2 + s * 0.3;
      c.shadedBall(static_cast<int>(100 + r * std::cos(a)), static_cast<int>(100 + r * std::sin(a)), 3, {40, 90, 220});
    }
  }
  c.shadedBall(100, 100, 17, {210, 60, 50});
  c.textCentered(100, 93, symbol, kWhite, 2);
  std::string counts;
  for (int s = 0; s < n; ++s) counts += (s ? "," : "") + std::to_string(shells[s]);
  c.textCentered(100, 186, counts, kInk, 1);
  c.frameRect(0, 0, 200, 200, {90, 90, 110});
  return c;
}

const std::vector<std::string_view>& animationNames() {
  static const std::vector<std::string_view> names = {"bubbles", "electrolysis", "orbits", "dissolve"};
  return names;
}

Canvas drawAnimationFrame(std::string_view name, int frame, int frames) {
  const double t = frames > 0 ? double(frame) / frames : 0;
  if (name == "electrolysis") {
    Canvas c = drawIllustration("electrolysis", 160, 120);
    for (int i = 0; i < 6; ++i) {
      const int y = 100 - static_cast<int>(std::fmod(t * 80 + i * 13, 60));
      c.ring(50, y, 2, kWhite);
      c.ring(104, y + 5, 1, kWhite);
    }
    return c;
  }
  if (name == "orbits") {
    Canvas c(160, 120, {10, 15, 40});
    c.shadedBall(80, 60, 12, {210, 60, 50});
    const int radii[] = {24, 40, 54};
    const int count[] = {2, 8, 1};
    for (int s = 0; s < 3; ++s) {
      c.ring(80, 60, radii[s], {80, 90, 140});
      for (int e = 0; e < count[s]; ++e) {
        const double a = 2 * kPi * (e / double(count[s]) + t * (3 - s) / 3.0);
        c.shadedBall(static_cast<int>(80 + radii[s] * std::cos(a)), static_cast<int>(60 + radii[s] * std::sin(a)), 3,
                     {90, 150, 250});
      }
    }
    c.text(4, 110, "Na: 2,8,1", kWhite, 1);
    return c;
  }
  if (name == "dissolve") {
    Canvas c(160, 120, {235, 240, 248});
    Scaled S{c, 160 / 240.0};
    beakerShape(c, S, 40, 30, 160, 130, {170, 210, 245}, 0.8);
    const int left = static_cast<int>(9 * (1 - t));
    for (int i = 0; i < left; ++i) c.fillRect(70 + (i % 3) * 7, 92 + (i / 3) * 7, 6, 6, kWhite);
    for (int i = 0; i < 9 - left; ++i) {
      const double a = i * 2.1 + t * 3;
      c.shadedBall(static_cast<int>(80 + 40 * std::cos(a) * t), static_cast<int>(75 + 18 * std::sin(a * 1.3) * t), 3,
                   i % 2 ? Rgb{60, 190, 70} : Rgb{150, 90, 200});
    }
    return c;
  }
  Canvas c = drawIllustration("beaker", 160, 120);
  for (int i = 0; i < 10; ++i) {
    const int y = 105 - static_cast<int>(std::fmod(t * 120 + i * 11, 70));
    c.ring(58 + (i * 17) % 50, y, 2 + i % 2, kWhite);
  }
  return c;
}

std::string makeAvi(const std::vector<Canvas>& frames, int fps) {
  if (frames.empty()) return {};
  const int w = frames[0].width(), h = frames[0].height();
  const uint32_t frameSize = bmpRowSize(w) * static_cast<uint32_t>(h);
  auto chunk = [](std::string_view id, std::string_view body) {
    std::string out(id);
    putU32(out, static_cast<uint32_t>(body.size()));
    out += body;
    if (body.size() % 2) out += '\0';
    return out;
  };
  auto list = [&](std::string_view type, std::string_view body) {
    return chunk("LIST", std::string(type) + std::string(body));
  };
  std::string avih;
  putU32(avih, 1000000 / static_cast<uint32_t>(fps));
  putU32(avih, frameSize * static_cast<uint32_t>(fps));
  putU32(avih, 0);
  putU32(avih, 0x10);  // has index
  putU32(avih, static_cast<uint32_t>(frames.size()));
  putU32(avih, 0);
  putU32(avih, 1);
  putU32(avih, frameSize);
  putU32(avih, static_cast<uint32_t>(w));
  putU32(avih, static_cast<uint32_t>(h));
  avih.append(16, '\0');
  std::string strh = "vids";
  strh += std::string("DIB ");
  putU32(strh, 0);
  putU16(strh, 0);
  putU16(strh, 0);
  putU32(strh, 0);
  putU32(strh, 1);
  putU32(strh, static_cast<uint32_t>(fps));
  putU32(strh, 0);
  putU32(strh, static_cast<uint32_t>(frames.size()));
  putU32(strh, frameSize);
  putU32(strh, 0xFFFFFFFF);
  putU32(strh, 0);
  putU16(strh, 0);
  putU16(strh, 0);
  putU16(strh, static_cast<uint16_t>(w));
  putU16(strh, static_cast<uint16_t>(h));
  std::string strf;
  putU32(strf, 40);
  putI32(strf, w);
  putI32(strf, h);
  putU16(strf, 1);
  putU16(strf, 24);
  putU32(strf, 0);
  putU32(strf, frameSize);
  strf.append(16, '\0');
  const std::string hdrl = list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));
  std::string movi, index;
  uint32_t offset = 4;
  for (const auto& f : frames) {
    const std::string bmp = f.toBmp();
    const auto bits = std::string_view(bmp).substr(54);
    index += "00db";
    putU32(index, 0x10);
    putU32(index, offset);
    putU32(index, static_cast<uint32_t>(bits.size()));
    const auto c = chunk("00db", bits);
    movi += c;
    offset += static_cast<uint32_t>(c.size());
  }
  const std::string body = "AVI " + hdrl + list("movi", movi) + chunk("idx1", index);
  return chunk("RIFF", body);
}

}  // namespace vantorel::data
