// A window title and class name into the terminal key and a tracking tick.
// Lines: title, class name.
#include "tests/fuzz/fuzz_input.h"
#include "tests/support/fake_platform.h"
#include "tracking/tracking_tick.h"
#include "ui/form1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzzing::Lines in(data, size);
  tracking::TerminalKeyOf(in[0]);
  testing_support::FakePlatform fake;
  const auto panel = fake.windows.AddWindow({u"TForm1", u"", {}, {}});
  const auto terminal = fake.windows.AddWindow({in[1].empty() ? std::u16string(tracking::kTerminalClass) : in[1], in[0], {}, {}});
  fake.windows.foreground = terminal;
  TForm1 form(fake.platform);
  form.SetHandle(panel);
  form.FormCreate();
  form.Timer1Timer();
  form.N2Click();
  form.AdvGlassButton1.Click();
  return 0;
}
