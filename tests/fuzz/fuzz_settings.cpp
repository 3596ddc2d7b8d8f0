// Stored settings and profiles into the edits and flags, through the form's
// start-up, profile reloads in both modes, typing and the close. Lines:
// Ch1..Ch8, v1, v2, v3, v4, v9, v10, v11, profil1, profil2, then texts typed
// into Edit1, Edit3, Edit10, Edit11.
#include "tests/fuzz/fuzz_input.h"
#include "tests/support/fake_platform.h"
#include "ui/form1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzzing::Lines in(data, size);
  testing_support::FakePlatform fake;
  const char16_t* names[] = {u"Ch1", u"Ch2", u"Ch3", u"Ch4", u"Ch5", u"Ch6", u"Ch7", u"Ch8",
                             u"v1",  u"v2",  u"v3",  u"v4",  u"v9",  u"v10", u"v11", u"profil1"};
  for (int i = 0; i < 16; ++i) fake.store.values[{u"nastr", names[i]}] = in[i];
  fake.store.values[{u"k", u"profil2"}] = in[16];
  TForm1 form(fake.platform);
  form.FormCreate();
  form.TerminalKey = u"k";
  form.readnastr();
  form.readnastr();
  form.Edit1.SetText(in[17]);
  form.Edit3.SetText(in[18]);
  form.Edit10.SetText(in[19]);
  form.Edit11.SetText(in[20]);
  form.N11Click();
  form.N11Click();
  form.AdvGlassButton6.Click();
  form.FormClose();
  TForm1 again(fake.platform);
  again.FormCreate();
  return 0;
}
