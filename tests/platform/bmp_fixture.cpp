#include "tests/platform/bmp_fixture.h"

namespace dakto::testing {
namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> MakeBmp(int width, int height, int bits, const std::vector<Rgb>& table,
                                  const std::vector<int>& indices, const std::vector<Rgb>& colors) {
  const int rowBytes = ((width * bits + 31) / 32) * 4;
  const int tableBytes = bits <= 8 ? static_cast<int>(table.size()) * 4 : 0;
  const int offset = 14 + 40 + tableBytes;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put(out, offset + rowBytes * height, 4);
  Put(out, 0, 4);
  Put(out, offset, 4);
  Put(out, 40, 4);
  Put(out, width, 4);
  Put(out, height, 4);
  Put(out, 1, 2);
  Put(out, bits, 2);
  Put(out, 0, 4);
  Put(out, rowBytes * height, 4);
  Put(out, 2835, 4);
  Put(out, 2835, 4);
  Put(out, bits <= 8 ? table.size() : 0, 4);
  Put(out, 0, 4);
  if (bits <= 8) {
    for (Rgb c : table) {
      out.push_back(c.blue);
      out.push_back(c.green);
      out.push_back(c.red);
      out.push_back(0);
    }
  }
  for (int y = height - 1; y >= 0; --y) {  // bottom row first
    std::vector<std::uint8_t> row(rowBytes, 0);
    for (int x = 0; x < width; ++x) {
      const int i = y * width + x;
      if (bits == 24) {
        row[x * 3] = colors[i].blue;
        row[x * 3 + 1] = colors[i].green;
        row[x * 3 + 2] = colors[i].red;
      } else if (bits == 8) {
        row[x] = static_cast<std::uint8_t>(indices[i]);
      } else if (bits == 1 && indices[i] != 0) {
        row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace dakto::testing
