// The market status, read from the expert every 50 ms.
#include "exchange/status_display.h"
#include "ui/form1.h"

void TForm1::Timer2Timer() {
  if (TerminalKey.empty()) return;
  const std::u16string bidAsk = ReadIniReg(TerminalKey, u"bid_ask");
  const std::u16string lock = ReadIniReg(TerminalKey, u"lock");
  const exchange::CloseCaptions amounts = exchange::CloseCaptionsFrom(lock, CheckBox8.Checked());
  AdvGlassButton10.SetCaption(amounts.buy);
  AdvGlassButton5.SetCaption(amounts.sell);

  const std::u16string profit = ReadIniReg(TerminalKey, u"profit");
  SetCaption(exchange::TitleFrom(bidAsk, profit,
                                 {.bid = CheckBox4.Checked(),
                                  .spread = CheckBox5.Checked(),
                                  .ask = CheckBox6.Checked(),
                                  .profit = CheckBox7.Checked()}));

  const std::u16string level = ReadIniReg(TerminalKey, u"macd_uroven");
  const std::u16string direction = ReadIniReg(TerminalKey, u"macd_napravl");
  const exchange::BarColors bars = exchange::BarColorsFrom(level, direction);
  Panel2.SetColor(bars.level);
  if (bars.direction) Panel3.SetColor(*bars.direction);
}
