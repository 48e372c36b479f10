#include "widgets/form.hpp"

namespace widgets {

void Form::Close() {
  if (closed_) return;
  closed_ = true;
  Changed(Prop::Closed);
}

}  // namespace widgets
