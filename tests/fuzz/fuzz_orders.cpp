// `r_ord` into menu entries, and a click on each entry. Line 0: r_ord.
#include "exchange/orders_menu.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/support/fake_platform.h"
#include "ui/form1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzzing::Lines in(data, size);
  testing_support::FakePlatform fake;
  TForm1 form(fake.platform);
  fake.store.values[{u"", u"r_ord"}] = in[0];
  form.Timer4Timer();
  form.PopupMenu2.Popup();
  for (std::size_t i = 0; i < form.PopupMenu2.Count(); ++i) form.PopupMenu2.Item(i).Click();
  form.PopupMenu2.Popup();
  return 0;
}
