// A program started as a child process, and its windows seen from outside.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ChildProcess {
 public:
  ChildProcess(const std::wstring& program, const std::wstring& arguments = L"");
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  DWORD startError() const { return startError_; }
  HANDLE handle() const { return info_.hProcess; }
  // The exit code, or STILL_ACTIVE when it has not ended in time.
  DWORD ExitCode(DWORD milliseconds = 10000);
  // Its visible top-level windows of the class (and title, when given).
  std::vector<HWND> Windows(const wchar_t* className, const wchar_t* title = nullptr);
  HWND WaitForWindow(const wchar_t* className, const wchar_t* title = nullptr,
                     DWORD milliseconds = 10000);

 private:
  PROCESS_INFORMATION info_ = {};
  DWORD startError_ = 0;
};

// The path of a file beside the running test program.
std::wstring BesideTestProgram(const wchar_t* name);

std::wstring TextOf(HWND hwnd);
// The text's GBK bytes, as Windows converts them (characters GBK lacks: '?').
std::string Gbk(const std::wstring& text);
// Every descendant of the window whose class is `className`.
std::vector<HWND> DescendantsOfClass(HWND parent, const wchar_t* className);

// Whether a message box shows one of the system's icons (IDI_ERROR, ...).
bool ShowsSystemIcon(HWND box, LPCWSTR systemIcon);
