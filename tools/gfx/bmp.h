#pragma once

// Windows BMP files as the program loads them: bottom-up rows padded to 4 bytes, no
// compression. 24-bit, 8-bit with a 256-entry colour table, 1-bit masks, and 32-bit BGRA
// with a BITMAPV5 header so that SDL_LoadBMP keeps the alpha.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/gfx/canvas.h"

namespace dakto::gfx {

// Each writer returns false when the file cannot be written.
bool WriteBmp24(const std::string& path, const Canvas& image);  // alpha ignored
bool WriteBmp32(const std::string& path, const Canvas& image);  // straight alpha kept
// indices has width * height entries, row by row from the top; the table is padded to 256.
bool WriteBmp8(const std::string& path, int width, int height, const std::vector<std::uint8_t>& indices,
               const std::vector<Rgb8>& palette);
// bits has width * height entries of 0 or 1, row by row from the top; colour 0 and colour 1.
bool WriteBmp1(const std::string& path, int width, int height, const std::vector<std::uint8_t>& bits,
               Rgb8 color0, Rgb8 color1);

// The same bytes in memory, for tests and for composing several files.
std::vector<std::uint8_t> EncodeBmp24(const Canvas& image);
std::vector<std::uint8_t> EncodeBmp32(const Canvas& image);
std::vector<std::uint8_t> EncodeBmp8(int width, int height, const std::vector<std::uint8_t>& indices,
                                     const std::vector<Rgb8>& palette);
std::vector<std::uint8_t> EncodeBmp1(int width, int height, const std::vector<std::uint8_t>& bits,
                                     Rgb8 color0, Rgb8 color1);

// What a BMP header says, for tests that check sizes and formats.
struct BmpInfo {
  bool valid = false;
  std::uint32_t fileSize = 0;
  std::uint32_t dataOffset = 0;
  std::uint32_t headerSize = 0;  // 40 = BITMAPINFOHEADER, 124 = BITMAPV5HEADER
  int width = 0;
  int height = 0;  // as stored: positive = bottom-up
  int bitCount = 0;
  std::uint32_t compression = 0;  // 0 = BI_RGB, 3 = BI_BITFIELDS
  std::uint32_t colorsUsed = 0;
  std::vector<Rgb8> colorTable;  // as many entries as the file holds
};
BmpInfo ParseBmpInfo(const std::vector<std::uint8_t>& bytes);
BmpInfo ReadBmpInfo(const std::string& path);

// Reads back any file these writers make, as an opaque (or, for 32-bit, alpha) canvas.
// Returns an empty canvas on failure.
Canvas DecodeBmp(const std::vector<std::uint8_t>& bytes);
Canvas ReadBmp(const std::string& path);

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

}  // namespace dakto::gfx
