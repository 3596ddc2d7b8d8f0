// The expert's status values into close captions, title and bar colours,
// alone and through a running form. Lines: bid_ask, lock, profit,
// macd_uroven, macd_napravl, flags (CheckBox8, 4, 5, 6, 7 as '1'/'0').
#include "exchange/status_display.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/support/fake_platform.h"
#include "ui/form1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzzing::Lines in(data, size);
  exchange::CloseCaptionsFrom(in[1], in.Flag(5, 0));
  exchange::TitleFrom(in[0], in[2], {in.Flag(5, 1), in.Flag(5, 2), in.Flag(5, 3), in.Flag(5, 4)});
  exchange::BarColorsFrom(in[3], in[4]);

  testing_support::FakePlatform fake;
  TForm1 form(fake.platform);
  form.FormCreate();
  form.TerminalKey = u"k";
  const char16_t* names[] = {u"bid_ask", u"lock", u"profit", u"macd_uroven", u"macd_napravl"};
  for (int i = 0; i < 5; ++i) fake.store.values[{u"k", names[i]}] = in[i];
  form.CheckBox8.SetChecked(in.Flag(5, 0));
  form.CheckBox4.SetChecked(in.Flag(5, 1));
  form.Timer2Timer();
  form.AdvGlassButton10.Click();
  form.AdvGlassButton5.Click();
  form.Timer2Timer();
  return 0;
}
