// Draws the program's icon, a plane ticket on a sky-blue tile, and writes it
// as a 128 x 128, 32-bit icon file and as the same bytes in C initialiser
// form for the window descriptions.
//
//   make_icon tavrino.ico tavrino_icon.inc
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {
constexpr int kSize = 128;
constexpr int kSamples = 4;  // per axis, for smooth edges

struct Color {
  double r, g, b, a;
};

struct Point {
  double x, y;
};

bool InPolygon(const std::vector<Point>& poly, double x, double y) {
  bool inside = false;
  for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    if ((poly[i].y > y) != (poly[j].y > y) &&
        x < (poly[j].x - poly[i].x) * (y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x) {
      inside = !inside;
    }
  }
  return inside;
}

bool InRoundedRect(double x, double y, double left, double top, double right, double bottom,
                   double radius) {
  if (x < left || x > right || y < top || y > bottom) return false;
  double cx = x < left + radius ? left + radius : x > right - radius ? right - radius : x;
  double cy = y < top + radius ? top + radius : y > bottom - radius ? bottom - radius : y;
  return std::hypot(x - cx, y - cy) <= radius;
}

const std::vector<Point> kPlane = {
    {28, 62}, {40, 62}, {47, 44}, {53, 44}, {50, 62}, {66, 62}, {71, 63}, {72, 64},
    {71, 65}, {66, 66}, {50, 66}, {53, 84}, {47, 84}, {40, 66}, {28, 66}, {24, 74},
    {20, 74}, {23, 64}, {20, 54}, {24, 54},
};

Color Sample(double x, double y) {
  const Color sky = {0.16 + 0.10 * (1 - y / kSize), 0.42 + 0.14 * (1 - y / kSize), 0.80, 1};
  const Color paper = {1.0, 0.97, 0.90, 1};
  const Color shadow = {0.07, 0.20, 0.45, 1};
  const Color ink = {0.85, 0.16, 0.16, 1};
  const Color perforation = {0.62, 0.60, 0.56, 1};
  bool ticket = InRoundedRect(x, y, 10, 32, 118, 96, 6) && std::hypot(x - 10, y - 64) > 9 &&
                std::hypot(x - 118, y - 64) > 9;
  if (!ticket) {
    return InRoundedRect(x, y, 13, 35, 121, 99, 6) ? shadow : sky;
  }
  if (InPolygon(kPlane, x, y)) return ink;
  if (x >= 85 && x < 87 && static_cast<int>(y) % 6 < 3 && y > 36 && y < 92) return perforation;
  if (y > 50 && y < 78 && x > 93 && x < 109 && static_cast<int>(x) % 3 == 0) return shadow;
  return paper;
}

std::vector<uint8_t> Render() {
  // Bottom-up BGRA rows, as an icon's colour bitmap stores them.
  std::vector<uint8_t> bgra(kSize * kSize * 4);
  for (int row = 0; row < kSize; ++row) {
    for (int x = 0; x < kSize; ++x) {
      Color sum = {0, 0, 0, 0};
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          Color c = Sample(x + (sx + 0.5) / kSamples, row + (sy + 0.5) / kSamples);
          sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
        }
      }
      double n = kSamples * kSamples;
      uint8_t* p = &bgra[((kSize - 1 - row) * kSize + x) * 4];
      p[0] = static_cast<uint8_t>(std::lround(255 * sum.b / n));
      p[1] = static_cast<uint8_t>(std::lround(255 * sum.g / n));
      p[2] = static_cast<uint8_t>(std::lround(255 * sum.r / n));
      p[3] = static_cast<uint8_t>(std::lround(255 * sum.a / n));
    }
  }
  return bgra;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::vector<uint8_t> IconFile(const std::vector<uint8_t>& bgra) {
  constexpr uint32_t kMaskRow = kSize / 8;  // 1 bit a pixel, rows of whole dwords
  const uint32_t imageBytes = 40 + static_cast<uint32_t>(bgra.size()) + kMaskRow * kSize;
  std::vector<uint8_t> out;
  Put16(out, 0);  // icon directory
  Put16(out, 1);
  Put16(out, 1);
  out.push_back(kSize);  // its one entry
  out.push_back(kSize);
  out.push_back(0);
  out.push_back(0);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, imageBytes);
  Put32(out, 6 + 16);
  Put32(out, 40);  // BITMAPINFOHEADER; the height counts colour and mask
  Put32(out, kSize);
  Put32(out, kSize * 2);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(bgra.size()) + kMaskRow * kSize);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  out.insert(out.end(), bgra.begin(), bgra.end());
  std::vector<uint8_t> mask(kMaskRow * kSize, 0);  // transparent only where alpha is 0
  for (int i = 0; i < kSize * kSize; ++i) {
    if (bgra[i * 4 + 3] == 0) mask[(i / kSize) * kMaskRow + (i % kSize) / 8] |= 0x80 >> (i % 8);
  }
  out.insert(out.end(), mask.begin(), mask.end());
  return out;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icon ICON_FILE INITIALISER_FILE\n");
    return 2;
  }
  std::vector<uint8_t> icon = IconFile(Render());
  FILE* ico = std::fopen(argv[1], "wb");
  FILE* inc = std::fopen(argv[2], "w");
  if (ico == nullptr || inc == nullptr) {
    std::perror("make_icon");
    return 1;
  }
  std::fwrite(icon.data(), 1, icon.size(), ico);
  for (size_t i = 0; i < icon.size(); ++i) {
    std::fprintf(inc, "%u,%c", icon[i], i % 24 == 23 ? '\n' : ' ');
  }
  std::fputc('\n', inc);
  bool written = std::fclose(ico) == 0 && std::fclose(inc) == 0;
  return written ? 0 : 1;
}
