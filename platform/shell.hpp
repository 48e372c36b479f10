#pragma once
// Starting documents, programs and links through the system shell, and where this program lies.
#include <string>

#include "platform/types.hpp"

namespace platform {

// Show commands (SW_*) for a started program's first window.
inline constexpr int kShowHide = 0;
inline constexpr int kShowNormal = 1;

// Runs the default action of `file` (a document, program or URL) with the given parameters and
// working directory (each may be empty) and SW_* show command, on behalf of `owner`. Returns the
// shell's result: greater than 32 on success, otherwise its error code.
int ShellExecuteDefault(WindowHandle owner, const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCmd);

// The full path of this program's executable file, however long; empty if it cannot be read.
std::string ExecutablePath();

}  // namespace platform
