// A static text control turned into a link: drawn in the user's link colours
// with an underlined font, a hand cursor and a tooltip over the text, and
// opened in the browser on a click or on Enter or Space while it has the focus.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "dialog/link_color.h"
#include "support/handles_win32.h"

namespace LinkOption {
enum : std::uint32_t {
  PlainLinkFont = 0x01,   // the link font is not underlined
  HoverUnderline = 0x02,  // the link font only while the mouse is over the link
  ActAsButton = 0x04,     // a click is a command to the parent, not an opened target
  ClickAsNotify = 0x08,   // with ActAsButton: the click is an NM_CLICK notification
  TaggedLabel = 0x10,     // only the text between "<A>" and "</A>" is the link
  TaggedBold = 0x20,      // with TaggedLabel: the link is bold, not underlined
  NoTooltipRelay = 0x40,  // mouse messages are not passed to the tooltip
};
}  // namespace LinkOption

class HyperlinkControl {
 public:
  explicit HyperlinkControl(std::uint32_t options = 0) : options_(options) {}
  ~HyperlinkControl();
  HyperlinkControl(const HyperlinkControl&) = delete;
  HyperlinkControl& operator=(const HyperlinkControl&) = delete;

  // Takes over an existing control by replacing its window procedure. False,
  // with the control left as it was, when that cannot be done.
  bool attach(HWND control);
  // The text shown; also becomes the control's window text.
  void setLabel(std::u16string label);
  // What a click opens; also the tooltip's text.
  void setTarget(std::u16string target);
  // The click: a command or notification to the parent with ActAsButton,
  // else the target opened by the shell.
  bool navigate();

 private:
  enum State : std::uint8_t { kPaintsText = 1, kVisited = 2, kHover = 4 };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMouse(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT passOn(UINT message, WPARAM wParam, LPARAM lParam);
  void detach();

  void initialize();
  void makeFonts();
  void readUserColors();
  void registerTool();
  void computeLinkRect();
  void paint(HDC dc);
  void paintMessage(HDC given);
  bool cursorIsOnLink() const;
  void repaintLink();
  void setHover(bool hover);

  bool has(std::uint32_t option) const { return (options_ & option) != 0; }
  bool paintsText() const { return (state_ & kPaintsText) != 0; }
  // A click does something: there is a target, or the control acts as a button.
  bool isLive() const { return !target_.empty() || has(LinkOption::ActAsButton); }
  const std::u16string& shownText() const { return label_.empty() ? target_ : label_; }
  HFONT linkFontInUse() const;
  UINT alignment() const;

  std::uint32_t options_;
  std::uint8_t state_ = kPaintsText;
  HWND window_ = nullptr;
  WNDPROC previousProc_ = DefWindowProcW;
  std::u16string label_;
  std::u16string target_;
  UniqueCursor handCursor_;
  UniqueFont linkFont_;
  HFONT normalFont_ = nullptr;
  RECT linkRect_{};
  HWND tooltip_ = nullptr;
  LinkColor linkColor_ = 0x00FF0000;
  LinkColor visitedColor_ = 0x00800080;
};
