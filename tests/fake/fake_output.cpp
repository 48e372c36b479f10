#include "platform/output.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

bool WriteStandardStream(Stream stream, std::string_view bytes) {
  fake::Output& o = fake::Fake().output;
  if (!o.streamsWork) return false;
  (stream == Stream::Output ? o.standardOutput : o.standardError) += bytes;
  return true;
}

bool ReplaceFileWith(const std::string& path, std::string_view bytes) {
  fake::Output& o = fake::Fake().output;
  if (o.filesFail) return false;
  o.files[path] = bytes;
  return true;
}

// The fake system's ANSI code page is Latin-1.
std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  for (const char c : ansi) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

}  // namespace platform
