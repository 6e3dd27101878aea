// Controls of the Win32 back end: each kind as its standard or common control,
// a child of the window, tab page or scrolling area its record names, with the
// control's number (plus ControlIdBase) as its identifier, kept in step with
// the record by updateControl. Picture buttons and picture controls are drawn
// by their owner (control_messages.cpp); a picture button carries its name as
// its text, so assistive technology can read it.
#include "media/win32/win32_internal.h"

#include <commctrl.h>
#include <richedit.h>

#include <map>
#include <set>


namespace media::win32 {
namespace {

// The rich-text box's class, from the system's rich-edit library; a plain edit
// box where that library is missing.
const wchar_t* richTextClass() {
  static const wchar_t* name = LoadLibraryW(L"msftedit.dll")    ? MSFTEDIT_CLASS
                               : LoadLibraryW(L"riched20.dll") ? RICHEDIT_CLASSW
                                                                : L"EDIT";
  return name;
}

struct Native {
  const wchar_t* className;
  DWORD style;
  DWORD extendedStyle;
};

Native nativeOf(const ControlRecord& control) {
  const unsigned flags = control.flags;
  switch (control.kind) {
    case ControlTextLabel: {
      DWORD style = SS_NOPREFIX | (flags & LabelCentre ? SS_CENTER : flags & LabelRight ? SS_RIGHT : SS_LEFT);
      if (!(flags & (LabelWrap | LabelCentre | LabelRight))) style = SS_NOPREFIX | SS_LEFTNOWORDWRAP;
      return {L"STATIC", style, 0};
    }
    case ControlPushButton: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlPictureButton:
      return {L"BUTTON", BS_OWNERDRAW | (flags & PictureNoFocus ? 0u : static_cast<DWORD>(WS_TABSTOP)), 0};
    case ControlCheckBox:
      return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP | (flags & CheckTextRight ? BS_LEFTTEXT | BS_RIGHT : 0u), 0};
    case ControlOptionButton: return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0};
    case ControlTrackBar:
      return {TRACKBAR_CLASSW,
              static_cast<DWORD>(TBS_HORZ | WS_TABSTOP | (flags & TrackTicks ? TBS_AUTOTICKS | TBS_BOTTOM : TBS_NOTICKS)),
              0};
    case ControlFrame: return {L"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT};
    case ControlPictureControl:
      return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY, flags & PictureSunken ? static_cast<DWORD>(WS_EX_CLIENTEDGE) : 0u};
    case ControlHyperlink: return {L"STATIC", SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP, 0};
    case ControlRichText: {
      DWORD style = ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL | (flags & RichReadOnly ? ES_READONLY : 0u);
      if (!(flags & RichWordWrap)) style |= WS_HSCROLL | ES_AUTOHSCROLL;
      return {richTextClass(), style, WS_EX_CLIENTEDGE};
    }
    case ControlTabPanel: return {WC_TABCONTROLW, WS_CLIPCHILDREN | WS_TABSTOP, 0};
    case ControlScrollArea: return {ScrollClass, WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN, WS_EX_CLIENTEDGE};
    default: return {nullptr, 0, 0};
  }
}

// The option buttons of each group, for clearing the others when one is chosen.
std::map<int, std::set<int>> optionGroups;

// A picture button's text is its name: its own text, else its tool tip.
std::wstring shownText(const ControlRecord& control) {
  if (control.kind == ControlPictureButton && control.text.empty()) return wide(control.toolTip);
  return wide(control.text);
}

void setText(HWND hwnd, const std::wstring& text) {
  wchar_t shown[1024] = L"";
  GetWindowTextW(hwnd, shown, 1024);
  if (text != shown) SetWindowTextW(hwnd, text.c_str());
}

// The page of a tab panel or the inside of a scrolling area.
HWND makePage(HWND parent) {
  return CreateWindowExW(WS_EX_CONTROLPARENT, PageClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                         parent, nullptr, instance(), nullptr);
}

// The tab pages fill the panel's display area; the current one is shown.
void layoutPages(const ControlRecord& control, const ControlNative& native) {
  RECT area;
  GetClientRect(native.hwnd, &area);
  TabCtrl_AdjustRect(native.hwnd, FALSE, &area);
  for (std::size_t i = 0; i < native.pages.size(); ++i) {
    SetWindowPos(native.pages[i], nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(native.pages[i], static_cast<int>(i) == control.state ? SW_SHOW : SW_HIDE);
  }
}

void layoutScrollArea(const ControlRecord& control, const ControlNative& native) {
  SetWindowLongPtrW(native.hwnd, GWLP_USERDATA, toDevice(control.scrollStep));
  RECT view;
  GetClientRect(native.hwnd, &view);
  const int innerWidth = toDevice(control.innerWidth), innerHeight = toDevice(control.innerHeight);
  SCROLLINFO horizontal{sizeof horizontal, SIF_RANGE | SIF_PAGE, 0, innerWidth - 1,
                        static_cast<UINT>(view.right)};
  SCROLLINFO vertical{sizeof vertical, SIF_RANGE | SIF_PAGE, 0, innerHeight - 1, static_cast<UINT>(view.bottom)};
  SetScrollInfo(native.hwnd, SB_HORZ, &horizontal, TRUE);
  SetScrollInfo(native.hwnd, SB_VERT, &vertical, TRUE);
  SetWindowPos(native.inner, nullptr, -GetScrollPos(native.hwnd, SB_HORZ), -GetScrollPos(native.hwnd, SB_VERT),
               innerWidth, innerHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(native.inner, SW_SHOW);
}

void setToolTip(const ControlRecord& control, ControlNative& native) {
  if (control.toolTip.empty() && !native.toolTip) return;
  if (!native.toolTip) {
    native.toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                     GetAncestor(native.hwnd, GA_ROOT), nullptr, instance(), nullptr);
    TOOLINFOW tool{sizeof tool, TTF_IDISHWND | TTF_SUBCLASS, GetParent(native.hwnd),
                   reinterpret_cast<UINT_PTR>(native.hwnd)};
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(native.toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  std::wstring text = wide(control.toolTip);
  TOOLINFOW tool{sizeof tool, TTF_IDISHWND, GetParent(native.hwnd), reinterpret_cast<UINT_PTR>(native.hwnd)};
  tool.lpszText = text.data();
  SendMessageW(native.toolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void applyKindProperties(const ControlRecord& control, ControlNative& native) {
  const HWND hwnd = native.hwnd;
  switch (control.kind) {
    case ControlCheckBox:
    case ControlOptionButton:
      SendMessageW(hwnd, BM_SETCHECK, control.state ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlTrackBar:
      SendMessageW(hwnd, TBM_SETRANGEMIN, FALSE, control.minimum);
      SendMessageW(hwnd, TBM_SETRANGEMAX, FALSE, control.maximum);
      SendMessageW(hwnd, TBM_SETPAGESIZE, 0, 1);
      SendMessageW(hwnd, TBM_SETPOS, TRUE, control.state);
      break;
    case ControlTabPanel:
      if (control.state >= 0 && control.state < TabCtrl_GetItemCount(hwnd)) TabCtrl_SetCurSel(hwnd, control.state);
      layoutPages(control, native);
      break;
    case ControlScrollArea: layoutScrollArea(control, native); break;
    default: break;
  }
}

}  // namespace

ControlNative* controlNative(const ControlRecord& control) { return static_cast<ControlNative*>(control.native); }

HWND controlHwnd(int control) {
  const ControlRecord* record = core::findControl(control);
  const ControlNative* native = record ? controlNative(*record) : nullptr;
  return native ? native->hwnd : nullptr;
}

HWND containerHandle(const ControlRecord& control) {
  if (control.container < 0) return hwndOf(control.window);
  const ControlRecord* container = core::findControl(control.container);
  const ControlNative* native = container ? controlNative(*container) : nullptr;
  if (!native) return nullptr;
  if (container->kind == ControlScrollArea) return native->inner;
  if (control.tab >= 0 && control.tab < static_cast<int>(native->pages.size())) return native->pages[control.tab];
  return nullptr;
}

void selectOption(int control) {
  ControlRecord* chosen = core::findControl(control);
  if (!chosen) return;
  for (int number : optionGroups[chosen->group]) {
    ControlRecord* record = core::findControl(number);
    if (!record) continue;
    record->state = number == control ? 1 : 0;
    if (const ControlNative* native = controlNative(*record))
      SendMessageW(native->hwnd, BM_SETCHECK, record->state ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

}  // namespace media::win32

namespace media::backend {

using namespace media::win32;

bool createControl(ControlRecord& control) {
  const HWND parent = containerHandle(control);
  const Native kind = nativeOf(control);
  if (!parent || !kind.className) return false;
  const HWND hwnd = CreateWindowExW(kind.extendedStyle, kind.className, shownText(control).c_str(),
                                    WS_CHILD | WS_CLIPSIBLINGS | kind.style, 0, 0, 0, 0, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdBase + control.number)),
                                    instance(), nullptr);
  if (!hwnd) return false;
  auto* native = new ControlNative;
  native->hwnd = hwnd;
  if (control.kind == ControlScrollArea) native->inner = makePage(hwnd);
  // A frame lies beneath the controls it surrounds, whenever they were made.
  if (control.kind == ControlFrame) SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (control.kind == ControlOptionButton) optionGroups[control.group].insert(control.number);
  control.native = native;
  subclassControl(hwnd, control.number);
  updateControl(control);
  return true;
}

void destroyControl(ControlRecord& control) {
  ControlNative* native = controlNative(control);
  control.native = nullptr;
  if (control.kind == ControlOptionButton) optionGroups[control.group].erase(control.number);
  if (!native) return;
  if (native->toolTip) DestroyWindow(native->toolTip);
  if (native->brush) DeleteObject(native->brush);
  DestroyWindow(native->hwnd);  // its pages and inner area with it
  delete native;
}

void updateControl(ControlRecord& control) {
  ControlNative* native = controlNative(control);
  if (!native) return;
  const HWND hwnd = native->hwnd;
  SetWindowPos(hwnd, nullptr, toDevice(control.rect.x), toDevice(control.rect.y), toDevice(control.rect.width),
               toDevice(control.rect.height), SWP_NOZORDER | SWP_NOACTIVATE);
  EnableWindow(hwnd, control.disabled ? FALSE : TRUE);
  if (control.kind != ControlRichText && control.kind != ControlTabPanel && control.kind != ControlScrollArea &&
      control.kind != ControlTrackBar)
    setText(hwnd, shownText(control));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(control.font)), FALSE);
  if (native->brush) DeleteObject(native->brush);
  native->brush = control.backgroundColour >= 0 ? CreateSolidBrush(toColorRef(control.backgroundColour)) : nullptr;
  setToolTip(control, *native);
  applyKindProperties(control, *native);
  ShowWindow(hwnd, control.hidden ? SW_HIDE : SW_SHOWNA);
  InvalidateRect(hwnd, nullptr, TRUE);
}

// The view stays where it was, so a filled box opens at its first line. The
// box does not paint while a line goes in: a box filled line by line would
// otherwise scroll and repaint twice a line, seconds for the notices under
// Wine. It is painted once, when the program next waits for events. A hidden
// box paints nothing anyway, and turning its redraw back on would mark it
// visible.
void appendRichTextLine(ControlRecord& control, std::string_view line) {
  const ControlNative* native = controlNative(control);
  if (!native) return;
  const HWND hwnd = native->hwnd;
  const bool shown = (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown) SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
  const LRESULT firstShown = SendMessageW(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0);
  const int length = GetWindowTextLengthW(hwnd);
  SendMessageW(hwnd, EM_SETSEL, length, length);
  const std::wstring text = (length > 0 ? L"\r\n" : L"") + wide(line);
  SendMessageW(hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(hwnd, EM_SETSEL, 0, 0);
  const LRESULT nowShown = SendMessageW(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(hwnd, EM_LINESCROLL, 0, firstShown - nowShown);
  if (!shown) return;
  SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);  // the frame holds the scroll bar
}

void addTab(ControlRecord& tabPanel, std::string_view title) {
  ControlNative* native = controlNative(tabPanel);
  if (!native) return;
  std::wstring text = wide(title);
  TCITEMW item{TCIF_TEXT};
  item.pszText = text.data();
  TabCtrl_InsertItem(native->hwnd, static_cast<int>(native->pages.size()), &item);
  native->pages.push_back(makePage(native->hwnd));
  if (tabPanel.state >= 0) TabCtrl_SetCurSel(native->hwnd, tabPanel.state);
  applyKindProperties(tabPanel, *native);
}

}  // namespace media::backend
