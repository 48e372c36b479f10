#include "tests/fake/fake_shell.hpp"

#include "platform/shell.hpp"
#include "tests/fake/fake_platform.hpp"

namespace platform {

int ShellExecuteDefault(WindowHandle owner, const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCmd) {
  fake::Shell& s = fake::Fake().shell;
  s.executed.push_back({owner, file, parameters, directory, showCmd});
  return s.result;
}

std::string ExecutablePath() { return fake::Fake().shell.executablePath; }

}  // namespace platform
