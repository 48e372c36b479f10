#include "funclib/crc32.hpp"

#include <memory>

#include "funclib/files.hpp"

namespace funclib {

std::array<std::uint32_t, 256> Crc32Table = {};

void BuildCrc32Table() {
  for (std::uint32_t i = 0; i < Crc32Table.size(); ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    Crc32Table[i] = c;
  }
}

std::uint32_t FileCrc32(const std::string& name, const Crc32Progress& progress) {
  constexpr std::int32_t kBlockSize = 32768;
  if (Crc32Table[1] != 0x77073096u) BuildCrc32Table();
  std::uint32_t crc = 0xFFFFFFFFu;
  File file;
  if (!OpenFileForRead(name, file, 0)) return crc;
  const std::int64_t size = file.Size();
  if (size < 0) return crc;
  const auto buffer = std::make_unique<std::uint8_t[]>(kBlockSize);
  std::int64_t done = 0;
  while (done < size) {
    const std::int64_t n = ReadBlockAt(file, done, kBlockSize, buffer.get());
    if (n <= 0) break;  // the file ended before its recorded size
    for (std::int64_t i = 0; i < n; ++i) crc = Crc32Table[(crc ^ buffer[i]) & 0xFF] ^ (crc >> 8);
    done += n;
    if (progress && !progress(done)) break;
  }
  return ~crc;
}

}  // namespace funclib
