// The end-to-end test program: GoogleTest, plus where Orvane.exe is and where screenshots go.
//   orvane_e2e --orvane=<path to Orvane.exe> --shots=<directory> --player=<stand-in player> [gtest options]
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tests/e2e/e2e_env.hpp"

namespace e2e {

Env& TheEnv() {
  static Env env;
  return env;
}

}  // namespace e2e

int main(int argc, char** argv) {
  // Unbuffered, so that a driver that dies still leaves the progress it made in the test's log.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--orvane=", 9) == 0) e2e::TheEnv().orvane = argv[i] + 9;
    if (std::strncmp(argv[i], "--shots=", 8) == 0) e2e::TheEnv().shots = argv[i] + 8;
    if (std::strncmp(argv[i], "--player=", 9) == 0) e2e::TheEnv().player = argv[i] + 9;
  }
  if (e2e::TheEnv().orvane.empty()) {
    std::fprintf(stderr, "orvane_e2e: --orvane=<path to Orvane.exe> is required\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
