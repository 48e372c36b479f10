#include "funclib/owner_window.hpp"

namespace funclib {

platform::WindowHandle OwnerWindow = 0;

}  // namespace funclib
