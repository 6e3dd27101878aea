// The stand-ins of the Win32 test driver (stand_ins.h).
#include "media/win32/testing/stand_ins.h"

#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "media/core/sound_mixer.h"
#include "media/win32/win32_internal.h"

namespace media::win32::standins {
namespace {

std::mutex mutex;
std::deque<int> boxAnswers;
std::vector<testing::ShownMessageBox> boxes;
std::map<HMENU, std::deque<int>> menuChoices;
std::vector<std::string> opened;

// MessageBoxW's text and icon controls (their identifiers in Windows and Wine).
constexpr int BoxTextId = 0xFFFF;
constexpr int BoxIconId = 0x0440;

struct Found {
  std::vector<HWND> boxes;
  std::vector<HWND> menus;
};

BOOL CALLBACK collect(HWND hwnd, LPARAM data) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(hwnd)) return TRUE;
  wchar_t name[16] = L"";
  GetClassNameW(hwnd, name, 16);
  auto* found = reinterpret_cast<Found*>(data);
  if (lstrcmpW(name, L"#32770") == 0) found->boxes.push_back(hwnd);
  if (lstrcmpW(name, L"#32768") == 0) found->menus.push_back(hwnd);
  return TRUE;
}

std::string textOf(HWND hwnd) {
  wchar_t text[1024] = L"";
  GetWindowTextW(hwnd, text, 1024);
  return utf8(text);
}

int kindOf(HWND box) {
  if (GetDlgItem(box, IDYES)) return BoxWarningYesNo;
  const auto icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, BoxIconId, STM_GETICON, 0, 0));
  return icon && icon == LoadIconW(nullptr, IDI_ERROR) ? BoxErrorOk : BoxInformationOk;
}

void answerBox(HWND box) {
  testing::ShownMessageBox shown{textOf(box), textOf(GetDlgItem(box, BoxTextId)), kindOf(box)};
  int answer = shown.kind == BoxWarningYesNo ? ButtonNo : ButtonOk;
  {
    const std::lock_guard lock(mutex);
    if (!boxAnswers.empty()) {
      const int queued = boxAnswers.front();
      boxAnswers.pop_front();
      const bool fits = shown.kind == BoxWarningYesNo ? (queued == ButtonYes || queued == ButtonNo) : queued == ButtonOk;
      if (fits) answer = queued;
    }
    boxes.push_back(shown);
  }
  PostMessageW(box, WM_COMMAND, answer == ButtonYes ? IDYES : answer == ButtonNo ? IDNO : IDOK, 0);
}

void pressKey(HWND menu, WPARAM key) {
  PostMessageW(menu, WM_KEYDOWN, key, 0);
  PostMessageW(menu, WM_KEYUP, key, 0xC0000000);
}

// Down to the item (separators are passed over by the keys), then Enter.
void answerMenu(HWND window) {
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
  int item = -1;
  {
    const std::lock_guard lock(mutex);
    auto& queue = menuChoices[menu];
    if (!queue.empty()) {
      item = queue.front();
      queue.pop_front();
    }
  }
  int presses = 0;
  bool found = false;
  for (int i = 0, count = GetMenuItemCount(menu); item >= 0 && i < count && !found; ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;  // a separator
    ++presses;
    found = static_cast<int>(id) == item + 1;
  }
  if (!found) return pressKey(window, VK_ESCAPE);
  for (int i = 0; i < presses; ++i) pressKey(window, VK_DOWN);
  pressKey(window, VK_RETURN);
}

void watch() {
  std::set<HWND> answered;
  for (;;) {
    Found found;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&found));
    std::set<HWND> present;
    for (HWND box : found.boxes) {
      present.insert(box);
      if (answered.insert(box).second) answerBox(box);
    }
    for (HWND menu : found.menus) {
      present.insert(menu);
      if (answered.insert(menu).second) answerMenu(menu);
    }
    std::erase_if(answered, [&](HWND hwnd) { return !present.count(hwnd); });
    Sleep(5);
  }
}

HINSTANCE WINAPI recordDocument(HWND, LPCWSTR, LPCWSTR file, LPCWSTR, LPCWSTR, INT) {
  const std::lock_guard lock(mutex);
  opened.push_back(utf8(file));
  return reinterpret_cast<HINSTANCE>(42);  // above 32: success
}

// Points this program's import of shell32's ShellExecuteW at the recorder.
void redirectShellExecute() {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); library->Name;
       ++library) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + library->Name), "shell32.dll") != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
    auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++addresses) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), "ShellExecuteW") != 0) continue;
      DWORD protection;
      VirtualProtect(&addresses->u1.Function, sizeof(void*), PAGE_READWRITE, &protection);
      addresses->u1.Function = reinterpret_cast<ULONG_PTR>(recordDocument);
      VirtualProtect(&addresses->u1.Function, sizeof(void*), protection, &protection);
    }
  }
}

}  // namespace

void install() {
  static const bool installed = [] {
    redirectShellExecute();
    core::setSoundOutput(&core::softwareMixer());
    std::thread(watch).detach();
    return true;
  }();
  (void)installed;
}

void queueMenuChoice(int menu, int item) {
  const MenuRecord* record = core::findMenu(menu);
  if (!record) return;
  const std::lock_guard lock(mutex);
  menuChoices[static_cast<HMENU>(record->native)].push_back(item);
}

void queueBoxAnswer(int button) {
  const std::lock_guard lock(mutex);
  boxAnswers.push_back(button);
}

std::vector<testing::ShownMessageBox> shownBoxes() {
  const std::lock_guard lock(mutex);
  return boxes;
}

std::vector<std::string> documents() {
  const std::lock_guard lock(mutex);
  return opened;
}

}  // namespace media::win32::standins

namespace {
// In place before a test shows its first box or menu.
[[maybe_unused]] const bool installedAtStart = (media::win32::standins::install(), true);
}  // namespace
