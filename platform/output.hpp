#pragma once
// Output of the command-line report: the standard streams the program was started with, and a
// file replaced whole. Texts are UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

enum class Stream { Output, Error };

// Writes the text to the standard output or error the program was started with: the handle it
// inherited, or else the console of the process that started it. A console gets it in UTF-16,
// so it reads right in any console code page; a file or pipe gets the UTF-8 bytes. False when
// there is neither or the write fails.
bool WriteStandardStream(Stream stream, std::string_view utf8);

// Writes the bytes to `path` (UTF-8, of any length). A device (NUL, CON, COM1, \\.\...) is
// written directly. A file is written whole or not at all: the bytes go to a new file in its
// folder, which then takes the file's place; an existing file keeps its attributes and access
// list and a link keeps pointing where it did, while a read-only one is refused and left as it
// was. On failure no new file is left behind. Returns 0, or the system's error code.
std::uint32_t ReplaceFileWith(const std::string& path, std::string_view bytes);

// The form of `path` the file calls are given: any length through \\?\ (\\?\UNC\ for a share),
// a device path (\\.\NUL, as NUL and CON become) as it is.
std::string SystemPathOf(const std::string& path);

}  // namespace platform
