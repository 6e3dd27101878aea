// The modal message box (MessageBoxW, owned by the foreground window of this
// program) and the hand-off of documents and web addresses to the desktop's
// default handler (ShellExecuteW, no waiting).
#include "media/win32/win32_internal.h"

#include <shellapi.h>


namespace media::backend {

using namespace media::win32;

int messageBox(std::string_view caption, std::string_view text, int kind) {
  UINT style = MB_OK | MB_ICONINFORMATION;
  if (kind == BoxErrorOk) style = MB_OK | MB_ICONERROR;
  if (kind == BoxWarningYesNo) style = MB_YESNO | MB_ICONWARNING;
  HWND owner = GetActiveWindow();
  if (windowNumber(owner) < 0) owner = nullptr;
  const int pressed = MessageBoxW(owner, wide(text).c_str(), wide(caption).c_str(), style | MB_SETFOREGROUND);
  if (pressed == IDYES) return ButtonYes;
  if (pressed == IDNO) return ButtonNo;
  if (pressed == IDOK) return ButtonOk;
  return kind == BoxWarningYesNo ? ButtonNo : ButtonOk;
}

bool openDocument(std::string_view pathOrAddress) {
  if (pathOrAddress.empty()) return false;
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", wide(pathOrAddress).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace media::backend
