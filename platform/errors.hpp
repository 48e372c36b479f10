#pragma once
// The system's error codes and their texts: the reason a failed call gives.
#include <cstdint>
#include <string>

namespace platform {

// The code the last failed system call of this thread left (GetLastError).
std::uint32_t LastSystemError();

// The system's text of an error code, without its closing full stop and line end: in English
// (the same on every machine, for machine readers) or in the user's language (for a person).
// "error <code>" when the system has no text for it.
std::string SystemErrorText(std::uint32_t code, bool english);

}  // namespace platform
