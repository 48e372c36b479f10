// A form's top-level window.
#include <string>

#include "platform/utf.hpp"
#include "widgets/button.hpp"
#include "widgets/components.hpp"
#include "widgets/win32/backend.hpp"
#include "widgets/win32/keys.hpp"
#include "widgets/win32/peers.hpp"

namespace widgets::win32 {
namespace {

class FormWindow : public FormPeerBase {
 public:
  FormWindow(Backend& backend, Form& form) : FormPeerBase(backend, form), form_(form) {}

  // A form other than the main one is owned by the main window: it stays above it and has no
  // task-bar entry of its own.
  void Create(HWND owner) override {
    DWORD style = WS_CAPTION | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;  // dialog navigation reaches into nested containers
    const std::uint8_t icons = form_.BorderIcons();
    if (icons & biSystemMenu) style |= WS_SYSMENU;
    if (icons & biMinimize) style |= WS_MINIMIZEBOX;
    if (icons & biMaximize) style |= WS_MAXIMIZEBOX;
    switch (form_.GetBorderStyle()) {
      case BorderStyle::Sizeable: style |= WS_THICKFRAME; break;
      case BorderStyle::ToolWindow: exStyle |= WS_EX_TOOLWINDOW; break;
      case BorderStyle::Single: break;
    }
    const wchar_t* cls = backend_.EnsureClass(form_.ClassName(), CS_DBLCLKS, nullptr, nullptr, nullptr);

    RECT r{0, 0, backend_.Scale(form_.ClientWidth()), backend_.Scale(form_.ClientHeight())};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    const int w = r.right - r.left, h = r.bottom - r.top;
    int x = backend_.Scale(form_.Bounds().left), y = backend_.Scale(form_.Bounds().top);
    if (form_.Position() == FormPosition::ScreenCenter) {
      x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
      y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    }
    HWND hwnd = CreateWindowExW(exStyle, cls, Caption16().c_str(), style, x, y, w, h, owner, nullptr,
                                backend_.Instance(), static_cast<WindowPeer*>(this));
    Adopt(hwnd);
    if (HICON icon = reinterpret_cast<HICON>(backend_.App().Icon())) {
      SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
      if (HICON small = backend_.SmallIcon()) SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
  }

  void Changed(Prop what) override {
    if (what == Prop::Closed) {
      if (form_.Modal()) {
        if (hwnd_) PostMessageW(hwnd_, WM_NULL, 0, 0);  // wakes the modal loop, which ends and hides the form
      }
      else if (hwnd_)
        DestroyWindow(hwnd_);
      return;
    }
    if (what == Prop::Bounds) return;  // a form's bounds are its client size, fixed at creation
    if (what == Prop::Visible) {
      // A window shown again comes back active, so its keys work at once; hidden, it also leaves
      // the task bar. A tip showing goes first: the system would make it the active window.
      if (hwnd_ && !form_.Visible()) backend_.Tips().Pop();
      if (hwnd_) ShowWindow(hwnd_, form_.Visible() ? SW_SHOW : SW_HIDE);
      if (hwnd_ && form_.Visible()) SetForegroundWindow(hwnd_);
      return;
    }
    WindowPeer::Changed(what);
  }

  bool TranslateAccelerator(MSG& msg) override {
    MenuPeerBase* menu = Menu();
    return menu && menu->Accelerators() && ::TranslateAcceleratorW(hwnd_, menu->Accelerators(), &msg) != 0;
  }

 protected:
  bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    switch (msg) {
      case WM_ERASEBKGND: {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        FillRect(reinterpret_cast<HDC>(wp), &rc, backend_.Gdi().BrushFor(form_.GetColor()));
        result = 1;
        return true;
      }
      case WM_CLOSE:
        form_.Close();
        return true;
      case WM_SIZE:  // restored, the whole window paints again with the current captions
        minimized_ = wp == SIZE_MINIMIZED;
        break;
      case WM_DESTROY:
        if (backend_.IsMainForm(form_)) backend_.MainWindowDestroyed();
        return false;
      case WM_COMMAND:
        if (lp == 0 && LOWORD(wp) == IDCANCEL) {  // Esc, from the dialog navigation
          if (Button* cancel = form_.CancelButton()) cancel->Click();
          return true;
        }
        if (lp == 0 && LOWORD(wp) >= MenuPeerBase::kFirstCommand && form_.ContextMenu()) {  // menu or short-cut
          form_.ContextMenu()->ClickItem(LOWORD(wp) - MenuPeerBase::kFirstCommand);
          return true;
        }
        break;
      case WM_SETTINGCHANGE:  // the area name, if any, is a string of at most a few dozen characters
        form_.SettingChange(lp ? platform::Utf16ToUtf8(reinterpret_cast<const wchar_t*>(lp), 64) : std::string());
        break;
      case WM_CONTEXTMENU:
        ShowContextMenu(lp);
        return true;
      case WM_ACTIVATE:
        // Give the focus back to the control that had it when the window was left.
        if (LOWORD(wp) == WA_INACTIVE) {
          HWND focus = GetFocus();
          if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        } else if (lastFocus_ && IsWindow(lastFocus_)) {
          // It may have been hidden or disabled while the window was not active.
          SetFocus(TakesInput(lastFocus_) ? lastFocus_ : FocusHome(lastFocus_));
          return true;
        }
        break;
      default:
        break;
    }
    return WindowPeer::HandleMessage(msg, wp, lp, result);
  }

 private:
  MenuPeerBase* Menu() const {
    return form_.ContextMenu() ? dynamic_cast<MenuPeerBase*>(form_.ContextMenu()->GetPeer()) : nullptr;
  }

  void ShowContextMenu(LPARAM lp) {
    PopupMenu* menu = form_.ContextMenu();
    if (!menu) return;
    POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    if (lp == -1) {  // from the keyboard: at the window's top-left corner
      pt = POINT{0, 0};
      ClientToScreen(hwnd_, &pt);
    }
    menu->Popup(pt.x, pt.y, Handle());
  }

  Form& form_;
  HWND lastFocus_ = nullptr;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeFormPeer(Backend& backend, Form& form) {
  return std::make_unique<FormWindow>(backend, form);
}

}  // namespace widgets::win32
