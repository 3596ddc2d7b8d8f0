#include <gtest/gtest.h>

#include "tests/support/failing_store.h"
#include "tests/support/fake_platform.h"
#include "tracking/tracking_tick.h"
#include "ui/form1.h"

namespace {

// Everything the form does on its own or at a click, once.
void RunEveryHandler(TForm1& form, testing_support::FakeWindowSystem& windows, tracking::WindowHandle terminal) {
  windows.foreground = terminal;
  form.Timer1Timer();
  form.Timer2Timer();
  form.Timer4Timer();
  form.PopupMenu2.Popup();
  for (std::size_t i = 0; i < form.PopupMenu2.Count(); ++i) form.PopupMenu2.Item(i).Click();
  for (toolkit::GlassButton* b : {&form.AdvGlassButton6, &form.AdvGlassButton1, &form.AdvGlassButton10, &form.AdvGlassButton5})
    b->Click();
  form.Edit1.SetText(form.Edit1.Text() + u"5");
  form.Edit10.SetText(form.Edit10.Text() + u"!");
  form.N11Click();
  form.N11Click();
  form.N2Click();
  form.N1Click();
  form.N4Click();
  form.FormClose();
}

TEST(FaultInjection, AFailingStoreNeverStopsTheFormAndItRecoversFully) {
  for (const int failEvery : {1, 2, 3, 7}) {
    SCOPED_TRACE(failEvery);
    testing_support::FailingStore store;
    testing_support::FakeWindowSystem windows;
    testing_support::FakeShell shell;
    ui::Platform platform{store, windows, shell};
    const auto terminal = windows.AddWindow({std::u16string(tracking::kTerminalClass), u"777: x", {}, {}});
    store.inner.values[{u"777", u"lock"}] = u"0.3!0.1!0.2";
    store.inner.values[{u"777", u"r_ord"}] = u"1!55!buy!a!b";
    store.inner.values[{u"777", u"profil2"}] = u"1!2!3!4!5!6!";

    store.failEvery = failEvery;
    TForm1 form(platform);
    form.FormCreate();
    for (int round = 0; round < 20; ++round) RunEveryHandler(form, windows, terminal);

    store.failEvery = 0;  // the registry works again
    store.inner.values[{u"777", u"lock"}] = u"0.3!0.1!0.2";
    store.inner.values[{u"777", u"profil2"}] = u"1!2!3!4!5!6!";
    windows.foreground = terminal;
    form.Timer1Timer();
    form.Timer2Timer();
    EXPECT_EQ(form.TerminalKey, u"777");
    EXPECT_EQ(form.AdvGlassButton10.Caption() + u"|" + form.AdvGlassButton5.Caption(),
              form.CheckBox8.Checked() ? u"0.3|0.1" : u"0|0.2");
    EXPECT_EQ(form.Edit1.Text(), u"1");
    EXPECT_EQ(form.AdvGlassButton6.Caption(), u"1");
    form.Edit2.SetText(u"0.9");
    EXPECT_EQ(store.inner.Get(u"777", u"profil2"), u"1!0.9!3!4!5!6!");
    form.AdvGlassButton7.Click();
    EXPECT_EQ(store.inner.Get(u"777", u"prikaz").substr(0, 6), u"b!0.9!");
  }
}

}  // namespace
