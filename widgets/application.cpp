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

void Application::ProcessMessages() {
  if (peer_) peer_->ProcessMessages();
}

}  // namespace widgets
