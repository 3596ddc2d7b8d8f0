#include <gtest/gtest.h>

#include "core/registry_store_win32.h"
#include "tests/support/click_scenarios.h"
#include "tests/support/fake_platform.h"
#include "tests/support/raw_registry_win32.h"
#include "ui/form1.h"

namespace {

using testing_support::ClickScenario;
using testing_support::ThrowawayKey;

class RegistryClicks : public testing::TestWithParam<ClickScenario> {};

TEST_P(RegistryClicks, LeaveTheCommandInTheRealRegistry) {
  ThrowawayKey key(std::wstring(GetParam().name, GetParam().name + strlen(GetParam().name)));
  core::RegistryStore store;
  testing_support::FakePlatform fake;
  ui::Platform platform{store, fake.windows, fake.shell};
  TForm1 form(platform);
  form.FormCreate();
  form.TerminalKey = key.path16();
  GetParam().act(form);

  EXPECT_EQ(testing_support::ReadRawText(key.path(), L"prikaz"), GetParam().prikaz);
  EXPECT_EQ(testing_support::ReadRawText(key.path(), L"lock"), GetParam().lock);
}

INSTANTIATE_TEST_SUITE_P(Design, RegistryClicks, testing::ValuesIn(testing_support::ClickScenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RegistryClicks, BeforeAnyTerminalTheCommandsGoDirectlyUnderTheRoot) {
  testing_support::DeleteRootValue(L"prikaz");
  testing_support::DeleteRootValue(L"lock");
  core::RegistryStore store;
  testing_support::FakePlatform fake;
  ui::Platform platform{store, fake.windows, fake.shell};
  TForm1 form(platform);
  form.FormCreate();
  form.AdvGlassButton2.Click();
  EXPECT_EQ(testing_support::ReadRawText(L"", L"prikaz"), u"s!0.3!sn!bf!f!-35!-100$tpc$!999!stop!");
  form.AdvGlassButton10.SetCaption(u"0.3");
  form.AdvGlassButton10.Click();
  EXPECT_EQ(testing_support::ReadRawText(L"", L"prikaz"), u"b!0.3!sn!bf!cb!35!100!999!stop!");
  EXPECT_EQ(testing_support::ReadRawText(L"", L"lock"), u"0");
  EXPECT_EQ(form.AdvGlassButton10.Caption(), u"0");
  testing_support::DeleteRootValue(L"prikaz");
  testing_support::DeleteRootValue(L"lock");
}

}  // namespace
