#include "funclib/files.hpp"

namespace funclib {

std::int64_t File::Size() const {
  std::uint64_t size = 0;
  if (!IsOpen() || !platform::QueryFileSize(handle_, size) || size > INT64_MAX) return -1;
  return static_cast<std::int64_t>(size);
}

void File::Close() {
  platform::CloseFileHandle(handle_);
  handle_ = 0;
}

bool IsExistingFile(const std::string& name) {
  const std::uint32_t attributes = platform::QueryFileAttributes(name);
  return attributes != platform::kInvalidFileAttributes && (attributes & platform::kAttributeDirectory) == 0;
}

bool OpenFileForRead(const std::string& name, File& file, std::uint8_t mode) {
  file.Close();
  if (!IsExistingFile(name)) return false;
  file.handle_ = platform::OpenFileWithMode(name, mode);
  return file.IsOpen();
}

std::int64_t ReadBlockAt(File& file, std::int64_t position, std::int32_t count, void* buffer) {
  if (!file.IsOpen() || position < 0 || count <= 0) return 0;
  const std::uint32_t wanted = static_cast<std::uint32_t>(count);
  const std::uint32_t read = platform::ReadFileAt(file.handle_, static_cast<std::uint64_t>(position), buffer, wanted);
  return read < wanted ? read : wanted;
}

}  // namespace funclib
