// Measures tavrino.exe beside the bare one-window program: start-up time,
// memory, file size, and the cost of the generate and copy actions.
// Prints figures only; it judges nothing.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "services/services_state.h"
#include "core/tickets.h"
#include "services/text_store_hooks.h"
#include "tests/win32/child_process.h"
#include "ui/actions.h"
#include "ui/ids.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct StartRun {
  double seconds = 0;
  size_t privateBytes = 0;
  size_t workingSet = 0;
};

// From process start until the main window has been shown and painted and
// the program waits in its message loop for input.
StartRun StartAndMeasure(const wchar_t* program) {
  StartRun run;
  double start = Now();
  ChildProcess child(BesideTestProgram(program));
  // Idle in its loop with its window shown; a sent message then comes back
  // only from the loop itself.
  WaitForInputIdle(child.handle(), 10000);
  HWND window = nullptr;
  while (window == nullptr && Now() - start < 10) {
    for (const wchar_t* windowClass : {L"TavrinoForm", L"BareWindow"}) {
      std::vector<HWND> found = child.Windows(windowClass);
      if (!found.empty()) window = found.front();
    }
  }
  DWORD_PTR ignored;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
  run.seconds = Now() - start;
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(child.handle(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                       sizeof memory);
  // Wine leaves PrivateUsage at 0; PagefileUsage is the same commit charge.
  run.privateBytes = std::max(memory.PrivateUsage, memory.PagefileUsage);
  run.workingSet = memory.WorkingSetSize;
  PostMessageW(window, WM_CLOSE, 0, 0);
  child.ExitCode();
  return run;
}

void PrintStartUp(int runs) {
  std::vector<StartRun> tavrino, bare;
  for (int i = 0; i < runs; ++i) {  // interleaved, so drift hits both alike
    tavrino.push_back(StartAndMeasure(L"tavrino.exe"));
    bare.push_back(StartAndMeasure(L"bare_window.exe"));
  }
  auto seconds = [](const std::vector<StartRun>& r) {
    std::vector<double> s;
    for (const StartRun& x : r) s.push_back(x.seconds * 1000);
    return s;
  };
  auto print = [](const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("  %-12s median %7.1f ms   min %7.1f   max %7.1f   (%zu runs)\n", name, Median(ms),
                ms.front(), ms.back(), ms.size());
  };
  std::printf("Start-up, until the window is painted and the program idles in its loop:\n");
  print("tavrino.exe", seconds(tavrino));
  print("bare", seconds(bare));
  std::printf("  ratio of medians %.3f (target at most 1.10)\n\n",
              Median(seconds(tavrino)) / Median(seconds(bare)));

  auto median = [](const std::vector<StartRun>& r, size_t StartRun::*field) {
    std::vector<double> v;
    for (const StartRun& x : r) v.push_back(static_cast<double>(x.*field));
    return Median(v) / 1024;
  };
  double tp = median(tavrino, &StartRun::privateBytes), bp = median(bare, &StartRun::privateBytes);
  double tw = median(tavrino, &StartRun::workingSet), bw = median(bare, &StartRun::workingSet);
  std::printf("Memory once the window is up (medians):\n");
  std::printf("  private bytes  tavrino.exe %8.0f KiB   bare %8.0f KiB   difference %+6.0f KiB\n", tp,
              bp, tp - bp);
  std::printf("  working set    tavrino.exe %8.0f KiB   bare %8.0f KiB   difference %+6.0f KiB\n",
              tw, bw, tw - bw);
  std::printf("  (target: at most 1024 KiB above the bare program)\n\n");
}

long long FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The icon images the program file carries: its RT_ICON resources and the
// icon file stored in the window descriptions.
long long EmbeddedIconBytes(const std::wstring& exe) {
  HMODULE file = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  long long bytes = 0;
  EnumResourceNamesW(
      file, RT_ICON,
      [](HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) -> BOOL {
        *reinterpret_cast<long long*>(param) += SizeofResource(module, FindResourceW(module, name, type));
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&bytes));
  FreeLibrary(file);
  return bytes + FileSize(BesideTestProgram(L"generated\\tavrino.ico"));
}

void PrintSizes() {
  std::wstring exe = BesideTestProgram(L"tavrino.exe");
  long long tavrino = FileSize(exe), bare = FileSize(BesideTestProgram(L"bare_window.exe"));
  long long icons = EmbeddedIconBytes(exe);
  std::printf("File size:\n");
  std::printf("  tavrino.exe %lld bytes, of which icon images %lld; without them %lld\n", tavrino,
              icons, tavrino - icons);
  std::printf("  bare        %lld bytes\n", bare);
  std::printf("  tavrino.exe without icons is %.1f KiB above the bare program (target at most 48)\n\n",
              static_cast<double>(tavrino - icons - bare) / 1024);
}

struct ActionCost {
  double microseconds;
  double allocations;
};

ActionCost Measure(void (*action)(), int times) {
  uint64_t allocations = TextStoreAllocations();
  double start = Now();
  for (int i = 0; i < times; ++i) action();
  double seconds = Now() - start;
  return {seconds * 1e6 / times,
          static_cast<double>(TextStoreAllocations() - allocations) / times};
}

// The generate action in its three steps, so that the program's own work
// and the edit control's can be told apart.
struct Steps {
  double read, build, write;
};

Steps MeasureSteps(int length) {
  std::string id(length, '7');
  SetControlText(MainWindowId, ChannelIdBox, id.c_str());
  Steps total = {0, 0, 0};
  int runs = 0;
  double start = Now();
  // At least 3 runs, then up to a second or 2,000 runs.
  while (runs < 3 || (runs < 2000 && Now() - start < 1.0)) {
    double t0 = Now();
    TextValue channelId = GetControlText(MainWindowId, ChannelIdBox);
    double t1 = Now();
    TextValue ticket = BuildWebTicket(channelId);
    double t2 = Now();
    SetControlText(MainWindowId, WebTicketBox, ticket);
    double t3 = Now();
    ReleaseText(channelId);
    ReleaseText(ticket);
    total = {total.read + t1 - t0, total.build + t2 - t1, total.write + t3 - t2};
    ++runs;
  }
  return {total.read * 1e6 / runs, total.build * 1e6 / runs, total.write * 1e6 / runs};
}

void PrintGrowth() {
  std::printf("Generate time by ID length (ASCII bytes), per step:\n");
  std::printf("  %8s %12s %12s %14s   %s\n", "bytes", "read us", "build us", "write us",
              "ratio to 1 byte (read, build, write)");
  const int kLengths[] = {1, 100, 10000, 30000};
  Steps first = {};
  for (int length : kLengths) {
    Steps s = MeasureSteps(length);
    if (length == 1) first = s;
    std::printf("  %8d %12.2f %12.2f %14.1f   %.1f, %.1f, %.1f\n", length, s.read, s.build, s.write,
                s.read / first.read, s.build / first.build, s.write / first.write);
  }
  std::printf("  (read and build are the program's own work; write is the edit control's\n"
              "   SetWindowText, which Wine's edit control does in more than linear time)\n");
}

void PrintActionCosts() {
  InitWindowServices();
  OpenStartupWindow(MainWindowId);
  SetControlText(MainWindowId, ChannelIdBox, "12345");
  OnGenerateWebTicket();  // first use out of the way
  OnCopyWebTicket();
  const int kTimes = 10000;
  ActionCost generate = Measure(OnGenerateWebTicket, kTimes);
  ActionCost copy = Measure(OnCopyWebTicket, kTimes);
  std::printf("Action cost, %d actions each, ID \"12345\":\n", kTimes);
  std::printf("  generate  %8.1f us   %.1f text-store allocations\n", generate.microseconds,
              generate.allocations);
  std::printf("  copy      %8.1f us   %.1f text-store allocations (and 3 clipboard blocks)\n\n",
              copy.microseconds, copy.allocations);

  PrintGrowth();
  DestroyWindow(FindOpenWindow(MainWindowId)->hwnd);
  ShutdownWindowServices();
}

}  // namespace

int main(int argc, char**) {
  std::printf("Tavrino benchmark (under Wine, ANSI code page %u)\n\n", GetACP());
  PrintStartUp(15);
  if (argc > 1) return 0;
  PrintSizes();
  PrintActionCosts();
  return 0;
}
