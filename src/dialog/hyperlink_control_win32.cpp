#include "dialog/hyperlink_control_win32.h"

#include <windowsx.h>

#include <memory>
#include <type_traits>

#include "dialog/hand_cursor.h"
#include "dialog/shell_functions_win32.h"
#include "dialog/tagged_label.h"
#include "support/registry_win32.h"
#include "support/wide_win32.h"

namespace {

const wchar_t kObjectProperty[] = L"HyperlinkControl";
constexpr UINT_PTR kToolId = 1;
constexpr UINT kDrawFormat = DT_WORDBREAK | DT_NOPREFIX;  // an address's "&" is text, not a mnemonic

// Static styles that draw a picture or nothing rather than the window text.
bool DrawsNoText(LONG_PTR style) {
  LONG_PTR type = style & SS_TYPEMASK;
  return (type >= SS_ICON && type <= SS_WHITEFRAME) || (type >= SS_OWNERDRAW && type <= SS_ENHMETAFILE);
}

std::u16string WindowText(HWND window) {
  std::u16string text(GetWindowTextLengthW(window) + 1, u'\0');
  text.resize(GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size())));
  return text;
}

void ReadUserColor(HKEY key, const wchar_t* name, LinkColor& color) {
  char16_t buffer[kLinkColorValueCapacity];
  DWORD type = 0, size = sizeof buffer;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) return;
  if (auto parsed = LinkColorFromRegistryValue(type == REG_SZ || type == REG_EXPAND_SZ, buffer, size)) color = *parsed;
}

// A device context of a window for measuring, released to its window with the owner.
struct WindowDcRelease {
  HWND window;
  void operator()(HDC dc) const { ReleaseDC(window, dc); }
};
using WindowDc = std::unique_ptr<std::remove_pointer_t<HDC>, WindowDcRelease>;

WindowDc WindowDcOf(HWND window) { return WindowDc(GetDC(window), WindowDcRelease{window}); }

void DrawInFont(HDC dc, HFONT font, const std::u16string& text, RECT& rect, UINT format) {
  HGDIOBJ previous = SelectObject(dc, font);
  DrawTextW(dc, Wide(text), static_cast<int>(text.size()), &rect, format);
  SelectObject(dc, previous);
}

void Measure(HDC dc, HFONT font, const std::u16string& text, RECT& rect, UINT format) {
  DrawInFont(dc, font, text, rect, format | DT_CALCRECT);
}

}  // namespace

HyperlinkControl::~HyperlinkControl() {
  if (window_) detach();
}

bool HyperlinkControl::attach(HWND control) {
  if (!SetPropW(control, kObjectProperty, this)) return false;
  SetLastError(ERROR_SUCCESS);
  auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HyperlinkControl::WindowProc)));
  if (!previous && GetLastError() != ERROR_SUCCESS) {
    RemovePropW(control, kObjectProperty);
    return false;
  }
  window_ = control;
  previousProc_ = previous;
  initialize();
  return true;
}

void HyperlinkControl::detach() {
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
  RemovePropW(window_, kObjectProperty);
  window_ = nullptr;
}

void HyperlinkControl::initialize() {
  wchar_t className[8];
  if (GetClassNameW(window_, className, 8) && _wcsicmp(className, L"static") == 0) {
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE) | SS_NOTIFY;  // mouse input instead of HTTRANSPARENT
    SetWindowLongPtrW(window_, GWL_STYLE, style);
    if (DrawsNoText(style)) state_ &= ~kPaintsText;
  }
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const CursorPlanes& planes = HandCursorPlanes();
  handCursor_.reset(CreateCursor(instance, CursorPlanes::kHotSpotX, CursorPlanes::kHotSpotY, CursorPlanes::kSize,
                                 CursorPlanes::kSize, planes.andPlane.data(), planes.xorPlane.data()));
  if (paintsText()) makeFonts();

  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  if (LoadedShellFunctions().initCommonControlsEx) LoadedShellFunctions().initCommonControlsEx(&classes);
  tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             window_, nullptr, instance, nullptr);

  if (label_.empty()) {
    std::u16string text = WindowText(window_);
    if (!text.empty()) setLabel(std::move(text));
  }
  computeLinkRect();
  if (isLive())
    registerTool();
  else if (!label_.empty())
    setTarget(label_);  // a control whose text is an address links to it
  if (paintsText()) readUserColors();
}

void HyperlinkControl::makeFonts() {
  normalFont_ = reinterpret_cast<HFONT>(SendMessageW(GetParent(window_), WM_GETFONT, 0, 0));
  if (!normalFont_) normalFont_ = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  if (linkFont_) return;
  LOGFONTW description;
  if (!GetObjectW(normalFont_, sizeof description, &description)) return;
  if (has(LinkOption::TaggedLabel) && has(LinkOption::TaggedBold))
    description.lfWeight = FW_BOLD;
  else if (!has(LinkOption::PlainLinkFont))
    description.lfUnderline = TRUE;
  linkFont_.reset(CreateFontIndirectW(&description));
}

void HyperlinkControl::readUserColors() {
  // Read access only: an account that may not write here may still read.
  UniqueRegistryKey key =
      OpenRegistryKey(HKEY_CURRENT_USER, u"Software\\Microsoft\\Internet Explorer\\Settings", RegistryView::Default);
  if (!key) return;
  ReadUserColor(key.get(), L"Anchor Color", linkColor_);
  ReadUserColor(key.get(), L"Anchor Color Visited", visitedColor_);
}

void HyperlinkControl::setLabel(std::u16string label) {
  label_ = std::move(label);
  computeLinkRect();
  SetWindowTextW(window_, Wide(label_));
}

void HyperlinkControl::setTarget(std::u16string target) {
  target_ = std::move(target);
  if (label_.empty()) computeLinkRect();
  registerTool();
}

void HyperlinkControl::registerTool() {
  if (!tooltip_) return;
  SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window_;
  tool.uId = kToolId;
  tool.rect = linkRect_;
  tool.hinst = GetModuleHandleW(nullptr);
  tool.lpszText = const_cast<wchar_t*>(Wide(target_));
  SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));  // a new target replaces the old
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HFONT HyperlinkControl::linkFontInUse() const {
  if (!linkFont_ || (has(LinkOption::HoverUnderline) && !(state_ & kHover))) return normalFont_;
  return linkFont_.get();
}

UINT HyperlinkControl::alignment() const {
  LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
  if (style & SS_CENTER) return DT_CENTER;
  if (style & SS_RIGHT) return DT_RIGHT;
  return DT_LEFT;
}

void HyperlinkControl::computeLinkRect() {
  if (!IsWindow(window_) || (label_.empty() && target_.empty())) return;
  RECT client;
  GetClientRect(window_, &client);
  if (!paintsText()) {
    linkRect_ = client;
    return;
  }
  const WindowDc dc = WindowDcOf(window_);
  HFONT linkFont = linkFont_ ? linkFont_.get() : normalFont_;
  if (!has(LinkOption::TaggedLabel)) {
    RECT measured = client;
    UINT align = alignment();
    Measure(dc.get(), linkFont, shownText(), measured, kDrawFormat | align);
    LONG spare = client.right - measured.right;  // the measurement starts at the left edge
    if (align == DT_CENTER) OffsetRect(&measured, spare / 2, 0);
    if (align == DT_RIGHT) OffsetRect(&measured, spare, 0);
    linkRect_ = measured;
    return;
  }
  LabelParts parts = SplitTaggedLabel(label_);
  if (!parts.link) {
    linkRect_ = RECT{};
    return;
  }
  RECT area = client;
  if (parts.before) {
    RECT before = client;
    Measure(dc.get(), normalFont_, *parts.before, before, kDrawFormat);
    area.left = before.right;
  }
  Measure(dc.get(), linkFont, *parts.link, area, kDrawFormat);
  linkRect_ = area;
}

void HyperlinkControl::paint(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  LRESULT background = SendMessageW(GetParent(window_), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(window_));
  if (background) FillRect(dc, &client, reinterpret_cast<HBRUSH>(background));

  COLORREF color = !IsWindowEnabled(window_) ? GetSysColor(COLOR_GRAYTEXT)
                   : (state_ & kVisited)     ? visitedColor_
                                             : linkColor_;
  int previousMode = SetBkMode(dc, TRANSPARENT);
  HGDIOBJ previousFont = SelectObject(dc, normalFont_);
  COLORREF textColor = GetTextColor(dc);
  if (!has(LinkOption::TaggedLabel)) {
    SetTextColor(dc, color);
    RECT rect = linkRect_;
    DrawInFont(dc, linkFontInUse(), shownText(), rect, kDrawFormat | alignment());
  } else {
    LabelParts parts = SplitTaggedLabel(label_);
    if (parts.before) DrawInFont(dc, normalFont_, *parts.before, client, kDrawFormat);
    if (parts.link) {
      SetTextColor(dc, color);
      RECT rect = linkRect_;
      DrawInFont(dc, linkFontInUse(), *parts.link, rect, kDrawFormat);
      SetTextColor(dc, textColor);
    }
    if (parts.after) {
      RECT rest{linkRect_.right, linkRect_.top, client.right, client.bottom};
      DrawInFont(dc, normalFont_, *parts.after, rest, kDrawFormat);
    }
  }
  if (GetFocus() == window_) DrawFocusRect(dc, &linkRect_);
  SetTextColor(dc, textColor);
  SelectObject(dc, previousFont);
  SetBkMode(dc, previousMode);
}

void HyperlinkControl::repaintLink() {
  InvalidateRect(window_, &linkRect_, TRUE);
  UpdateWindow(window_);
}

void HyperlinkControl::setHover(bool hover) {
  if (!has(LinkOption::HoverUnderline) || hover == ((state_ & kHover) != 0)) return;
  state_ ^= kHover;
  repaintLink();
  if (!hover) return;
  TRACKMOUSEEVENT tracking{sizeof tracking, TME_LEAVE, window_, 0};
  TrackMouseEvent(&tracking);
}

bool HyperlinkControl::navigate() {
  HWND parent = GetParent(window_);
  int id = GetDlgCtrlID(window_);
  if (has(LinkOption::ActAsButton) && has(LinkOption::ClickAsNotify)) {
    NMHDR header{window_, static_cast<UINT_PTR>(id), static_cast<UINT>(NM_CLICK)};
    SendMessageW(parent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
    return true;
  }
  if (has(LinkOption::ActAsButton)) {
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(window_));
    return true;
  }
  auto shellExecute = LoadedShellFunctions().shellExecute;
  if (!shellExecute) return false;
  HINSTANCE result = shellExecute(nullptr, L"open", Wide(target_), nullptr, nullptr, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(result) <= 32) return false;
  state_ |= kVisited;
  InvalidateRect(window_, nullptr, TRUE);
  return true;
}

LRESULT CALLBACK HyperlinkControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<HyperlinkControl*>(GetPropW(window, kObjectProperty));
  if (!control) return DefWindowProcW(window, message, wParam, lParam);
  return control->handleMessage(message, wParam, lParam);
}

LRESULT HyperlinkControl::passOn(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(previousProc_, window_, message, wParam, lParam);
}

LRESULT HyperlinkControl::handleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  if (tooltip_ && !has(LinkOption::NoTooltipRelay)) {
    MSG relayed{window_, message, wParam, lParam, 0, {0, 0}};
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  bool onLink = PtInRect(&linkRect_, point) != FALSE;
  switch (message) {
    case WM_MOUSEMOVE:
      if (isLive() && onLink) {
        SetCursor(handCursor_.get());
        setHover(true);
        return 0;
      }
      setHover(false);
      return passOn(message, wParam, lParam);
    case WM_LBUTTONDOWN:
      if (onLink) {
        SetFocus(window_);
        SetCapture(window_);
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == window_) {
        ReleaseCapture();
        if (onLink) navigate();
      }
      return 0;
    default:
      return passOn(message, wParam, lParam);
  }
}

// WM_PRINTCLIENT brings the context to paint in; WM_PAINT asks for one.
void HyperlinkControl::paintMessage(HDC given) {
  if (given) {
    paint(given);
    return;
  }
  PAINTSTRUCT painting;
  HDC dc = BeginPaint(window_, &painting);
  paint(dc);
  EndPaint(window_, &painting);
}

bool HyperlinkControl::cursorIsOnLink() const {
  POINT point;
  return GetCursorPos(&point) && ScreenToClient(window_, &point) && PtInRect(&linkRect_, point);
}

LRESULT HyperlinkControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSEWHEEL) return handleMouse(message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (!paintsText()) break;
      paintMessage(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      if (!paintsText()) break;
      return 1;  // the background is filled while painting
    case WM_MOUSELEAVE:
      setHover(false);
      return 0;
    case WM_SETCURSOR:
      if (!isLive() || !cursorIsOnLink()) break;
      return TRUE;  // keep the hand that the mouse move set
    case WM_GETDLGCODE: {
      // Characters, and Enter, which the dialog manager would otherwise give
      // to the default button.
      auto* pending = reinterpret_cast<const MSG*>(lParam);
      bool isEnter = pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN;
      return DLGC_WANTCHARS | (isEnter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_CHAR:
      if (wParam == VK_RETURN || wParam == VK_SPACE) navigate();
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (paintsText()) InvalidateRect(window_, nullptr, TRUE);  // the focus rectangle comes or goes
      break;
    case WM_ENABLE:
      InvalidateRect(window_, nullptr, TRUE);
      UpdateWindow(window_);
      return 0;
    case WM_SIZE:
      computeLinkRect();
      InvalidateRect(window_, nullptr, TRUE);
      return 0;
    case WM_SETFONT:
      normalFont_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) {
        InvalidateRect(window_, nullptr, TRUE);
        UpdateWindow(window_);
      }
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(normalFont_);
    case WM_UPDATEUISTATE:
      return 0;
    case WM_DESTROY:
      if (IsWindow(tooltip_)) DestroyWindow(tooltip_);
      tooltip_ = nullptr;
      break;
    case WM_NCDESTROY: {
      HWND window = window_;
      WNDPROC previous = previousProc_;
      detach();
      return CallWindowProcW(previous, window, message, wParam, lParam);
    }
  }
  return passOn(message, wParam, lParam);
}
