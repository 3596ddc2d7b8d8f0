#pragma once
// Clicks on the order buttons of a fresh form and the `prikaz` and `lock` they
// must leave behind; shared by the in-memory and the real-registry tests.

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/form1.h"

namespace testing_support {

struct ClickScenario {
  const char* name;
  std::function<void(TForm1&)> act;       // set controls up, then click
  std::optional<std::u16string> prikaz;   // nullopt: never written
  std::optional<std::u16string> lock;     // nullopt: never written
};

inline void PrintTo(const ClickScenario& scenario, std::ostream* out) { *out << scenario.name; }

inline std::vector<ClickScenario> ClickScenarios() {
  using F = TForm1;
  return {
      {"BuyFirstLot", [](F& f) { f.AdvGlassButton6.Click(); }, u"b!0.1!sn!bf!f!-35!-100$tpc$!999!stop!", {}},
      {"BuySecondLot", [](F& f) { f.AdvGlassButton7.Click(); }, u"b!0.3!sn!bf!f!-35!-100$tpc$!999!stop!", {}},
      {"BuyThirdLot", [](F& f) { f.AdvGlassButton8.Click(); }, u"b!1!sn!bf!f!-35!-100$tpc$!999!stop!", {}},
      {"BuyFourthLot", [](F& f) { f.AdvGlassButton9.Click(); }, u"b!2!sn!bf!f!-35!-100$tpc$!999!stop!", {}},
      {"SellFirstLot", [](F& f) { f.AdvGlassButton1.Click(); }, u"s!0.1!sn!bf!f!-35!-100$tpc$!999!stop!", {}},
      {"SellSecondLot", [](F& f) { f.AdvGlassButton2.Click(); }, u"s!0.3!sn!bf!f!-35!-100$tpc$!999!stop!", {}},
      {"SellThirdLot", [](F& f) { f.AdvGlassButton3.Click(); }, u"s!1!sn!bf!f!-35!-100$tpc$!999!stop!", {}},
      {"SellFourthLot", [](F& f) { f.AdvGlassButton4.Click(); }, u"s!2!sn!bf!f!-35!-100$tpc$!999!stop!", {}},
      {"WithoutFirstOrderPrefix",
       [](F& f) {
         f.CheckBox9.SetChecked(false);
         f.AdvGlassButton6.Click();
       },
       u"b!0.1!sn!bf!f!35!100$tpc$!999!stop!", {}},
      {"SoundOffBestPriceOn",
       [](F& f) {
         f.CheckBox3.SetChecked(false);
         f.CheckBox1.SetChecked(true);
         f.AdvGlassButton1.Click();
       },
       u"s!0.1!sf!bn!f!-35!-100$tpc$!999!stop!", {}},
      {"CommonProfitPolicy",
       [](F& f) {
         f.RadioButton6.SetChecked(true);
         f.AdvGlassButton1.Click();
       },
       u"s!0.1!sn!bf!f!-35!-100$tpo$!999!stop!", {}},
      {"CommonWithSettingsPolicy",
       [](F& f) {
         f.RadioButton7.SetChecked(true);
         f.AdvGlassButton1.Click();
       },
       u"s!0.1!sn!bf!f!-35!-100$tpon$3$1!999!stop!", {}},
      {"CommonWithSettingsNoBreakEven",
       [](F& f) {
         f.RadioButton7.SetChecked(true);
         f.Edit12.SetText(u"5");
         f.CheckBox10.SetChecked(false);
         f.AdvGlassButton6.Click();
       },
       u"b!0.1!sn!bf!f!-35!-100$tpon$5$0!999!stop!", {}},
      {"BreakEvenEachPolicy",
       [](F& f) {
         f.RadioButton8.SetChecked(true);
         f.AdvGlassButton1.Click();
       },
       u"s!0.1!sn!bf!f!-35!-100$tpob$3$!999!stop!", {}},
      {"LotCaptionZeroSendsNothing",
       [](F& f) {
         f.AdvGlassButton6.SetCaption(u"0");
         f.AdvGlassButton6.Click();
       },
       {}, {}},
      {"EmptyLotCaptionSendsNothing",
       [](F& f) {
         f.AdvGlassButton2.SetCaption(u"");
         f.AdvGlassButton2.Click();
       },
       {}, {}},
      {"LotCaptionDoubleZeroStillSends",
       [](F& f) {
         f.AdvGlassButton6.SetCaption(u"00");
         f.AdvGlassButton6.Click();
       },
       u"b!00!sn!bf!f!-35!-100$tpc$!999!stop!", {}},
      {"BuyCloseStandard",
       [](F& f) {
         f.AdvGlassButton10.SetCaption(u"0.3");
         f.AdvGlassButton10.Click();
       },
       u"b!0.3!sn!bf!cb!35!100!999!stop!", u"0"},
      {"SellCloseStandard",
       [](F& f) {
         f.AdvGlassButton5.SetCaption(u"0.2");
         f.AdvGlassButton5.Click();
       },
       u"s!0.2!sn!bf!cs!35!100!999!stop!", u"0"},
      {"SellCloseOverlap",
       [](F& f) {
         f.CheckBox8.SetChecked(false);
         f.CheckBox2.SetChecked(true);
         f.AdvGlassButton5.SetCaption(u"0.2");
         f.AdvGlassButton5.Click();
       },
       u"s!0.2!sn!bf!cn!35!100!999!stop!", u"0"},
      {"SellClosePlain",
       [](F& f) {
         f.CheckBox8.SetChecked(false);
         f.AdvGlassButton5.SetCaption(u"0.2");
         f.AdvGlassButton5.Click();
       },
       u"s!0.2!sn!bf!cf!35!100!999!stop!", u"0"},
      {"BuyCloseIgnoresPrefixAndPolicy",
       [](F& f) {
         f.RadioButton7.SetChecked(true);
         f.AdvGlassButton10.SetCaption(u"1.5");
         f.AdvGlassButton10.Click();
       },
       u"b!1.5!sn!bf!cb!35!100!999!stop!", u"0"},
      {"CloseShowingZeroOnlyResetsLock", [](F& f) { f.AdvGlassButton10.Click(); }, {}, u"0"},
  };
}

}  // namespace testing_support
