#include "ui/form1.h"

#include "core/fields.h"

using toolkit::Bevel;
using toolkit::Font;
using toolkit::GlassColors;
using toolkit::TextRendering;

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

constexpr int kCompactWidth = 175;
constexpr int kCompactHeight = 58;
constexpr int kFullWidth = 279;
constexpr int kFullHeight = 303;

const Font kFormFont{u"MS Sans Serif", -11, TextRendering::Default};
const Font kButtonFont{u"Tahoma", -11, TextRendering::ClearType};
const Font kPlainButtonFont{u"Tahoma", -11, TextRendering::AntiAliased};

GlassColors Glass(toolkit::Color face, toolkit::Color glow) { return {.face = face, .glow = glow}; }

}  // namespace

TForm1::TForm1(ui::Platform& platform)
    : Form(803, 303, u"1.38553", kFormFont),
      platform_(platform),
      Panel1(this, {0, 0, 803, 303}, toolkit::kButtonFace, Bevel::Raised, Bevel::Lowered),
      AdvGlassButton6(&Panel1, {8, 0, 27, 27}, u"1", Glass(kBuyFace, kNearWhite), kPlainButtonFont),
      AdvGlassButton7(&Panel1, {40, 0, 27, 27}, u"2", Glass(kBuyFace, kPurple), kButtonFont),
      AdvGlassButton8(&Panel1, {72, 0, 27, 27}, u"3", Glass(kBuyFace, kPurple), kButtonFont),
      AdvGlassButton9(&Panel1, {104, 0, 27, 27}, u"4", Glass(kBuyFace, kPurple), kButtonFont),
      AdvGlassButton10(&Panel1, {136, 0, 33, 27}, u"0", Glass(kBuyClose, kFuchsia), kButtonFont),
      AdvGlassButton1(&Panel1, {8, 31, 27, 27}, u"1", Glass(kSellFace, kTeal), kButtonFont),
      AdvGlassButton2(&Panel1, {40, 31, 27, 27}, u"2", Glass(kSellFace, kTeal), kButtonFont),
      AdvGlassButton3(&Panel1, {72, 31, 27, 27}, u"3", Glass(kSellFace, kTeal), kButtonFont),
      AdvGlassButton4(&Panel1, {104, 31, 27, 27}, u"4", Glass(kSellFace, kTeal), kButtonFont),
      AdvGlassButton5(&Panel1, {136, 31, 33, 27}, u"0", Glass(kSellClose, kTeal), kButtonFont),
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
      Label5(&Panel1, {176, 287, 97, 13}, u"www.forexfactory.com") {
  SetDesignDetails();
  BindEvents();
}

void TForm1::SetDesignDetails() {
  N1 = &PopupMenu1.Add(std::make_unique<toolkit::MenuItem>(u"настройки"));
  N4 = &PopupMenu1.Add(std::make_unique<toolkit::MenuItem>(u"открыть календарь"));
  N2 = &PopupMenu1.Add(std::make_unique<toolkit::MenuItem>(u"закрепить"));
  N3 = &PopupMenu1.Add(std::make_unique<toolkit::MenuItem>(u"--------"));
  N11 = &PopupMenu1.Add(std::make_unique<toolkit::MenuItem>(u"Выкл. общий профиль"));
  // Placeholders of the design; the first popup replaces them.
  PopupMenu2.Add(std::make_unique<toolkit::MenuItem>(u"111", 1));
  PopupMenu2.Add(std::make_unique<toolkit::MenuItem>(u"222", 0));

  ContextMenu = &PopupMenu1;
  AdvGlassButton10.ContextMenu = &PopupMenu2;
  AdvGlassButton5.ContextMenu = &PopupMenu2;

  Edit1.TileBevel = Edit2.TileBevel = Edit3.TileBevel = Edit4.TileBevel = true;

  // Hints: off from the panel down, on where a control says so.
  Panel1.ShowHint = false;
  const auto hint = [](toolkit::Control& control, std::u16string text, bool shown = true) {
    control.Hint = std::move(text);
    if (shown) control.ShowHint = true;
  };
  hint(CheckBox1, u"Закрываем ордер только,\rесли цена не ухудшилась");
  hint(CheckBox2,
       u"Если стоит галочка то сначала открывается противоположные ордера и только затем они перекрываются. Если "
       u"же галки нет, то открывается простой лок. ");
  hint(CheckBox3, u"включаем звук\rдля действий МТ");
  hint(CheckBox8, u"Закрываются ордера стандартно, без открытия локов");
  hint(Edit9, u"Время в течении которого живет приказ ордера, в секундах");
  hint(CheckBox4, u"Bid в заголовке");
  hint(CheckBox5, u"Spred в заголовке");
  hint(CheckBox6, u"Ask в заголовке");
  hint(CheckBox7, u"Профит в заголовке");
  hint(Edit10, u"Стоплосс выставляется от текущей цены, в пунктах");
  hint(Edit11, u"Тейкпрофит выставляется от текущей цены, в пунктах");
  hint(RadioButton5, u"У каждого ордера свой профит");
  hint(RadioButton6, u"Усреднение с  профитом", false);
  hint(RadioButton7,
       u"Усреднение с  настройками.\rРаботает только для ордеров, у которых просадка больше, чем (по умолчанию) "
       u"3*TP. Если стоит галочка в безубыток, то для лесенки  общий профит равен нулю");
  hint(RadioButton8, u"При просадке (по умолчанию) 3*TP выставляется безубыток для каждого отдельного ордера.");

  // Keyboard order within each parent.
  const std::pair<toolkit::Control*, int> tabOrder[] = {
      {&Panel1, 0},        {&AdvGlassButton6, 2}, {&AdvGlassButton7, 4}, {&AdvGlassButton8, 3},
      {&AdvGlassButton9, 5}, {&AdvGlassButton10, 6}, {&AdvGlassButton1, 7}, {&AdvGlassButton2, 9},
      {&AdvGlassButton3, 8}, {&AdvGlassButton4, 10}, {&AdvGlassButton5, 11}, {&Panel2, 17},
      {&Panel3, 18},       {&Edit10, 13},         {&Edit11, 14},         {&CheckBox9, 15},
      {&GroupBox1, 0},     {&Edit1, 0},           {&Edit2, 1},           {&Edit3, 2},
      {&Edit4, 3},         {&GroupBox2, 1},       {&CheckBox1, 0},       {&CheckBox2, 1},
      {&CheckBox8, 4},     {&CheckBox3, 2},       {&Edit9, 3},           {&CheckBox13, 5},
      {&GroupBox3, 12},    {&CheckBox4, 0},       {&CheckBox5, 1},       {&CheckBox6, 2},
      {&CheckBox7, 3},     {&GroupBox4, 16},      {&RadioButton5, 0},    {&RadioButton6, 1},
      {&RadioButton7, 2},  {&StaticText1, 3},     {&Edit12, 7},          {&CheckBox10, 4},
      {&RadioButton8, 5},  {&StaticText3, 6},     {&Edit13, 8},
  };
  for (const auto& [control, order] : tabOrder) control->TabOrder = order;
  RadioButton5.TabStop = true;
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
  Timer1.OnTimer = [this] { Timer1Timer(); };
  Timer2.OnTimer = [this] { Timer2Timer(); };
  Timer4.OnTimer = [this] { Timer4Timer(); };
  Edit1.OnChange = [this] { Edit1Change(); };
  Edit2.OnChange = [this] { Edit2Change(); };
  Edit3.OnChange = [this] { Edit3Change(); };
  Edit4.OnChange = [this] { Edit4Change(); };
  Edit9.OnChange = [this] { Edit9Change(); };
  Edit10.OnChange = [this] { Edit10Change(); };
  Edit11.OnChange = [this] { Edit11Change(); };
  CheckBox2.OnClick = [this] { CheckBox2Click(); };
  CheckBox8.OnClick = [this] { CheckBox8Click(); };
  CheckBox13.OnClick = [this] { CheckBox13Click(); };
  N11->OnClick = [this](toolkit::MenuItem&) { N11Click(); };
  PopupMenu2.OnPopup = [this] { PopupMenu2Popup(); };
  N1->OnClick = [this](toolkit::MenuItem&) { N1Click(); };
  N4->OnClick = [this](toolkit::MenuItem&) { N4Click(); };
  N2->OnClick = [this](toolkit::MenuItem&) { N2Click(); };
}

std::u16string TForm1::parser(char16_t Char, std::u16string_view S, std::int32_t Count) const {
  return core::parser(Char, S, Count);
}

std::u16string TForm1::FloatValue(std::u16string_view data) const { return core::FloatValue(data); }

std::u16string TForm1::ReadIniReg(std::u16string_view ASection, std::u16string_view AString) {
  return platform_.store.ReadIniReg(ASection, AString);
}

void TForm1::WriteIniReg(std::u16string_view ASection, std::u16string_view AString, std::u16string_view AValue) {
  platform_.store.WriteIniReg(ASection, AString, AValue);
}

void TForm1::FormCreate() {
  platform_.windows.SetZOrder(Handle(), tracking::ZOrder::Topmost);
  DockOffsetX = 0;
  DockOffsetY = 0;
  ApplyLayout(kCompactHeight, kCompactWidth);
  LoadSettings();
  // Each lot edit labels the same place in both rows.
  AdvGlassButton4.SetCaption(Edit4.Text());
  AdvGlassButton9.SetCaption(Edit4.Text());
  AdvGlassButton3.SetCaption(Edit3.Text());
  AdvGlassButton8.SetCaption(Edit3.Text());
  AdvGlassButton2.SetCaption(Edit2.Text());
  AdvGlassButton7.SetCaption(Edit2.Text());
  AdvGlassButton1.SetCaption(Edit1.Text());
  AdvGlassButton6.SetCaption(Edit1.Text());
  Label4.SetCaption(platform_.shell.FileVersion(platform_.shell.ProgramPath()));
  Tps();
}

void TForm1::ApplyLayout(int clientHeight, int clientWidth) {
  SetClientHeight(clientHeight);
  SetClientWidth(clientWidth);
  Panel1.SetBounds({0, 0, clientWidth, clientHeight});
}

void TForm1::N1Click() {
  if (ClientHeight() == kCompactHeight)
    ApplyLayout(kFullHeight, kFullWidth);
  else
    ApplyLayout(kCompactHeight, kCompactWidth);
}

void TForm1::N4Click() {
  platform_.shell.ShiftKey(true);
  platform_.shell.OpenAddress(kCalendarAddress);
  platform_.shell.ShiftKey(false);
}
