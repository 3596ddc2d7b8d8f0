#pragma once
// The services the form is handed at construction: the store, the window
// system and the shell. Production passes the Win32 ones; tests pass fakes.

#include <string>
#include <string_view>

#include "core/store.h"
#include "tracking/window_system.h"

namespace ui {

class Shell {
 public:
  virtual ~Shell() = default;
  virtual void ShiftKey(bool down) = 0;                        // a synthetic press or release, system-wide
  virtual void OpenAddress(std::u16string_view address) = 0;  // in the default browser; failures ignored
  virtual void Beep() = 0;                                     // the default sound
  virtual std::u16string ProgramPath() = 0;                    // the full path of the program's own file
  virtual std::u16string FileVersion(std::u16string_view fileName) = 0;  // empty when there is none
};

struct Platform {
  core::IniStore& store;
  tracking::WindowSystem& windows;
  Shell& shell;
};

}  // namespace ui
