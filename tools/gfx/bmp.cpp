#include "tools/gfx/bmp.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace dakto::gfx {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kV5HeaderSize = 124;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dpi

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::uint32_t Get16(const std::vector<std::uint8_t>& in, size_t at) {
  return at + 2 <= in.size() ? static_cast<std::uint32_t>(in[at] | in[at + 1] << 8) : 0;
}

std::uint32_t Get32(const std::vector<std::uint8_t>& in, size_t at) {
  return Get16(in, at) | Get16(in, at + 2) << 16;
}

std::uint32_t RowBytes(int width, int bitCount) {
  return ((static_cast<std::uint32_t>(width) * bitCount + 31) / 32) * 4;
}

// File header and BITMAPINFOHEADER (or the first 40 bytes of a V5 header).
std::vector<std::uint8_t> Headers(int width, int height, int bitCount, std::uint32_t headerSize,
                                  std::uint32_t compression, std::uint32_t colours) {
  const std::uint32_t imageSize = RowBytes(width, bitCount) * static_cast<std::uint32_t>(height);
  const std::uint32_t offset = kFileHeaderSize + headerSize + colours * 4;
  std::vector<std::uint8_t> out;
  out.reserve(offset + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, headerSize);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitCount));
  Put32(out, compression);
  Put32(out, imageSize);
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, colours);
  Put32(out, 0);
  return out;
}

void PadRow(std::vector<std::uint8_t>& out, size_t rowStart, std::uint32_t rowBytes) {
  while (out.size() - rowStart < rowBytes) out.push_back(0);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const Canvas& image) {
  std::vector<std::uint8_t> out = Headers(image.Width(), image.Height(), 24, kInfoHeaderSize, kBiRgb, 0);
  const std::uint32_t rowBytes = RowBytes(image.Width(), 24);
  for (int y = image.Height() - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < image.Width(); ++x) {
      const Rgb8 c = ToRgb8(image.At(x, y));
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    PadRow(out, start, rowBytes);
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp32(const Canvas& image) {
  std::vector<std::uint8_t> out = Headers(image.Width(), image.Height(), 32, kV5HeaderSize, kBiBitfields, 0);
  Put32(out, 0x00FF0000);                     // red mask
  Put32(out, 0x0000FF00);                     // green
  Put32(out, 0x000000FF);                     // blue
  Put32(out, 0xFF000000);                     // alpha
  Put32(out, 0x73524742);                     // colour space 'sRGB'
  for (int i = 0; i < 9; ++i) Put32(out, 0);  // endpoints, unused with sRGB
  for (int i = 0; i < 3; ++i) Put32(out, 0);  // gamma, unused
  Put32(out, 4);                              // intent: pictures
  Put32(out, 0);                              // profile data
  Put32(out, 0);                              // profile size
  Put32(out, 0);                              // reserved
  for (int y = image.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Color c = image.At(x, y);
      const Rgb8 rgb = ToRgb8(c);
      out.push_back(rgb.b);
      out.push_back(rgb.g);
      out.push_back(rgb.r);
      out.push_back(ToByte(c.a));
    }
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp8(int width, int height, const std::vector<std::uint8_t>& indices,
                                     const std::vector<Rgb8>& palette) {
  std::vector<std::uint8_t> out = Headers(width, height, 8, kInfoHeaderSize, kBiRgb, 256);
  for (size_t i = 0; i < 256; ++i) {
    const Rgb8 c = i < palette.size() ? palette[i] : Rgb8{};
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  const std::uint32_t rowBytes = RowBytes(width, 8);
  for (int y = height - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < width; ++x) {
      const size_t i = static_cast<size_t>(y) * width + x;
      out.push_back(i < indices.size() ? indices[i] : 0);
    }
    PadRow(out, start, rowBytes);
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp1(int width, int height, const std::vector<std::uint8_t>& bits,
                                     Rgb8 color0, Rgb8 color1) {
  std::vector<std::uint8_t> out = Headers(width, height, 1, kInfoHeaderSize, kBiRgb, 2);
  for (const Rgb8 c : {color0, color1}) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  const std::uint32_t rowBytes = RowBytes(width, 1);
  for (int y = height - 1; y >= 0; --y) {
    const size_t start = out.size();
    std::uint8_t byte = 0;
    for (int x = 0; x < width; ++x) {
      const size_t i = static_cast<size_t>(y) * width + x;
      if (i < bits.size() && bits[i] != 0) byte |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      if (x % 8 == 7) {
        out.push_back(byte);
        byte = 0;
      }
    }
    if (width % 8 != 0) out.push_back(byte);
    PadRow(out, start, rowBytes);
  }
  return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool WriteBmp24(const std::string& path, const Canvas& image) {
  return WriteFileBytes(path, EncodeBmp24(image));
}
bool WriteBmp32(const std::string& path, const Canvas& image) {
  return WriteFileBytes(path, EncodeBmp32(image));
}
bool WriteBmp8(const std::string& path, int width, int height, const std::vector<std::uint8_t>& indices,
               const std::vector<Rgb8>& palette) {
  return WriteFileBytes(path, EncodeBmp8(width, height, indices, palette));
}
bool WriteBmp1(const std::string& path, int width, int height, const std::vector<std::uint8_t>& bits,
               Rgb8 color0, Rgb8 color1) {
  return WriteFileBytes(path, EncodeBmp1(width, height, bits, color0, color1));
}

BmpInfo ParseBmpInfo(const std::vector<std::uint8_t>& bytes) {
  BmpInfo info;
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return info;
  info.fileSize = Get32(bytes, 2);
  info.dataOffset = Get32(bytes, 10);
  info.headerSize = Get32(bytes, 14);
  info.width = static_cast<std::int32_t>(Get32(bytes, 18));
  info.height = static_cast<std::int32_t>(Get32(bytes, 22));
  info.bitCount = static_cast<int>(Get16(bytes, 28));
  info.compression = Get32(bytes, 30);
  info.colorsUsed = Get32(bytes, 46);
  if (info.bitCount <= 8) {
    std::uint32_t entries = info.colorsUsed != 0 ? info.colorsUsed : 1u << info.bitCount;
    size_t at = kFileHeaderSize + info.headerSize;
    for (std::uint32_t i = 0; i < entries && at + 4 <= bytes.size() && at + 4 <= info.dataOffset;
         ++i, at += 4) {
      info.colorTable.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
    }
  }
  info.valid = info.width > 0 && info.height != 0 && info.dataOffset <= bytes.size();
  return info;
}

BmpInfo ReadBmpInfo(const std::string& path) {
  return ParseBmpInfo(ReadFileBytes(path));
}

Canvas DecodeBmp(const std::vector<std::uint8_t>& bytes) {
  const BmpInfo info = ParseBmpInfo(bytes);
  if (!info.valid) return {};
  const int width = info.width;
  const int height = info.height < 0 ? -info.height : info.height;
  const std::uint32_t rowBytes = RowBytes(width, info.bitCount);
  if (info.dataOffset + static_cast<size_t>(rowBytes) * height > bytes.size()) return {};
  Canvas out(width, height);
  for (int row = 0; row < height; ++row) {
    const int y = info.height > 0 ? height - 1 - row : row;
    const size_t start = info.dataOffset + static_cast<size_t>(row) * rowBytes;
    for (int x = 0; x < width; ++x) {
      Color c{0, 0, 0, 1};
      switch (info.bitCount) {
        case 32: {
          const size_t at = start + x * 4;
          c = Rgb(bytes[at + 2], bytes[at + 1], bytes[at], bytes[at + 3] / 255.0f);
          break;
        }
        case 24: {
          const size_t at = start + x * 3;
          c = Rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
          break;
        }
        case 8:
        case 1: {
          const unsigned index =
              info.bitCount == 8 ? bytes[start + x] : (bytes[start + x / 8] >> (7 - x % 8)) & 1;
          if (index < info.colorTable.size()) c = FromRgb8(info.colorTable[index]);
          break;
        }
        default:
          return {};
      }
      out.At(x, y) = c;
    }
  }
  return out;
}

Canvas ReadBmp(const std::string& path) {
  return DecodeBmp(ReadFileBytes(path));
}

}  // namespace dakto::gfx
