#ifndef PngImage_h
#define PngImage_h

// Test support: the pixels of a PNG image of 8 bits a channel, RGB or RGBA,
// not interlaced (what an SVG renderer writes), inflated with zlib.

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

struct PngPixel {
  int r = 0, g = 0, b = 0, a = 0;
};

struct PngImage {
  long width = 0;
  long height = 0;
  std::vector<std::uint8_t> rgba;  // 4 bytes a pixel, the rows from the top

  bool Holds(long x, long y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  PngPixel At(long x, long y) const {
    const std::uint8_t* p = &rgba[4 * (y * width + x)];
    return {p[0], p[1], p[2], p[3]};
  }
};

namespace png_detail {

inline unsigned long BigEndian(const std::string& bytes, size_t at) {
  unsigned long value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

// The predictor of the "Paeth" filter.
inline int Paeth(int left, int up, int up_left) {
  const int estimate = left + up - up_left;
  const int to_left = std::abs(estimate - left);
  const int to_up = std::abs(estimate - up);
  const int to_up_left = std::abs(estimate - up_left);
  if (to_left <= to_up && to_left <= to_up_left) return left;
  return to_up <= to_up_left ? up : up_left;
}

}  // namespace png_detail

// Decodes the PNG file `bytes` into `image`; false, with `why` set, for
// anything else or a PNG of another form.
inline bool DecodePng(const std::string& bytes, PngImage& image, std::string& why) {
  using png_detail::BigEndian;
  if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
    why = "no PNG signature";
    return false;
  }
  int channels = 0;
  std::string compressed;
  size_t at = 8;
  for (;;) {
    if (at + 12 > bytes.size()) {
      why = "ends inside a chunk";
      return false;
    }
    const unsigned long length = BigEndian(bytes, at);
    const std::string type = bytes.substr(at + 4, 4);
    if (length > bytes.size() - at - 12) {
      why = "chunk " + type + " runs past the end";
      return false;
    }
    const std::string data = bytes.substr(at + 8, length);
    at += 12 + length;
    if (type == "IHDR" && length == 13) {
      image.width = static_cast<long>(BigEndian(data, 0));
      image.height = static_cast<long>(BigEndian(data, 4));
      const int depth = static_cast<std::uint8_t>(data[8]);
      const int colour = static_cast<std::uint8_t>(data[9]);
      channels = colour == 6 ? 4 : colour == 2 ? 3 : 0;
      if (depth != 8 || channels == 0 || data[12] != 0) {
        why = "not 8-bit RGB or RGBA without interlacing";
        return false;
      }
    } else if (type == "IDAT") {
      compressed += data;
    } else if (type == "IEND") {
      break;
    }
  }
  if (channels == 0) {
    why = "no IHDR chunk";
    return false;
  }
  const size_t stride = static_cast<size_t>(image.width) * channels;
  std::vector<std::uint8_t> raw((stride + 1) * image.height);
  uLongf size = static_cast<uLongf>(raw.size());
  if (uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(compressed.data()),
                 static_cast<uLong>(compressed.size())) != Z_OK ||
      size != raw.size()) {
    why = "its image data do not inflate to " + std::to_string(raw.size()) + " bytes";
    return false;
  }
  // Undo each row's filter, in place: every byte predicted from the byte
  // to its left, the one above and the one above that.
  for (long row = 0; row < image.height; ++row) {
    std::uint8_t* line = &raw[row * (stride + 1) + 1];
    const std::uint8_t* above = row == 0 ? nullptr : line - (stride + 1);
    const int filter = line[-1];
    if (filter > 4) {
      why = "row " + std::to_string(row) + " has filter " + std::to_string(filter);
      return false;
    }
    for (size_t i = 0; i < stride; ++i) {
      const int left = i >= static_cast<size_t>(channels) ? line[i - channels] : 0;
      const int up = above != nullptr ? above[i] : 0;
      const int up_left =
          above != nullptr && i >= static_cast<size_t>(channels) ? above[i - channels] : 0;
      const int predicted[] = {0, left, up, (left + up) / 2, png_detail::Paeth(left, up, up_left)};
      line[i] = static_cast<std::uint8_t>(line[i] + predicted[filter]);
    }
  }
  image.rgba.clear();
  for (long row = 0; row < image.height; ++row) {
    const std::uint8_t* line = &raw[row * (stride + 1) + 1];
    for (long x = 0; x < image.width; ++x) {
      const std::uint8_t* p = line + x * channels;
      image.rgba.insert(image.rgba.end(),
                        {p[0], p[1], p[2], channels == 4 ? p[3] : std::uint8_t(255)});
    }
  }
  return true;
}

#endif  // PngImage_h
