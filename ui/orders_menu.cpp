// The open-orders menu of both close buttons.
#include "core/display_text.h"
#include "exchange/commands.h"
#include "exchange/orders_menu.h"
#include "ui/form1.h"

void TForm1::Timer4Timer() {
  exchange::OrderList list = exchange::OrderListFrom(ReadIniReg(TerminalKey, u"r_ord"));
  OrdersText = std::move(list.text);
  OrdersCount = list.count;
}

void TForm1::PopupMenu2Popup() {
  while (PopupMenu2.Count() > 0) PopupMenu2.Delete(0);
  // Each entry goes in at the top, so the last order of the list shows first.
  for (exchange::OrderEntry& entry : exchange::OrderEntriesFrom(OrdersText, OrdersCount)) {
    auto item = std::make_unique<toolkit::MenuItem>(core::ShownText(entry.caption), entry.imageIndex);
    item->OnClick = [this](toolkit::MenuItem& chosen) { MyClick(chosen); };
    PopupMenu2.Insert(0, std::move(item));
  }
}

void TForm1::MyClick(toolkit::MenuItem& Sender) {
  const std::u16string ticket = exchange::TicketOf(Sender.Caption);
  // A command without a ticket would name no order.
  if (ticket.empty()) return;
  WriteIniReg(TerminalKey, u"prikaz", exchange::SingleOrderCloseCommand(ticket));
  platform_.shell.Beep();
}
