#pragma once
// A minimal PNG writer (8-bit RGB, stored deflate blocks): enough for screenshots, no zlib.
#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// rgb holds width*height pixels, three bytes each, rows top to bottom. True when written.
bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace e2e
