#include <gtest/gtest.h>

#include "core/registry_store_win32.h"
#include "tests/support/fake_platform.h"
#include "tests/support/raw_registry_win32.h"
#include "ui/form1.h"

namespace {

using testing_support::ReadRawText;

// One run of the program's form against the real registry: start, some
// work, close.
struct ProgramRun {
  ProgramRun() : platform{store, fake.windows, fake.shell} { form.FormCreate(); }
  ~ProgramRun() { form.FormClose(); }
  core::RegistryStore store;
  testing_support::FakePlatform fake;
  ui::Platform platform;
  TForm1 form{platform};
};

// The settings key is shared by the whole registry, so the whole cycle is one
// test: first start, a later start, two terminals.
TEST(SettingsCycle, SettingsAndProfilesSurviveRestarts) {
  testing_support::DeleteTree(L"nastr");
  testing_support::DeleteRootValue(L"profil2");
  testing_support::ThrowawayKey first(L"terminal-one");
  testing_support::ThrowawayKey second(L"terminal-two");

  {
    ProgramRun run;  // first start: nothing stored but the profile at the root
    EXPECT_EQ(ReadRawText(L"", L"profil2"), u"0.1!0.3!1!2!35!100!");
    EXPECT_EQ(testing_support::ValueCount(L"nastr"), 0u);
    run.form.Edit9.SetText(u"120");
    run.form.CheckBox2.SetChecked(true);
    run.form.CheckBox4.SetChecked(true);

    run.form.TerminalKey = first.path16();
    run.form.readnastr();  // no profile anywhere: the lots shown are kept and stored
    EXPECT_EQ(ReadRawText(first.path(), L"profil2"), u"0.1!0.3!1!2!35!100!");
    run.form.Edit1.SetText(u"0.7");
    EXPECT_EQ(ReadRawText(first.path(), L"profil2"), u"0.7!0.3!1!2!35!100!");

    testing_support::WriteRaw(second.path(), L"profil2", REG_SZ, L"2!2!2!2!22!22!", 30);
    run.form.TerminalKey = second.path16();
    run.form.readnastr();
    EXPECT_EQ(run.form.Edit1.Text(), u"2");
    EXPECT_EQ(run.form.AdvGlassButton6.Caption(), u"2");
  }
  EXPECT_EQ(ReadRawText(L"nastr", L"v9"), u"120");
  EXPECT_EQ(ReadRawText(L"nastr", L"Ch2"), u"1");
  EXPECT_EQ(ReadRawText(L"nastr", L"Ch8"), u"0");
  EXPECT_EQ(ReadRawText(L"nastr", L"v1"), u"2");

  {
    ProgramRun run;  // a later start takes the settings back
    EXPECT_EQ(run.form.Edit9.Text(), u"120");
    EXPECT_EQ(run.form.Edit1.Text(), u"2");
    EXPECT_TRUE(run.form.CheckBox2.Checked());
    EXPECT_FALSE(run.form.CheckBox8.Checked());
    EXPECT_TRUE(run.form.CheckBox4.Checked());
    run.form.TerminalKey = first.path16();
    run.form.readnastr();
    EXPECT_EQ(run.form.Edit1.Text(), u"0.7");  // each terminal its own lots
    run.form.TerminalKey = second.path16();
    run.form.readnastr();
    EXPECT_EQ(run.form.Edit1.Text(), u"2");
  }
  testing_support::DeleteTree(L"nastr");
  testing_support::DeleteRootValue(L"profil2");
}

}  // namespace
