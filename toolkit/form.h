#pragma once
// The top-level form: its title and client size.

#include "toolkit/control.h"

namespace toolkit {

class Form : public CaptionedControl {
 public:
  Form(Bounds clientBounds, std::u16string caption) : CaptionedControl(nullptr, clientBounds, std::move(caption)) {}

  int ClientWidth() const { return GetBounds().width; }
  int ClientHeight() const { return GetBounds().height; }
  void SetClientWidth(int width) { SetBounds({GetBounds().left, GetBounds().top, width, GetBounds().height}); }
  void SetClientHeight(int height) { SetBounds({GetBounds().left, GetBounds().top, GetBounds().width, height}); }
};

}  // namespace toolkit
