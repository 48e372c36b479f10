#include "platform/errors.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

std::uint32_t LastSystemError() { return fake::Fake().lastError; }

// The fake system has one text per code, in English whatever the locale.
std::string SystemErrorText(std::uint32_t code, bool) { return "system error " + std::to_string(code); }

}  // namespace platform
