#include "platform/output.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

bool WriteStandardStream(Stream stream, std::string_view bytes) {
  fake::Output& o = fake::Fake().output;
  (stream == Stream::Output ? o.standardOutput : o.standardError) += bytes;
  return o.streamsWork;
}

std::uint32_t ReplaceFileWith(const std::string& path, std::string_view bytes) {
  fake::Output& o = fake::Fake().output;
  if (o.fileError == 0) o.files[path] = bytes;
  return o.fileError;
}

}  // namespace platform
