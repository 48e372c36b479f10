// Orvane.com, the console face of Orvane.exe: a prompt that is asked for "Orvane" finds the .com
// first (PATHEXT), and a console program is waited for. It starts Orvane.exe from its own folder
// with the same arguments and the same standard handles, waits for it and returns its exit code,
// so `Orvane /report` at a prompt prints the report before the prompt comes back.
// No C runtime: the entry point below is the program's, and it needs only kernel32.
#include <windows.h>

namespace {

// The arguments of a command line: what follows the program's name, quoted or not, with the blank
// in front (a program's name ends at its closing quote or at the first blank).
const wchar_t* Arguments(const wchar_t* line) {
  bool quoted = false;
  for (; *line; ++line) {
    if (*line == L'"') quoted = !quoted;
    if (!quoted && (*line == L' ' || *line == L'\t')) break;
  }
  return line;
}

// A message in ASCII to the standard error.
void Say(const char* text) {
  DWORD length = 0, written;
  while (text[length]) ++length;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, length, &written, nullptr);
}

}  // namespace

extern "C" void LauncherMain() {
  // A command line is at most 32767 characters, a path as long.
  wchar_t* exe = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, 2 * 32768));
  wchar_t* command = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, 2 * (32768 + 32768 + 3)));
  if (!exe || !command) ExitProcess(2);
  // Orvane.exe beside this program: the same path with the extension .exe.
  const DWORD n = GetModuleFileNameW(nullptr, exe, 32768);
  DWORD dot = n;
  for (DWORD i = n; i > 0 && exe[i - 1] != L'\\'; --i)
    if (exe[i - 1] == L'.') {
      dot = i - 1;
      break;
    }
  if (n == 0 || n >= 32768 - 4) {
    Say("Orvane.com: cannot find its own path\r\n");
    ExitProcess(2);
  }
  lstrcpyW(exe + dot, L".exe");
  command[0] = L'"';
  lstrcpyW(command + 1, exe);
  lstrcatW(command, L"\"");
  const wchar_t* args = Arguments(GetCommandLineW());
  if (lstrlenW(command) + lstrlenW(args) >= 32767) {
    Say("Orvane.com: the command line is too long\r\n");
    ExitProcess(2);
  }
  lstrcatW(command, args);

  STARTUPINFOW si;
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION pi;
  if (!CreateProcessW(exe, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    Say("Orvane.com: cannot start Orvane.exe beside it\r\n");
    ExitProcess(2);
  }
  CloseHandle(pi.hThread);
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 2;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  ExitProcess(code);
}
