#include "ui/form1.h"

#include "core/fields.h"

using exchange::Side;
using toolkit::Bounds;
using toolkit::GlassColors;

namespace {

// Windows colours, 0x00BBGGRR.
constexpr toolkit::Color kPurple = 0x800080;
constexpr toolkit::Color kFuchsia = 0xFF00FF;
constexpr toolkit::Color kTeal = 0x808000;
constexpr toolkit::Color kMaroon = 0x000080;

constexpr toolkit::Color kBuyFace = 16344377;    // (57, 101, 249)
constexpr toolkit::Color kBuyClose = 16682804;   // (52, 143, 254)
constexpr toolkit::Color kSellFace = 254;        // (254, 0, 0)
constexpr toolkit::Color kSellClose = 362234;    // (250, 134, 5)
constexpr toolkit::Color kNearWhite = 16776176;  // (240, 251, 255)
constexpr toolkit::Color kLevelBar = 15625246;   // (30, 108, 238)

GlassColors Glass(toolkit::Color face, toolkit::Color glow) { return {.face = face, .glow = glow}; }

}  // namespace

TForm1::TForm1(core::IniStore& store)
    : Form({0, 0, 803, 303}, u"1.38553"),
      store_(store),
      Panel1(this, {0, 0, 803, 303}),
      AdvGlassButton6(&Panel1, {8, 0, 27, 27}, u"1", Glass(kBuyFace, kNearWhite)),
      AdvGlassButton7(&Panel1, {40, 0, 27, 27}, u"2", Glass(kBuyFace, kPurple)),
      AdvGlassButton8(&Panel1, {72, 0, 27, 27}, u"3", Glass(kBuyFace, kPurple)),
      AdvGlassButton9(&Panel1, {104, 0, 27, 27}, u"4", Glass(kBuyFace, kPurple)),
      AdvGlassButton10(&Panel1, {136, 0, 33, 27}, u"0", Glass(kBuyClose, kFuchsia)),
      AdvGlassButton1(&Panel1, {8, 31, 27, 27}, u"1", Glass(kSellFace, kTeal)),
      AdvGlassButton2(&Panel1, {40, 31, 27, 27}, u"2", Glass(kSellFace, kTeal)),
      AdvGlassButton3(&Panel1, {72, 31, 27, 27}, u"3", Glass(kSellFace, kTeal)),
      AdvGlassButton4(&Panel1, {104, 31, 27, 27}, u"4", Glass(kSellFace, kTeal)),
      AdvGlassButton5(&Panel1, {136, 31, 33, 27}, u"0", Glass(kSellClose, kTeal)),
      Panel2(&Panel1, {8, 26, 81, 5}, kLevelBar),
      Panel3(&Panel1, {96, 26, 33, 5}, kMaroon),
      Label2(&Panel1, {184, 8, 13, 13}, u"SL"),
      Label3(&Panel1, {208, 8, 39, 13}, u"TP, pips"),
      Edit10(&Panel1, {176, 24, 33, 21}, u"35"),
      Edit11(&Panel1, {208, 24, 33, 21}, u"100"),
      CheckBox9(&Panel1, {176, 48, 97, 17}, u"по первому орд", true),
      GroupBox1(&Panel1, {8, 64, 73, 121}, u" разм. лота "),
      Edit1(&GroupBox1, {8, 16, 41, 21}, u"0.1"),
      Edit2(&GroupBox1, {8, 40, 41, 21}, u"0.3"),
      Edit3(&GroupBox1, {8, 64, 41, 21}, u"1"),
      Edit4(&GroupBox1, {8, 88, 41, 21}, u"2"),
      GroupBox2(&Panel1, {79, 64, 177, 129}, u" Ордера "),
      CheckBox1(&GroupBox2, {8, 16, 161, 17}, u"Закрывать по лучшей цене", false),
      CheckBox2(&GroupBox2, {8, 32, 145, 17}, u"Перекрыть и закрыть", false),
      CheckBox8(&GroupBox2, {8, 48, 161, 17}, u"Закрывать не перекрывая", true),
      CheckBox3(&GroupBox2, {8, 64, 49, 17}, u"Звук", true),
      Edit9(&GroupBox2, {8, 80, 25, 21}, u"999"),
      Label1(&GroupBox2, {38, 84, 133, 13}, u"время жизни приказа,сек"),
      CheckBox13(&GroupBox2, {8, 104, 121, 17}, u"Общий профиль", false),
      GroupBox3(&Panel1, {8, 192, 241, 41}, u"  заголовок формы  "),
      CheckBox4(&GroupBox3, {8, 16, 33, 17}, u"b", false),
      CheckBox5(&GroupBox3, {48, 16, 25, 17}, u"s", true),
      CheckBox6(&GroupBox3, {96, 16, 25, 17}, u"a", false),
      CheckBox7(&GroupBox3, {136, 16, 25, 17}, u"p", true),
      GroupBox4(&Panel1, {8, 232, 265, 49}, u" Групповая политика TP "),
      RadioButton5(&GroupBox4, {8, 16, 249, 17}, u"У каждого ордера свой профит", policyGroup_, true),
      RadioButton6(&GroupBox4, {8, 32, 249, 17}, u"Общий профит у всех ордеров", policyGroup_, false),
      RadioButton7(&GroupBox4, {8, 48, 201, 17}, u"Общий профит, но с настройками", policyGroup_, false),
      StaticText1(&GroupBox4, {40, 64, 79, 17}, u"просадка 3*TP"),
      Edit12(&GroupBox4, {24, 64, 17, 21}, u"3"),
      CheckBox10(&GroupBox4, {136, 64, 121, 17}, u"безубыток лесенки", true),
      RadioButton8(&GroupBox4, {8, 88, 169, 17}, u"Безубыток каждого ордера", policyGroup_, false),
      StaticText3(&GroupBox4, {40, 104, 79, 17}, u"просадка 3*TP"),
      Edit13(&GroupBox4, {24, 104, 17, 21}, u"3"),
      Label4(&Panel1, {8, 287, 27, 13}, u"0"),
      Label5(&Panel1, {176, 287, 97, 13}, u"") {
  BindEvents();
}

void TForm1::BindEvents() {
  AdvGlassButton6.OnClick = [this] { AdvGlassButton6Click(); };
  AdvGlassButton7.OnClick = [this] { AdvGlassButton7Click(); };
  AdvGlassButton8.OnClick = [this] { AdvGlassButton8Click(); };
  AdvGlassButton9.OnClick = [this] { AdvGlassButton9Click(); };
  AdvGlassButton10.OnClick = [this] { AdvGlassButton10Click(); };
  AdvGlassButton1.OnClick = [this] { AdvGlassButton1Click(); };
  AdvGlassButton2.OnClick = [this] { AdvGlassButton2Click(); };
  AdvGlassButton3.OnClick = [this] { AdvGlassButton3Click(); };
  AdvGlassButton4.OnClick = [this] { AdvGlassButton4Click(); };
  AdvGlassButton5.OnClick = [this] { AdvGlassButton5Click(); };
  RadioButton5.OnClick = [this] { RadioButton5Click(); };
  RadioButton6.OnClick = [this] { RadioButton6Click(); };
  RadioButton7.OnClick = [this] { RadioButton7Click(); };
  RadioButton8.OnClick = [this] { RadioButton8Click(); };
  CheckBox10.OnClick = [this] { CheckBox10Click(); };
  Edit12.OnChange = [this] { Edit12Change(); };
  Edit13.OnChange = [this] { Edit13Change(); };
}

std::u16string TForm1::parser(char16_t Char, std::u16string_view S, std::int32_t Count) const {
  return core::parser(Char, S, Count);
}

std::u16string TForm1::FloatValue(std::u16string_view data) const { return core::FloatValue(data); }

std::u16string TForm1::ReadIniReg(std::u16string_view ASection, std::u16string_view AString) {
  return store_.ReadIniReg(ASection, AString);
}

void TForm1::WriteIniReg(std::u16string_view ASection, std::u16string_view AString, std::u16string_view AValue) {
  store_.WriteIniReg(ASection, AString, AValue);
}

void TForm1::FormCreate() {
  SetClientHeight(58);
  SetClientWidth(175);
  // Each lot edit labels the same place in both rows.
  AdvGlassButton4.SetCaption(Edit4.Text());
  AdvGlassButton9.SetCaption(Edit4.Text());
  AdvGlassButton3.SetCaption(Edit3.Text());
  AdvGlassButton8.SetCaption(Edit3.Text());
  AdvGlassButton2.SetCaption(Edit2.Text());
  AdvGlassButton7.SetCaption(Edit2.Text());
  AdvGlassButton1.SetCaption(Edit1.Text());
  AdvGlassButton6.SetCaption(Edit1.Text());
  Tps();
}

exchange::OrderSettings TForm1::CurrentOrderSettings() const {
  return {.sound = CheckBox3.Checked(),
          .bestPrice = CheckBox1.Checked(),
          .stopLoss = Edit10.Text(),
          .takeProfit = Edit11.Text(),
          .lifetime = Edit9.Text()};
}

void TForm1::OpenOrder(Side side, std::u16string_view lot) {
  // "0" is the guard of the design; an empty lot would be an order without a
  // size, so it is held back as well.
  if (lot == u"0" || lot.empty()) return;
  WriteIniReg(TerminalKey, u"prikaz",
              exchange::OpenCommand(side, lot, CurrentOrderSettings(), CheckBox9.Checked(), TpPolicy));
}

void TForm1::bbuy(std::u16string_view cap) { OpenOrder(Side::Buy, cap); }
void TForm1::ssel(std::u16string_view cap) { OpenOrder(Side::Sell, cap); }

void TForm1::AdvGlassButton6Click() { bbuy(AdvGlassButton6.Caption()); }
void TForm1::AdvGlassButton7Click() { bbuy(AdvGlassButton7.Caption()); }
void TForm1::AdvGlassButton8Click() { bbuy(AdvGlassButton8.Caption()); }
void TForm1::AdvGlassButton9Click() { bbuy(AdvGlassButton9.Caption()); }
void TForm1::AdvGlassButton1Click() { ssel(AdvGlassButton1.Caption()); }
void TForm1::AdvGlassButton2Click() { ssel(AdvGlassButton2.Caption()); }
void TForm1::AdvGlassButton3Click() { ssel(AdvGlassButton3.Caption()); }
void TForm1::AdvGlassButton4Click() { ssel(AdvGlassButton4.Caption()); }

void TForm1::CloseRow(toolkit::GlassButton& button, Side side) {
  if (button.Caption() != u"0") {
    const auto mode = exchange::CloseModeOf(CheckBox2.Checked(), CheckBox8.Checked());
    WriteIniReg(TerminalKey, u"prikaz", exchange::CloseCommand(side, button.Caption(), CurrentOrderSettings(), mode));
  }
  // Both buttons read "0" until the expert publishes new amounts.
  button.SetCaption(u"0");
  WriteIniReg(TerminalKey, u"lock", u"0");
}

void TForm1::AdvGlassButton10Click() { CloseRow(AdvGlassButton10, Side::Buy); }
void TForm1::AdvGlassButton5Click() { CloseRow(AdvGlassButton5, Side::Sell); }

void TForm1::Tps() {
  using exchange::TpPolicyKind;
  const auto tag = [this](TpPolicyKind kind) {
    return exchange::PolicyTag(kind, Edit12.Text(), CheckBox10.Checked(), Edit13.Text());
  };
  if (RadioButton5.Checked()) TpPolicy = tag(TpPolicyKind::EachOwn);
  if (RadioButton6.Checked()) TpPolicy = tag(TpPolicyKind::Common);
  if (RadioButton7.Checked()) TpPolicy = tag(TpPolicyKind::CommonWithSettings);
  if (RadioButton8.Checked()) TpPolicy = tag(TpPolicyKind::BreakEvenEach);
}

void TForm1::RadioButton5Click() { Tps(); }
void TForm1::RadioButton6Click() { Tps(); }
void TForm1::RadioButton7Click() { Tps(); }
void TForm1::RadioButton8Click() { Tps(); }
void TForm1::CheckBox10Click() { Tps(); }

void TForm1::Edit12Change() {
  StaticText1.SetCaption(exchange::DrawdownCaption(Edit12.Text()));
  Tps();
}

void TForm1::Edit13Change() {
  StaticText3.SetCaption(exchange::DrawdownCaption(Edit13.Text()));
  Tps();
}
