#pragma once
#include <string>

#include "tests/e2e/driver.hpp"

namespace e2e {

struct Env {
  std::string orvane;  // Orvane.exe (Unix or Windows path)
  std::string shots;   // directory for screenshots (Unix or Windows path)
  std::string player;  // the stand-in player (Unix or Windows path)
};
Env& TheEnv();

inline const char* kMainCaption = "Kelvo Orvane v1.61 beta";

// A screenshot path in the shots directory.
inline std::string ShotPath(const std::string& name) {
  return WindowsPath(TheEnv().shots) + "\\" + name;
}

}  // namespace e2e
