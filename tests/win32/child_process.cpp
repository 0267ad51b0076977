#include "tests/win32/child_process.h"

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  std::wstring line = L"\"" + program + L"\" " + arguments;
  // Under load Wine now and then refuses a start that works a moment later.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info_)) {
      return;
    }
    startError_ = GetLastError();
    info_ = {};
    Sleep(200);
  }
}

ChildProcess::~ChildProcess() {
  if (!started()) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 9);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

DWORD ChildProcess::ExitCode(DWORD milliseconds) {
  if (!started()) return STILL_ACTIVE;
  WaitForSingleObject(info_.hProcess, milliseconds);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::vector<HWND> ChildProcess::Windows(const wchar_t* className, const wchar_t* title) {
  struct Search {
    DWORD pid;
    const wchar_t* className;
    const wchar_t* title;
    std::vector<HWND> found;
  } search = {info_.dwProcessId, className, title, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        wchar_t name[64] = {};
        GetClassNameW(hwnd, name, 64);
        if (pid == s->pid && IsWindowVisible(hwnd) && lstrcmpW(name, s->className) == 0 &&
            (s->title == nullptr || TextOf(hwnd) == s->title)) {
          s->found.push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildProcess::WaitForWindow(const wchar_t* className, const wchar_t* title,
                                 DWORD milliseconds) {
  DWORD end = GetTickCount() + milliseconds;
  for (;;) {
    std::vector<HWND> found = Windows(className, title);
    if (!found.empty()) return found.front();
    if (GetTickCount() > end) return nullptr;
    Sleep(50);
  }
}

std::wstring BesideTestProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path, length);
  return dir.substr(0, dir.find_last_of(L"\\/") + 1) + name;
}

std::wstring TextOf(HWND hwnd) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(copied);
  return text;
}

std::string Gbk(const std::wstring& text) {
  if (text.empty()) return std::string();
  int bytes = WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                  nullptr, nullptr);
  std::string gbk(bytes, '\0');
  WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), gbk.data(), bytes,
                      nullptr, nullptr);
  return gbk;
}

std::vector<HWND> DescendantsOfClass(HWND parent, const wchar_t* className) {
  struct Search {
    const wchar_t* className;
    std::vector<HWND> found;
  } search = {className, {}};
  EnumChildWindows(
      parent,
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        wchar_t name[64] = {};
        GetClassNameW(hwnd, name, 64);
        if (lstrcmpiW(name, s->className) == 0) s->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Whether a message box shows one of the system's icons: its picture on
// the screen is compared with that icon drawn here over the same background.
// (Another process's icon handle cannot be read directly.)
bool ShowsSystemIcon(HWND box, LPCWSTR systemIcon) {
  for (HWND picture : DescendantsOfClass(box, L"Static")) {
    if (SendMessageW(picture, STM_GETICON, 0, 0) == 0) continue;
    RECT rect;
    GetWindowRect(picture, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, canvas);
    SetDCBrushColor(memory, GetPixel(screen, rect.left, rect.top));
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    DrawIconEx(memory, 0, 0, LoadIconW(nullptr, systemIcon), width, height, 0, nullptr, DI_NORMAL);
    int differing = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        differing += GetPixel(memory, x, y) != GetPixel(screen, rect.left + x, rect.top + y);
      }
    }
    SelectObject(memory, old);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return differing == 0;
  }
  return false;
}
