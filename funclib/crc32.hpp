#pragma once
// CRC-32 of a file's contents: the standard reflected CRC-32 of zlib and PKZIP (polynomial
// 0xEDB88320, initial and final value 0xFFFFFFFF).
#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace funclib {

// The remainder of each byte value; all zero until BuildCrc32Table (FileCrc32 builds it on first
// use). Used from the user-interface thread only.
extern std::array<std::uint32_t, 256> Crc32Table;

void BuildCrc32Table();

// Told the bytes done so far after each block; returns false to stop reading.
using Crc32Progress = std::function<bool(std::int64_t done)>;

// The CRC-32 of the file `name`, read in 32 KiB blocks: 0 for an empty file, 0xFFFFFFFF when it
// is missing, a directory or cannot be opened. When `progress` stops the run, or the file ends
// early (it shrank while read), the CRC of the bytes read so far.
std::uint32_t FileCrc32(const std::string& name, const Crc32Progress& progress = {});

}  // namespace funclib
