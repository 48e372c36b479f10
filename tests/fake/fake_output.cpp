#include "platform/output.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

bool WriteStandardStream(Stream stream, std::string_view bytes) {
  fake::Output& o = fake::Fake().output;
  (stream == Stream::Output ? o.standardOutput : o.standardError) += bytes;
  return o.streamsWork;
}

bool ReplaceFileWith(const std::string& path, std::string_view bytes) {
  if (!fake::Fake().output.filesFail) fake::Fake().output.files[path] = bytes;
  return !fake::Fake().output.filesFail;
}

// The fake system's ANSI code page is Latin-1.
std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  for (const unsigned char c : ansi) {
    if (c >= 0x80) out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(c < 0x80 ? c : 0x80 | (c & 0x3F));
  }
  return out;
}

}  // namespace platform
