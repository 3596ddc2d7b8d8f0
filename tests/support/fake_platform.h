#pragma once
// Fakes of the window system and the shell for host tests: they record what
// the form asked for.

#include <map>
#include <string>
#include <vector>

#include "tests/support/memory_store.h"
#include "ui/platform.h"

namespace testing_support {

class FakeWindowSystem : public tracking::WindowSystem {
 public:
  struct Window {
    std::u16string className;
    std::u16string title;
    tracking::Rect rect;
    std::vector<tracking::WindowHandle> children;  // top of the z-order first
    tracking::WindowHandle parent = 0;
  };

  tracking::WindowHandle AddWindow(Window window) {
    const tracking::WindowHandle handle = next_++;
    if (window.parent) windows_[window.parent].children.push_back(handle);
    windows_[handle] = std::move(window);
    return handle;
  }
  Window& Get(tracking::WindowHandle handle) { return windows_[handle]; }

  tracking::WindowHandle foreground = 0;
  std::vector<std::pair<tracking::WindowHandle, tracking::ZOrder>> zOrderCalls;

  tracking::WindowHandle ForegroundWindow() override { return foreground; }
  std::u16string ClassName(tracking::WindowHandle window, int bufferChars) override {
    return Cut(Find(window) ? Find(window)->className : u"", bufferChars);
  }
  std::u16string WindowText(tracking::WindowHandle window, int bufferChars) override {
    return Cut(Find(window) ? Find(window)->title : u"", bufferChars);
  }
  tracking::WindowHandle FirstChild(tracking::WindowHandle window) override {
    const Window* w = Find(window);
    return w && !w->children.empty() ? w->children.front() : 0;
  }
  tracking::WindowHandle NextSibling(tracking::WindowHandle window) override {
    const Window* w = Find(window);
    const Window* parent = w ? Find(w->parent) : nullptr;
    if (!parent) return 0;
    for (std::size_t i = 0; i + 1 < parent->children.size(); ++i)
      if (parent->children[i] == window) return parent->children[i + 1];
    return 0;
  }
  std::optional<tracking::Rect> WindowRect(tracking::WindowHandle window) override {
    const Window* w = Find(window);
    if (!w) return std::nullopt;
    return w->rect;
  }
  void SetZOrder(tracking::WindowHandle window, tracking::ZOrder order) override {
    zOrderCalls.emplace_back(window, order);
  }

 private:
  const Window* Find(tracking::WindowHandle handle) const {
    const auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : &found->second;
  }
  static std::u16string Cut(std::u16string text, int bufferChars) {
    if (bufferChars <= 0) return {};
    if (text.size() > static_cast<std::size_t>(bufferChars - 1)) text.resize(bufferChars - 1);
    return text;
  }

  std::map<tracking::WindowHandle, Window> windows_;
  tracking::WindowHandle next_ = 0x100;
};

class FakeShell : public ui::Shell {
 public:
  std::vector<std::u16string> calls;  // in order: "shift down", "open <address>", "shift up", "beep"
  std::u16string programPath = u"C:\\orderpanel\\orderpanel.exe";
  std::map<std::u16string, std::u16string> versions;

  void ShiftKey(bool down) override { calls.push_back(down ? u"shift down" : u"shift up"); }
  void OpenAddress(std::u16string_view address) override { calls.push_back(u"open " + std::u16string(address)); }
  void Beep() override { calls.push_back(u"beep"); }
  std::u16string ProgramPath() override { return programPath; }
  std::u16string FileVersion(std::u16string_view fileName) override {
    const auto found = versions.find(std::u16string(fileName));
    return found == versions.end() ? std::u16string() : found->second;
  }
};

// Everything a form needs, faked.
struct FakePlatform {
  MemoryStore store;
  FakeWindowSystem windows;
  FakeShell shell;
  ui::Platform platform{store, windows, shell};
};

}  // namespace testing_support
