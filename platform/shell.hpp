#pragma once
// Starting documents, programs and links through the system shell.
#include <string>

#include "platform/types.hpp"

namespace platform {

// Runs the default action of `file` (a document, program or URL) with the given parameters and
// working directory (each may be empty) and SW_* show command, on behalf of `owner`. Returns the
// shell's result: greater than 32 on success, otherwise its error code.
int ShellExecuteDefault(WindowHandle owner, const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCmd);

}  // namespace platform
