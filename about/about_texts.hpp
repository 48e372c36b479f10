#pragma once
// The texts of the about box that do not need a window: its caption, the build stamp and the path
// of the read-me file beside the program.
#include <string>
#include <string_view>

namespace about {

// "About " followed by the product text (the blank stays when the text is empty).
std::string AboutCaption(std::string_view text);

// The build stamp: "Compiled in <tool> on " CR LF "<Weekday>, <Month> <day>, <year> - <hh>:<mm>",
// from the compiler's date ("Feb 18 2003", the day padded with a blank) and time ("08:34:12").
// English names, whatever the user's locale: the stamp is a fixed text. A date that cannot be read
// is shown as given.
std::string FormatBuildStamp(std::string_view tool, std::string_view date, std::string_view time);

// The name of the compiler that built this program ("MinGW-w64 GCC 12.2", ...).
std::string DevelopmentToolName();
// The build stamp of this build.
std::string BuildStamp();

// The read-me file beside the executable: the executable's folder, with its trailing backslash,
// followed by "Readme.txt".
std::string ReadmePath(std::string_view exePath);

}  // namespace about
