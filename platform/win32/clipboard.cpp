#include "platform/clipboard.hpp"

#include <windows.h>

#include <cstring>
#include <string>

#include "platform/utf.hpp"

namespace platform {
namespace {

// A global memory block that is freed unless handed over with Release().
class GlobalBlock {
 public:
  GlobalBlock(UINT flags, SIZE_T size) : handle_(GlobalAlloc(flags, size)) {}
  ~GlobalBlock() {
    if (handle_) GlobalFree(handle_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  HGLOBAL Get() const { return handle_; }
  void Release() { handle_ = nullptr; }

 private:
  HGLOBAL handle_;
};

// Keeps a global memory block locked for one scope.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL block) : block_(block), data_(block ? GlobalLock(block) : nullptr) {}
  ~GlobalLockScope() {
    if (data_) GlobalUnlock(block_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;

  void* Data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

}  // namespace

bool ClipboardOpen(WindowHandle owner) { return OpenClipboard(reinterpret_cast<HWND>(owner)) != FALSE; }

void ClipboardClose() { CloseClipboard(); }

// The text travels as CF_UNICODETEXT both ways; the system makes the code-page text (CF_TEXT) of
// other programs from it and back.
bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

std::string ClipboardReadTextBlock() {
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const GlobalLockScope lock(data);
  if (!lock.Data()) return {};
  // A text block need not end in a zero; never read past its size.
  return Utf16ToUtf8(static_cast<const wchar_t*>(lock.Data()), GlobalSize(data) / sizeof(wchar_t));
}

bool ClipboardWriteText(const std::string& text) {
  const std::wstring wide = Utf8ToUtf16(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);  // with the terminating zero
  GlobalBlock block(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
  if (!block.Get()) return false;
  {
    const GlobalLockScope lock(block.Get());
    if (!lock.Data()) return false;
    std::memcpy(lock.Data(), wide.c_str(), bytes);
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_UNICODETEXT, block.Get())) return false;  // not taken: the block frees itself
  block.Release();  // the clipboard owns it now
  return true;
}

bool ClipboardEmpty() { return EmptyClipboard() != FALSE; }

}  // namespace platform
