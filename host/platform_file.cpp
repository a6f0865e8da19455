// The parts of platform::File that do not depend on the backend.
#include "host/platform.h"

namespace host::platform {

File::File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = kNoHandle; }

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = kNoHandle;
  }
  return *this;
}

File::~File() { Close(); }

}  // namespace host::platform
