#include "widgets/form.hpp"

#include "widgets/button.hpp"
#include "widgets/components.hpp"

namespace widgets {

Form::~Form() {
  if (cancelButton_) cancelButton_->RemoveFreeNotification(cancelKey_);
  if (contextMenu_) contextMenu_->RemoveFreeNotification(menuKey_);
  for (size_t i = 0; i < components_.size(); ++i) components_[i]->RemoveFreeNotification(componentKeys_[i]);
}

void Form::AddComponent(Component& c) {
  components_.push_back(&c);
  componentKeys_.push_back(c.AddFreeNotification([this](Component& gone) {
    for (size_t i = 0; i < components_.size(); ++i)
      if (components_[i] == &gone) {
        components_.erase(components_.begin() + static_cast<std::ptrdiff_t>(i));
        componentKeys_.erase(componentKeys_.begin() + static_cast<std::ptrdiff_t>(i));
        return;
      }
  }));
}

void Form::SetCancelButton(Button* b) {
  if (b == cancelButton_) return;
  if (cancelButton_) cancelButton_->RemoveFreeNotification(cancelKey_);
  cancelButton_ = b;
  if (b) cancelKey_ = b->AddFreeNotification([this](Component&) { cancelButton_ = nullptr; });
}

void Form::SetContextMenu(PopupMenu* m) {
  if (m == contextMenu_) return;
  if (contextMenu_) contextMenu_->RemoveFreeNotification(menuKey_);
  contextMenu_ = m;
  if (m) menuKey_ = m->AddFreeNotification([this](Component&) { contextMenu_ = nullptr; });
}

void Form::KeyPress(char& key) {
  if (keyPreview_ && OnKeyPress) OnKeyPress(*this, key);
}

void Form::Shown() {
  if (OnShow) OnShow(*this);
}

void Form::BeginModal() {
  modal_ = true;
  modalResult_ = mrNone;
  closed_ = false;
}

void Form::SetModalResult(int result) {
  modalResult_ = result;
  if (modal_ && result != mrNone) Changed(Prop::Closed);
}

void Form::Close() {
  if (modal_) {
    SetModalResult(modalResult_ != mrNone ? modalResult_ : mrCancel);
    closed_ = true;
    return;
  }
  if (closed_) return;
  closed_ = true;
  Changed(Prop::Closed);
}

}  // namespace widgets
