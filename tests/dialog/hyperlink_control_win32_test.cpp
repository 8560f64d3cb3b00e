// The hyperlink control in process, on static controls of a window of its
// own: where the hot area lies, what clicks and keys do, how it paints. Needs
// a display; the dialog test runs it on its X server.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "dialog/hyperlink_control_win32.h"
#include "support/registry_win32.h"

namespace {

constexpr int kControlId = 100;
constexpr int kWidth = 300, kHeight = 40;
constexpr COLORREF kBlue = 0x00FF0000, kWhite = 0x00FFFFFF;

// What the parent window was told.
struct ParentLog {
  int commands = 0;
  int clicks = 0;  // NM_CLICK notifications naming the control
};
ParentLog parentLog;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kControlId && HIWORD(wParam) == 0) ++parentLog.commands;
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (wParam == kControlId && header->idFrom == kControlId && header->code == static_cast<UINT>(NM_CLICK) &&
          header->hwndFrom == GetDlgItem(window, kControlId))
        ++parentLog.clicks;
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

class HyperlinkControlTest : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW type{};
    type.lpfnWndProc = ParentProc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"HyperlinkTestParent";
    RegisterClassW(&type);
    parent_ = CreateWindowW(L"HyperlinkTestParent", L"Hyperlink test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 200,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    parentLog = ParentLog();
  }
  void TearDown() override {
    link_.reset();
    DestroyWindow(parent_);
  }

  // A static control of the given style and text taken over by a link.
  HWND makeLink(const wchar_t* text, DWORD style, std::uint32_t options) {
    control_ = CreateWindowW(L"STATIC", text, WS_CHILD | WS_VISIBLE | style, 10, 10, kWidth, kHeight, parent_,
                             reinterpret_cast<HMENU>(kControlId), GetModuleHandleW(nullptr), nullptr);
    link_ = std::make_unique<HyperlinkControl>(options);
    EXPECT_TRUE(link_->attach(control_));
    return control_;
  }

  // A click at x (client coordinates, halfway down the first line), released at releaseX.
  void click(int x, int releaseX) {
    SetFocus(parent_);
    SendMessageW(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
    SendMessageW(control_, WM_LBUTTONUP, 0, MAKELPARAM(releaseX, 5));
  }
  void click(int x) { click(x, x); }

  // The control as it paints itself: one COLORREF per pixel, row by row.
  std::vector<COLORREF> paint() {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageW(control_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
  }
  static int count(const std::vector<COLORREF>& pixels, COLORREF color) {
    int n = 0;
    for (COLORREF pixel : pixels) n += pixel == color;
    return n;
  }
  // Leftmost and rightmost columns holding a pixel that is not the background.
  static std::pair<int, int> inkColumns(const std::vector<COLORREF>& pixels) {
    int left = kWidth, right = -1;
    for (size_t i = 0; i < pixels.size(); ++i) {
      if (pixels[i] == kWhite) continue;
      int x = static_cast<int>(i % kWidth);
      left = std::min(left, x);
      right = std::max(right, x);
    }
    return {left, right};
  }

  HWND parent_ = nullptr;
  HWND control_ = nullptr;
  std::unique_ptr<HyperlinkControl> link_;
};

TEST_F(HyperlinkControlTest, AddressTextLinksToItselfAndIsDrawnUnderlinedInBlue) {
  HWND control = makeLink(L"https://example.invalid/", SS_LEFT, 0);
  EXPECT_TRUE(GetWindowLongW(control, GWL_STYLE) & SS_NOTIFY);  // the static now takes the mouse
  std::vector<COLORREF> pixels = paint();
  auto [left, right] = inkColumns(pixels);
  EXPECT_EQ(left, 0);
  EXPECT_GT(right, 50);
  // The underline is one unbroken blue row as wide as the text.
  bool underlined = false;
  for (int y = 0; y < kHeight && !underlined; ++y) {
    int run = 0;
    for (int x = left; x <= right; ++x) run += pixels[y * kWidth + x] == kBlue;
    underlined = run == right - left + 1;
  }
  EXPECT_TRUE(underlined);
}

TEST_F(HyperlinkControlTest, HotAreaIsOnlyOverTheDrawnTextForEachAlignment) {
  struct Case {
    DWORD style;
    int hot, cold1, cold2;
  };
  const Case cases[] = {
      {SS_LEFT, 3, kWidth / 2, kWidth - 3},
      {SS_CENTER, kWidth / 2, 3, kWidth - 3},
      {SS_RIGHT, kWidth - 3, 3, kWidth / 2},
  };
  for (const Case& c : cases) {
    makeLink(L"Go on", c.style, LinkOption::ActAsButton);
    parentLog = ParentLog();
    click(c.cold1);
    click(c.cold2);
    EXPECT_EQ(parentLog.commands, 0) << c.style;
    EXPECT_NE(GetFocus(), control_) << c.style;
    click(c.hot);
    EXPECT_EQ(parentLog.commands, 1) << c.style;
    EXPECT_EQ(GetFocus(), control_) << c.style;
    DestroyWindow(control_);
  }
}

TEST_F(HyperlinkControlTest, PressingInsideAndReleasingOutsideDoesNothing) {
  makeLink(L"Go on", SS_LEFT, LinkOption::ActAsButton);
  click(3, kWidth - 3);
  EXPECT_EQ(parentLog.commands, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  // A release without a press on the link does nothing either.
  SendMessageW(control_, WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
  EXPECT_EQ(parentLog.commands, 0);
}

TEST_F(HyperlinkControlTest, ClickAsNotifySendsAClickNotificationInsteadOfACommand) {
  makeLink(L"Go on", SS_LEFT, LinkOption::ActAsButton | LinkOption::ClickAsNotify);
  click(3);
  EXPECT_EQ(parentLog.clicks, 1);
  EXPECT_EQ(parentLog.commands, 0);
  EXPECT_TRUE(link_->navigate());
  EXPECT_EQ(parentLog.clicks, 2);
}

TEST_F(HyperlinkControlTest, EnterAndSpaceActLikeAClick) {
  HWND control = makeLink(L"Go on", SS_LEFT, LinkOption::ActAsButton);
  SendMessageW(control, WM_CHAR, VK_RETURN, 0);
  SendMessageW(control, WM_CHAR, VK_SPACE, 0);
  SendMessageW(control, WM_CHAR, 'a', 0);
  EXPECT_EQ(parentLog.commands, 2);
  // The dialog manager hands over characters, and Enter instead of pressing the default button.
  EXPECT_EQ(SendMessageW(control, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS);
  MSG enter{control, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
  EXPECT_EQ(SendMessageW(control, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)),
            DLGC_WANTCHARS | DLGC_WANTMESSAGE);
  MSG tab{control, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  EXPECT_EQ(SendMessageW(control, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)), DLGC_WANTCHARS);
}

TEST_F(HyperlinkControlTest, DisabledLinkIsDrawnInGreyText) {
  HWND control = makeLink(L"https://example.invalid/", SS_LEFT, 0);
  EXPECT_GT(count(paint(), kBlue), 50);
  EnableWindow(control, FALSE);
  std::vector<COLORREF> pixels = paint();
  EXPECT_EQ(count(pixels, kBlue), 0);
  EXPECT_GT(count(pixels, GetSysColor(COLOR_GRAYTEXT)), 50);
}

TEST_F(HyperlinkControlTest, TaggedLabelLinksAndColoursOnlyTheTaggedPart) {
  makeLink(L"Click <A>here</A> please", SS_LEFT, LinkOption::TaggedLabel | LinkOption::ActAsButton);
  HDC dc = GetDC(control_);
  HGDIOBJ previous = SelectObject(dc, GetStockObject(SYSTEM_FONT));  // the parent reports no font
  SIZE before, link;
  GetTextExtentPoint32W(dc, L"Click ", 6, &before);
  GetTextExtentPoint32W(dc, L"here", 4, &link);
  SelectObject(dc, previous);
  ReleaseDC(control_, dc);

  click(before.cx / 2);
  EXPECT_EQ(parentLog.commands, 0);
  click(before.cx + link.cx / 2);
  EXPECT_EQ(parentLog.commands, 1);
  click(before.cx + link.cx + 10);  // on " please"
  EXPECT_EQ(parentLog.commands, 1);

  std::vector<COLORREF> pixels = paint();
  int blueLeft = kWidth, blueRight = -1;
  for (size_t i = 0; i < pixels.size(); ++i) {
    if (pixels[i] != kBlue) continue;
    blueLeft = std::min(blueLeft, static_cast<int>(i % kWidth));
    blueRight = std::max(blueRight, static_cast<int>(i % kWidth));
  }
  EXPECT_GE(blueLeft, before.cx - 1);
  EXPECT_LE(blueRight, before.cx + link.cx);
  EXPECT_GT(inkColumns(pixels).second, before.cx + link.cx + 10);  // " please" is drawn after the link
}

TEST_F(HyperlinkControlTest, HoverUnderlineUnderlinesOnlyWhileTheMouseIsOverTheLink) {
  makeLink(L"https://example.invalid/", SS_LEFT, LinkOption::HoverUnderline);
  int resting = count(paint(), kBlue);
  SendMessageW(control_, WM_MOUSEMOVE, 0, MAKELPARAM(3, 5));
  int hovering = count(paint(), kBlue);
  EXPECT_GT(hovering, resting + 50);  // the underline
  SendMessageW(control_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(count(paint(), kBlue), resting);
  SendMessageW(control_, WM_MOUSEMOVE, 0, MAKELPARAM(3, 5));
  SendMessageW(control_, WM_MOUSEMOVE, 0, MAKELPARAM(kWidth - 3, 5));  // off the text
  EXPECT_EQ(count(paint(), kBlue), resting);
}

TEST_F(HyperlinkControlTest, PlainLinkFontHasNoUnderline) {
  makeLink(L"https://example.invalid/", SS_LEFT, 0);
  int underlined = count(paint(), kBlue);
  DestroyWindow(control_);
  makeLink(L"https://example.invalid/", SS_LEFT, LinkOption::PlainLinkFont);
  int plain = count(paint(), kBlue);
  EXPECT_GT(plain, 50);
  EXPECT_GT(underlined, plain + 50);
}

TEST_F(HyperlinkControlTest, UsersLinkColourIsRead) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Internet Explorer\\Settings", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const wchar_t green[] = L"0,128,0";
  RegSetValueExW(key, L"Anchor Color", 0, REG_SZ, reinterpret_cast<const BYTE*>(green), sizeof green);
  makeLink(L"https://example.invalid/", SS_LEFT, 0);
  RegDeleteValueW(key, L"Anchor Color");
  RegCloseKey(key);
  std::vector<COLORREF> pixels = paint();
  EXPECT_EQ(count(pixels, kBlue), 0);
  EXPECT_GT(count(pixels, RGB(0, 128, 0)), 50);
}

TEST_F(HyperlinkControlTest, SizeChangeMovesTheHotArea) {
  makeLink(L"Go on", SS_RIGHT, LinkOption::ActAsButton);
  SetWindowPos(control_, nullptr, 0, 0, kWidth / 2, kHeight, SWP_NOMOVE | SWP_NOZORDER);
  click(kWidth - 3);
  EXPECT_EQ(parentLog.commands, 0);
  click(kWidth / 2 - 3);
  EXPECT_EQ(parentLog.commands, 1);
}

TEST_F(HyperlinkControlTest, PictureStaticKeepsPaintingItselfAndIsHotAllOver) {
  makeLink(L"not shown", SS_BLACKRECT, LinkOption::ActAsButton);
  // Drawn by the static itself: one dark colour all over, no text, no white background.
  std::vector<COLORREF> pixels = paint();
  EXPECT_NE(pixels[0], kWhite);
  EXPECT_EQ(count(pixels, pixels[0]), kWidth * kHeight);
  click(kWidth - 3);
  EXPECT_EQ(parentLog.commands, 1);
}

TEST_F(HyperlinkControlTest, LettingGoRestoresTheControlsOwnProcedure) {
  HWND control = CreateWindowW(L"STATIC", L"Go on", WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, parent_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  LONG_PTR own = GetWindowLongPtrW(control, GWLP_WNDPROC);
  {
    HyperlinkControl link(LinkOption::ActAsButton);
    ASSERT_TRUE(link.attach(control));
    EXPECT_NE(GetWindowLongPtrW(control, GWLP_WNDPROC), own);
  }
  EXPECT_EQ(GetWindowLongPtrW(control, GWLP_WNDPROC), own);
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));  // no one left to answer
  SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
  EXPECT_EQ(parentLog.commands, 0);
}

}  // namespace
