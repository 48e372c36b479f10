#pragma once
// Reading files: existence, opening and block reads.
#include <cstdint>
#include <string>

#include "platform/files.hpp"

namespace funclib {

// An open file of bytes; closed when it goes out of scope or is opened again.
class File {
 public:
  File() = default;
  ~File() { Close(); }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool IsOpen() const { return handle_ != 0; }
  // Its size in bytes; -1 when it is not open or the size cannot be read.
  std::int64_t Size() const;
  void Close();

 private:
  friend bool OpenFileForRead(const std::string& name, File& file, std::uint8_t mode);
  friend std::int64_t ReadBlockAt(File& file, std::int64_t position, std::int32_t count, void* buffer);
  platform::FileHandle handle_ = 0;
};

// Whether `name` exists and is a file, not a directory.
bool IsExistingFile(const std::string& name);

// Opens an existing file `name` into `file` with the open mode `mode` (0 read only; see
// platform::OpenFileWithMode). False, leaving `file` closed, when it is no file or cannot be opened.
bool OpenFileForRead(const std::string& name, File& file, std::uint8_t mode);

// Reads up to `count` bytes at byte `position` into `buffer`; returns the number read (0 at the
// end of the file, on failure, or when the file is not open).
std::int64_t ReadBlockAt(File& file, std::int64_t position, std::int32_t count, void* buffer);

}  // namespace funclib
