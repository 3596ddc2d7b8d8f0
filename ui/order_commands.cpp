// The order buttons and the take-profit policy group.
#include "ui/edit_filters.h"
#include "ui/form1.h"

using exchange::Side;

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
  DropDelimiters(Edit12, kCommandAndTagDelimiters);
  StaticText1.SetCaption(exchange::DrawdownCaption(Edit12.Text()));
  Tps();
}

void TForm1::Edit13Change() {
  DropDelimiters(Edit13, kCommandAndTagDelimiters);
  StaticText3.SetCaption(exchange::DrawdownCaption(Edit13.Text()));
  Tps();
}
