// Cost of the library's CRC-32 over a file (block reads through the fake, which reads real files).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "funclib/crc32.hpp"
#include "tests/fake/fake_platform.hpp"

namespace {

void BM_FileCrc32(benchmark::State& state) {
  const auto size = static_cast<size_t>(state.range(0));
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("orvane_crc_bench_" + std::to_string(::getpid()));
  {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 131);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
  }
  fake::ResetFake();
  for (auto _ : state) benchmark::DoNotOptimize(funclib::FileCrc32(path.string()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
  std::filesystem::remove(path);
}
BENCHMARK(BM_FileCrc32)->Arg(4 << 20);

}  // namespace
