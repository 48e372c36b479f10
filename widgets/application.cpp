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
