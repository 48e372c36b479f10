// The table of screen cursors: every cursor number, from crDefault down to crSizeAll, stands for a
// system cursor or one of the program's own cursor resources (resources/cursors.rc).
#include "widgets/win32/backend.hpp"

namespace widgets::win32 {
namespace {

enum class From : std::uint8_t { Nothing, System, Program };

struct CursorSource {
  Cursor number;
  From from;
  WORD id;  // IDC_* of the system, or the program's cursor resource
};

constexpr CursorSource kCursors[kCursorCount] = {
    {crDefault, From::System, 32512},    // IDC_ARROW
    {crNone, From::Nothing, 0},
    {crArrow, From::System, 32512},      // IDC_ARROW
    {crCross, From::System, 32515},      // IDC_CROSS
    {crIBeam, From::System, 32513},      // IDC_IBEAM
    {crSize, From::System, 32640},       // IDC_SIZE
    {crSizeNESW, From::System, 32643},   // IDC_SIZENESW
    {crSizeNS, From::System, 32645},     // IDC_SIZENS
    {crSizeNWSE, From::System, 32642},   // IDC_SIZENWSE
    {crSizeWE, From::System, 32644},     // IDC_SIZEWE
    {crUpArrow, From::System, 32516},    // IDC_UPARROW
    {crHourGlass, From::System, 32514},  // IDC_WAIT
    {crDrag, From::Program, 32766},
    {crNoDrop, From::Program, 32767},
    {crHSplit, From::Program, 32765},
    {crVSplit, From::Program, 32764},
    {crMultiDrag, From::Program, 32763},
    {crSQLWait, From::Program, 32762},
    {crNo, From::System, 32648},         // IDC_NO
    {crAppStart, From::System, 32650},   // IDC_APPSTARTING
    {crHelp, From::System, 32651},       // IDC_HELP
    {crHandPoint, From::Program, 32761},
    {crSizeAll, From::System, 32646},    // IDC_SIZEALL
};

}  // namespace

void Backend::LoadScreenCursors() {
  // LoadCursor gives shared handles that live as long as their module: nobody frees them.
  for (const CursorSource& s : kCursors) {
    HCURSOR cursor = nullptr;
    if (s.from == From::System) cursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(s.id));
    if (s.from == From::Program) cursor = LoadCursorW(instance_, MAKEINTRESOURCEW(s.id));
    app_.SetCursorHandle(s.number, reinterpret_cast<IconHandle>(cursor));
  }
}

HCURSOR Backend::CursorHandle(Cursor c) const { return reinterpret_cast<HCURSOR>(app_.CursorHandle(c)); }

}  // namespace widgets::win32
