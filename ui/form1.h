#pragma once
// TForm1, the panel's one form: every control, timer and menu with its design
// values, and every handler.

#include <cstdint>
#include <string>

#include "exchange/commands.h"
#include "toolkit/check_box.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"
#include "toolkit/glass_button.h"
#include "toolkit/menu.h"
#include "toolkit/panel.h"
#include "toolkit/radio_button.h"
#include "toolkit/timer.h"
#include "tracking/tracking_tick.h"
#include "ui/platform.h"

// The economic calendar that the context menu opens.
inline constexpr std::u16string_view kCalendarAddress = u"https://www.forexfactory.com/calendar.php";

class TForm1 : public toolkit::Form {
 public:
  explicit TForm1(ui::Platform& platform);

  // Shared state of the program, alive as long as the form.
  std::u16string TerminalKey;  // the exchange key; empty until a terminal was in front
  std::u16string TpPolicy;     // the take-profit policy tag of every open command
  tracking::WindowHandle ChartWindow = 0;
  int DockOffsetX = 0;
  int DockOffsetY = 0;
  std::u16string OrdersText;
  std::int32_t OrdersCount = 0;

  // Helpers of the form.
  std::u16string parser(char16_t Char, std::u16string_view S, std::int32_t Count) const;
  std::u16string FloatValue(std::u16string_view data) const;
  std::u16string ReadIniReg(std::u16string_view ASection, std::u16string_view AString);
  void WriteIniReg(std::u16string_view ASection, std::u16string_view AString, std::u16string_view AValue);

  // Start-up, layouts and the context menu.
  void FormCreate();
  void N1Click();
  void N4Click();

  // Order commands.
  void bbuy(std::u16string_view cap);
  void ssel(std::u16string_view cap);
  void AdvGlassButton6Click();
  void AdvGlassButton7Click();
  void AdvGlassButton8Click();
  void AdvGlassButton9Click();
  void AdvGlassButton1Click();
  void AdvGlassButton2Click();
  void AdvGlassButton3Click();
  void AdvGlassButton4Click();
  void AdvGlassButton10Click();
  void AdvGlassButton5Click();

  // The take-profit policy.
  void Tps();
  void RadioButton5Click();
  void RadioButton6Click();
  void RadioButton7Click();
  void RadioButton8Click();
  void CheckBox10Click();
  void Edit12Change();
  void Edit13Change();

  // The market status, every 50 ms.
  void Timer2Timer();

  // Following the terminal in front, every 100 ms, and the pin command.
  void Timer1Timer();
  void N2Click();

  // Settings and lot profiles.
  void LoadSettings();  // the settings-load step of the start-up
  void FormClose();
  void Writenastr();
  void readnastr();
  void Edit1Change();
  void Edit2Change();
  void Edit3Change();
  void Edit4Change();
  void Edit9Change();
  void Edit10Change();
  void Edit11Change();
  void CheckBox2Click();
  void CheckBox8Click();
  void CheckBox13Click();
  void N11Click();

  // The open-orders menu of the close buttons.
  void Timer4Timer();
  void PopupMenu2Popup();
  void MyClick(toolkit::MenuItem& Sender);

 private:
  ui::Platform& platform_;
  toolkit::RadioGroup policyGroup_;
  tracking::TrackingMemory trackingMemory_;

  exchange::OrderSettings CurrentOrderSettings() const;
  void OpenOrder(exchange::Side side, std::u16string_view lot);
  void CloseRow(toolkit::GlassButton& button, exchange::Side side);
  void ApplyLayout(int clientHeight, int clientWidth);
  std::u16string ProfileText() const;
  void ApplyProfile(std::u16string_view profile);
  void LotChanged(toolkit::Edit& edit, toolkit::GlassButton& bottomRow, toolkit::GlassButton& topRow);
  void UpdateProfileModeCaption();
  void SetDesignDetails();
  void BindEvents();

 public:
  // Timers, image list and menus.
  toolkit::Timer Timer1{100, true};
  toolkit::Timer Timer2{50, true};
  toolkit::Timer Timer4{1000, true};
  toolkit::ImageList ImageList1{22, 19, 14935011, 2};
  toolkit::PopupMenu PopupMenu1{true};
  toolkit::PopupMenu PopupMenu2{false, &ImageList1};
  toolkit::MenuItem* N1 = nullptr;
  toolkit::MenuItem* N4 = nullptr;
  toolkit::MenuItem* N2 = nullptr;
  toolkit::MenuItem* N3 = nullptr;
  toolkit::MenuItem* N11 = nullptr;

  // The controls, parents before children.
  toolkit::Panel Panel1;
  toolkit::GlassButton AdvGlassButton6, AdvGlassButton7, AdvGlassButton8, AdvGlassButton9, AdvGlassButton10;
  toolkit::GlassButton AdvGlassButton1, AdvGlassButton2, AdvGlassButton3, AdvGlassButton4, AdvGlassButton5;
  toolkit::Panel Panel2, Panel3;
  toolkit::Label Label2, Label3;
  toolkit::Edit Edit10, Edit11;
  toolkit::CheckBox CheckBox9;

  toolkit::GroupBox GroupBox1;
  toolkit::Edit Edit1, Edit2, Edit3, Edit4;

  toolkit::GroupBox GroupBox2;
  toolkit::CheckBox CheckBox1, CheckBox2, CheckBox8, CheckBox3;
  toolkit::Edit Edit9;
  toolkit::Label Label1;
  toolkit::CheckBox CheckBox13;

  toolkit::GroupBox GroupBox3;
  toolkit::CheckBox CheckBox4, CheckBox5, CheckBox6, CheckBox7;

  toolkit::GroupBox GroupBox4;
  toolkit::RadioButton RadioButton5, RadioButton6, RadioButton7;
  toolkit::StaticText StaticText1;
  toolkit::Edit Edit12;
  toolkit::CheckBox CheckBox10;
  toolkit::RadioButton RadioButton8;
  toolkit::StaticText StaticText3;
  toolkit::Edit Edit13;

  toolkit::Label Label4, Label5;
};
