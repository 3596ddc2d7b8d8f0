#pragma once
// The top-level form: title, client size, the outer frame's place on the
// screen, its font, and the native window once a view has made one.

#include "toolkit/control.h"

namespace toolkit {

// A system colour rather than a fixed one: the high bit marks it, the low
// byte is the system's colour index.
constexpr Color kSystemColorFlag = 0x80000000u;
constexpr Color kButtonFace = kSystemColorFlag | 15;

using WindowHandle = std::uintptr_t;  // 0: none

class Form : public CaptionedControl {
 public:
  Form(int clientWidth, int clientHeight, std::u16string caption, Font font)
      : CaptionedControl(nullptr, {0, 0, clientWidth, clientHeight}, std::move(caption)), font_(std::move(font)) {}
  ControlKind Kind() const override { return ControlKind::Form; }

  int ClientWidth() const { return GetBounds().width; }
  int ClientHeight() const { return GetBounds().height; }
  void SetClientWidth(int width) { SetBounds({GetBounds().left, GetBounds().top, width, GetBounds().height}); }
  void SetClientHeight(int height) { SetBounds({GetBounds().left, GetBounds().top, GetBounds().width, height}); }

  // The outer frame's top-left corner in screen pixels. The view reports
  // moves by the user through SetPosition as well.
  int Left() const { return GetBounds().left; }
  int Top() const { return GetBounds().top; }
  void SetLeft(int left) { SetBounds({left, GetBounds().top, GetBounds().width, GetBounds().height}); }
  void SetTop(int top) { SetBounds({GetBounds().left, top, GetBounds().width, GetBounds().height}); }

  const Font& GetFont() const { return font_; }

  // Runs when the user closes the form, before its window goes.
  std::function<void()> OnClose;

  WindowHandle Handle() const { return handle_; }
  void SetHandle(WindowHandle handle) { handle_ = handle; }

 private:
  Font font_;
  WindowHandle handle_ = 0;
};

}  // namespace toolkit
