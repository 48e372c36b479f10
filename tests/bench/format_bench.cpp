// Cost of the number formatting that every live value goes through.
#include <benchmark/benchmark.h>

#include "funclib/format.hpp"

namespace {

void BM_AppendNumberKiB(benchmark::State& state) {
  const platform::FormatSettings fs;
  std::string out;
  double v = 25165824.0;
  for (auto _ : state) {
    out.clear();
    funclib::AppendNumber(out, v, 0, fs);
    benchmark::DoNotOptimize(out.data());
    v += 1.0;
  }
}
BENCHMARK(BM_AppendNumberKiB);

void BM_AppendNumberPercent(benchmark::State& state) {
  const platform::FormatSettings fs;
  std::string out;
  double v = 37.512345;
  for (auto _ : state) {
    out.clear();
    funclib::AppendNumber(out, v, 1, fs);
    benchmark::DoNotOptimize(out.data());
    v += 0.001;
  }
}
BENCHMARK(BM_AppendNumberPercent);

}  // namespace
