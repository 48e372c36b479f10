#include "widgets/application.hpp"

namespace widgets {

void Application::SetTitle(std::string_view title) {
  if (title_ == title) return;
  title_.assign(title);
}

void Application::SetScreenCursor(Cursor c) {
  if (screenCursor_ == c) return;
  screenCursor_ = c;
  if (peer_) peer_->ScreenCursorChanged();
}

IconHandle Application::CursorHandle(Cursor c) const {
  return c <= 0 && -c < kCursorCount ? cursors_[static_cast<std::size_t>(-c)] : 0;
}

void Application::SetCursorHandle(Cursor c, IconHandle handle) {
  if (c <= 0 && -c < kCursorCount) cursors_[static_cast<std::size_t>(-c)] = handle;
}

void Application::ProcessMessages() {
  if (peer_) peer_->ProcessMessages();
}

}  // namespace widgets
