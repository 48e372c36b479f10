#include "tests/e2e/png.hpp"

#include <cstdio>

namespace e2e {
namespace {

std::uint32_t Crc(const std::uint8_t* p, size_t n, std::uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < n; ++i) {
    crc ^= p[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<std::uint8_t>(x >> s));
}

void Chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  std::vector<std::uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  Put32(out, Crc(body.data(), body.size()));
}

}  // namespace

bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb) {
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(width) * height * 3) return false;
  std::vector<std::uint8_t> raw;  // each row: filter byte 0, then the pixels
  raw.reserve((static_cast<size_t>(width) * 3 + 1) * height);
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), rgb.begin() + static_cast<long>(y) * width * 3, rgb.begin() + static_cast<long>(y + 1) * width * 3);
  }
  std::vector<std::uint8_t> z{0x78, 0x01};
  for (size_t pos = 0; pos < raw.size() || pos == 0;) {
    const size_t n = raw.size() - pos > 65535 ? 65535 : raw.size() - pos;
    z.push_back(pos + n == raw.size() ? 1 : 0);
    z.push_back(static_cast<std::uint8_t>(n));
    z.push_back(static_cast<std::uint8_t>(n >> 8));
    z.push_back(static_cast<std::uint8_t>(~n));
    z.push_back(static_cast<std::uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + static_cast<long>(pos), raw.begin() + static_cast<long>(pos + n));
    pos += n;
    if (n == 0) break;
  }
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  Put32(z, (b << 16) | a);

  std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> ihdr;
  Put32(ihdr, static_cast<std::uint32_t>(width));
  Put32(ihdr, static_cast<std::uint32_t>(height));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
  Chunk(png, "IHDR", ihdr);
  Chunk(png, "IDAT", z);
  Chunk(png, "IEND", {});

  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace e2e
