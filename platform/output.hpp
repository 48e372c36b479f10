#pragma once
// Output of the command-line report: the standard streams the program was started with, a file
// replaced whole, and the conversion of its texts to UTF-8.
#include <string>
#include <string_view>

namespace platform {

enum class Stream { Output, Error };

// Writes the bytes to the standard output or error the program was started with: the handle it
// inherited (a redirection), or else the console of the process that started it. False when there
// is neither or the write fails.
bool WriteStandardStream(Stream stream, std::string_view bytes);

// Writes the bytes to a new file in the folder of `path`, then renames it over `path`; on any
// failure the temporary file is removed and `path` is left as it was. False on failure.
bool ReplaceFileWith(const std::string& path, std::string_view bytes);

// An ANSI code page text in UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace platform
