#include "widgets/application.hpp"

#include "widgets/form.hpp"

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

void Application::ShowForm(Form& form) {
  form.SetVisible(true);
  if (peer_)
    peer_->ShowForm(form);
  else
    form.Shown();
}

int Application::ShowModal(Form& form) {
  form.BeginModal();
  struct EndModal {  // the form leaves the modal state even when a handler throws
    Form& f;
    ~EndModal() { f.EndModal(); }
  } end{form};
  if (peer_)
    peer_->RunModal(form);
  else
    form.Shown();
  return form.GetModalResult();
}

}  // namespace widgets
