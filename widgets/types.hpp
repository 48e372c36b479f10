#pragma once
// Value types shared by every widget: bounds, colours, fonts, cursors, mouse and key states.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/types.hpp"

namespace widgets {

using platform::IconHandle;
using platform::WindowHandle;

// Left, top, width, height in 96-dpi pixels, relative to the parent's client area.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

// Colours are 0x00BBGGRR. A value with the top bit set names a system colour by its index.
using Color = std::uint32_t;
constexpr Color SystemColor(int index) { return 0x80000000u | static_cast<Color>(index); }
constexpr bool IsSystemColor(Color c) { return (c & 0x80000000u) != 0; }

inline constexpr Color clBlack = 0x000000;
inline constexpr Color clMaroon = 0x000080;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clNavy = 0x800000;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clWindowText = SystemColor(8);
inline constexpr Color clBtnFace = SystemColor(15);

enum FontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// A font handle made outside the toolkit (the icon-title font) and handed over to it. It is freed
// with platform::DestroyFont when the last Font that holds it goes.
class OwnedFont {
 public:
  explicit OwnedFont(platform::FontHandle handle) : handle_(handle) {}
  ~OwnedFont();
  OwnedFont(const OwnedFont&) = delete;
  OwnedFont& operator=(const OwnedFont&) = delete;
  platform::FontHandle Handle() const { return handle_; }

 private:
  platform::FontHandle handle_;
};

// A control's font: a description the backend makes a font from, or a handed-over handle.
struct Font {
  std::string name = "Tahoma";
  int height = -11;  // pixels at 96 dpi; negative: character height without internal leading
  Color color = clWindowText;
  std::uint8_t style = 0;  // FontStyle bits
  // When set, text is drawn with this handle as it is (only the colour applies); name, height
  // and style are then not read. Every copy of the Font shares it.
  std::shared_ptr<const OwnedFont> handle;
  bool operator==(const Font&) const = default;
};

// Hand-over of a font handle: from this call the toolkit owns `handle`. The returned Font (the
// colour of `base`, with the handle) and every copy of it share the handle, and the last of them
// to go frees it; the caller must not free it. A zero handle gives `base` unchanged.
Font FontFromHandle(platform::FontHandle handle, Font base = {});

// Screen-cursor numbers: 0 is the control's default, the others count down from -1 to -22.
// Application::CursorHandle gives the cursor of each.
using Cursor = int;
inline constexpr Cursor crDefault = 0;
inline constexpr Cursor crNone = -1;
inline constexpr Cursor crArrow = -2;
inline constexpr Cursor crCross = -3;
inline constexpr Cursor crIBeam = -4;
inline constexpr Cursor crSize = -5;
inline constexpr Cursor crSizeNESW = -6;
inline constexpr Cursor crSizeNS = -7;
inline constexpr Cursor crSizeNWSE = -8;
inline constexpr Cursor crSizeWE = -9;
inline constexpr Cursor crUpArrow = -10;
inline constexpr Cursor crHourGlass = -11;
inline constexpr Cursor crDrag = -12;
inline constexpr Cursor crNoDrop = -13;
inline constexpr Cursor crHSplit = -14;
inline constexpr Cursor crVSplit = -15;
inline constexpr Cursor crMultiDrag = -16;
inline constexpr Cursor crSQLWait = -17;
inline constexpr Cursor crNo = -18;
inline constexpr Cursor crAppStart = -19;
inline constexpr Cursor crHelp = -20;
inline constexpr Cursor crHandPoint = -21;
inline constexpr Cursor crSizeAll = -22;
inline constexpr int kCursorCount = 23;  // crDefault down to crSizeAll

enum Anchor : std::uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// Keys and mouse buttons held during a mouse event.
using ShiftState = unsigned;
enum Shift : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };

enum class MouseButton : std::uint8_t { Left, Right, Middle };

// A menu short-cut: a virtual-key code with modifier bits.
struct ShortCut {
  std::uint16_t key = 0;  // virtual-key code, 0 = none
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
  bool operator==(const ShortCut&) const = default;
};

}  // namespace widgets
