// What the controls tell the window holding them, turned into the record's
// state and an event (EventControl type 0 for a click, 1 for a moved track bar
// or another tab; EventMenu for a toolbar button), their colours (the window's
// callback answers a label's question, WM_CTLCOLORSTATIC), and the drawing of
// the owner-drawn picture button and picture control. A transparent label or
// a picture button's uncovered edge shows the window's own background: a brush
// of the window's picture aligned to the control.
#include "media/win32/win32_internal.h"

#include <commctrl.h>

#include <map>


namespace media::win32 {
namespace {

constexpr const wchar_t* ToolbarProperty = L"FreeMirel.Toolbar";

ControlRecord* recordOf(HWND control) {
  const LONG_PTR id = GetWindowLongPtrW(control, GWLP_ID);
  ControlRecord* record = id >= ControlIdBase ? core::findControl(static_cast<int>(id - ControlIdBase)) : nullptr;
  const ControlNative* native = record ? controlNative(*record) : nullptr;
  return native && native->hwnd == control ? record : nullptr;
}

void postControl(const ControlRecord& control, int type) { post(EventControl, control.window, control.number, type); }

void clicked(ControlRecord& control, HWND hwnd) {
  switch (control.kind) {
    case ControlPictureButton:
      if (control.flags & PictureToggle) {
        control.state = control.state ? 0 : 1;
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      break;
    case ControlCheckBox:
      control.state = control.state ? 0 : 1;
      SendMessageW(hwnd, BM_SETCHECK, control.state ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlOptionButton: selectOption(control.number); break;
    case ControlPushButton:
    case ControlPictureControl:
    case ControlHyperlink: break;
    default: return;
  }
  postControl(control, 0);
}

HBRUSH controlColours(ControlRecord& control, HWND hwnd, HDC dc) {
  int text = control.textColour;
  if (control.kind == ControlHyperlink && control.hovered && control.hoverColour >= 0) text = control.hoverColour;
  StaticColours colours;
  const bool answered =
      control.kind == ControlTextLabel && core::askStaticColours(control.window, control.number, colours) != 0;
  if (answered && colours.textColour >= 0) text = colours.textColour;
  if (text >= 0 && !control.disabled) SetTextColor(dc, toColorRef(text));
  SetBkMode(dc, TRANSPARENT);
  if (answered && colours.transparentBackground) return backgroundBrush(control.window, hwnd, dc);
  if (const ControlNative* native = controlNative(control); native && native->brush) return native->brush;
  // Labels on a window with a picture take the face colour unless made transparent.
  const WindowRecord* window = core::findWindow(control.window);
  if (control.container < 0 && window && window->background) return GetSysColorBrush(COLOR_BTNFACE);
  return control.container < 0 ? backgroundBrush(control.window, hwnd, dc) : GetSysColorBrush(COLOR_BTNFACE);
}

void drawPictureButton(const ControlRecord& control, const DRAWITEMSTRUCT& item) {
  const bool held = item.itemState & ODS_SELECTED;
  const Image* picture = control.picture;
  if ((control.flags & PictureToggle) && control.state && control.pressedPicture) picture = control.pressedPicture;
  const RECT& area = item.rcItem;
  FillRect(item.hDC, &area, backgroundBrush(control.window, item.hwndItem, item.hDC));
  const int shift = held ? toDevice(1) : 0;
  drawImage(item.hDC, picture, area.left + shift, area.top + shift, area.right - area.left, area.bottom - area.top);
}

void drawPictureControl(const ControlRecord& control, const DRAWITEMSTRUCT& item) {
  const RECT& area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
  drawImage(item.hDC, control.picture, area.left, area.top, area.right - area.left, area.bottom - area.top);
}

// Hyperlinks follow the mouse; every control passes mouse moves on to its
// window (a game tracking the pointer learns that it left the play field).
LRESULT CALLBACK controlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  ControlRecord* record = core::findControl(static_cast<int>(data));
  if (record && record->kind == ControlHyperlink) {
    if (message == WM_SETCURSOR) {
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    }
    if (message == WM_MOUSEMOVE && !record->hovered) {
      record->hovered = 1;
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
      TrackMouseEvent(&track);
      InvalidateRect(hwnd, nullptr, TRUE);
    }
    if (message == WM_MOUSELEAVE) {
      record->hovered = 0;
      InvalidateRect(hwnd, nullptr, TRUE);
    }
  }
  if (record && message == WM_MOUSEMOVE) reportMouseMove(record->window);
  // A button that never takes the focus hands it straight back to its window,
  // so Space or Enter meant for the window's shortcuts never press it.
  if (record && message == WM_SETFOCUS && record->kind == ControlPictureButton && (record->flags & PictureNoFocus)) {
    SetFocus(GetAncestor(hwnd, GA_ROOT));
    return 0;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

HBRUSH backgroundBrush(int window, HWND child, HDC dc) {
  static std::map<const Image*, HBRUSH> pictureBrushes;
  static std::map<int, HBRUSH> colourBrushes;
  const WindowRecord* record = core::findWindow(window);
  if (record && record->background) {
    HBRUSH& brush = pictureBrushes[record->background];
    if (!brush) brush = CreatePatternBrush(bitmapOf(record->background));
    POINT origin{0, 0};
    MapWindowPoints(child, hwndOf(*record), &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    return brush;
  }
  if (record && record->colour >= 0) {
    HBRUSH& brush = colourBrushes[record->colour];
    if (!brush) brush = CreateSolidBrush(toColorRef(record->colour));
    return brush;
  }
  return GetSysColorBrush(COLOR_BTNFACE);
}

void subclassControl(HWND hwnd, int control) { SetWindowSubclass(hwnd, controlProcedure, 1, control); }

void markToolbar(HWND toolbar) { SetPropW(toolbar, ToolbarProperty, reinterpret_cast<HANDLE>(1)); }

bool handleControlMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND: {
      const HWND from = reinterpret_cast<HWND>(lParam);
      if (!from) return false;
      if (GetPropW(from, ToolbarProperty)) {
        post(EventMenu, windowNumber(GetAncestor(hwnd, GA_ROOT)), LOWORD(wParam));
        return true;
      }
      ControlRecord* record = recordOf(from);
      if (!record) return false;
      if (HIWORD(wParam) == BN_CLICKED || (HIWORD(wParam) == STN_CLICKED && record->kind != ControlTextLabel))
        clicked(*record, from);
      return true;
    }
    case WM_HSCROLL: {
      ControlRecord* record = recordOf(reinterpret_cast<HWND>(lParam));
      if (!record || record->kind != ControlTrackBar) return false;
      const int position = static_cast<int>(SendMessageW(reinterpret_cast<HWND>(lParam), TBM_GETPOS, 0, 0));
      if (position != record->state) {
        record->state = position;
        postControl(*record, 1);
      }
      return true;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      ControlRecord* record = recordOf(header->hwndFrom);
      if (!record || record->kind != ControlTabPanel || header->code != TCN_SELCHANGE) return false;
      record->state = TabCtrl_GetCurSel(header->hwndFrom);
      backend::updateControl(*record);
      postControl(*record, 1);
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      ControlRecord* record = recordOf(reinterpret_cast<HWND>(lParam));
      if (!record) return false;
      result = reinterpret_cast<LRESULT>(controlColours(*record, reinterpret_cast<HWND>(lParam),
                                                        reinterpret_cast<HDC>(wParam)));
      return true;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const ControlRecord* record = recordOf(item->hwndItem);
      if (!record) return false;
      if (record->kind == ControlPictureButton) drawPictureButton(*record, *item);
      if (record->kind == ControlPictureControl) drawPictureControl(*record, *item);
      result = TRUE;
      return true;
    }
    default: return false;
  }
}

}  // namespace media::win32
