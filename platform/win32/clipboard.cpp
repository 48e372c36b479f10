#include "platform/clipboard.hpp"

#include <windows.h>

#include <cstring>

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

  char* Data() const { return static_cast<char*>(data_); }

 private:
  HGLOBAL block_;
  void* data_;
};

}  // namespace

bool ClipboardOpen(WindowHandle owner) { return OpenClipboard(reinterpret_cast<HWND>(owner)) != FALSE; }

void ClipboardClose() { CloseClipboard(); }

bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

std::string ClipboardReadTextBlock() {
  const HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return {};
  const GlobalLockScope lock(data);
  if (!lock.Data()) return {};
  // A text block need not end in a zero; never read past its size.
  return std::string(lock.Data(), GlobalSize(data));
}

bool ClipboardWriteText(const std::string& text) {
  GlobalBlock block(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
  if (!block.Get()) return false;
  {
    const GlobalLockScope lock(block.Get());
    if (!lock.Data()) return false;
    std::memcpy(lock.Data(), text.data(), text.size());
    lock.Data()[text.size()] = '\0';
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_TEXT, block.Get())) return false;  // not taken: the block frees itself
  block.Release();  // the clipboard owns it now
  return true;
}

bool ClipboardEmpty() { return EmptyClipboard() != FALSE; }

}  // namespace platform
