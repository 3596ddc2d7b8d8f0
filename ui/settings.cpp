// Settings kept under `nastr`, and the lot profile kept per terminal key
// (`profil2`) or shared (`profil1`).
#include "core/display_text.h"
#include "core/fields.h"
#include "ui/edit_filters.h"
#include "ui/form1.h"

namespace {

constexpr std::u16string_view kSettingsKey = u"nastr";
constexpr std::u16string_view kSharedProfile = u"profil1";
constexpr std::u16string_view kTerminalProfile = u"profil2";
constexpr std::u16string_view kSharedDefaults = u"0.1!0.1!0.1!0.1!0!0!";

std::u16string Flag(bool checked) { return checked ? u"1" : u"0"; }

// Field `n` of a profile as its edit receives it.
std::u16string ProfileField(std::u16string_view profile, int n) { return core::ShownText(core::parser(u'!', profile, n)); }

}  // namespace

std::u16string TForm1::ProfileText() const {
  std::u16string profile;
  for (const toolkit::Edit* edit : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit10, &Edit11}) profile.append(edit->Text()) += u'!';
  return profile;
}

// Sets the six profile edits in order; each one that changes writes the
// profile through its change handler.
void TForm1::ApplyProfile(std::u16string_view profile) {
  toolkit::Edit* edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit10, &Edit11};
  for (int field = 1; field <= 6; ++field) edits[field - 1]->SetText(ProfileField(profile, field));
}

void TForm1::LoadSettings() {
  // Anything not above "-1" in code-unit order, the empty text included,
  // means nothing was stored yet.
  if (!(ReadIniReg(kSettingsKey, u"Ch1") > std::u16string_view(u"-1"))) {
    Writenastr();
    return;
  }
  if (ReadIniReg(kSettingsKey, u"v1") != u"0") {
    const std::pair<toolkit::Edit*, std::u16string_view> values[] = {
        {&Edit1, u"v1"}, {&Edit2, u"v2"}, {&Edit3, u"v3"},   {&Edit4, u"v4"},
        {&Edit9, u"v9"}, {&Edit10, u"v10"}, {&Edit11, u"v11"},
    };
    for (const auto& [edit, name] : values) edit->SetText(core::ShownText(ReadIniReg(kSettingsKey, name)));
  }
  // In this order, so that Ch8 decides when both close modes were stored.
  toolkit::CheckBox* flags[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4,
                                &CheckBox5, &CheckBox6, &CheckBox7, &CheckBox8};
  for (int i = 0; i < 8; ++i) flags[i]->SetChecked(ReadIniReg(kSettingsKey, u"Ch" + std::u16string(1, u'1' + i)) == u"1");
}

void TForm1::FormClose() {
  const std::pair<std::u16string_view, const toolkit::Edit*> values[] = {
      {u"v1", &Edit1}, {u"v2", &Edit2}, {u"v3", &Edit3},   {u"v4", &Edit4},
      {u"v9", &Edit9}, {u"v10", &Edit10}, {u"v11", &Edit11},
  };
  for (const auto& [name, edit] : values) WriteIniReg(kSettingsKey, name, edit->Text());
  const toolkit::CheckBox* flags[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4,
                                      &CheckBox5, &CheckBox6, &CheckBox7, &CheckBox8};
  for (int i = 0; i < 8; ++i) WriteIniReg(kSettingsKey, u"Ch" + std::u16string(1, u'1' + i), Flag(flags[i]->Checked()));
}

void TForm1::Writenastr() {
  // The status timer pauses for the write and starts its interval anew.
  Timer2.SetEnabled(false);
  if (CheckBox13.Checked())
    WriteIniReg(kSettingsKey, kSharedProfile, ProfileText());
  else
    WriteIniReg(TerminalKey, kTerminalProfile, ProfileText());
  Timer2.SetEnabled(true);
}

void TForm1::readnastr() {
  // Lot 2 after its filter tells a usable profile from a missing one.
  const auto usable = [this](std::u16string_view profile) { return !FloatValue(ProfileField(profile, 2)).empty(); };
  // A stored profile too long to read is no missing one: the fallbacks below
  // would write over it, so it stays as stored and the lots shown stay too.
  const auto tooLong = [this](std::u16string_view section, std::u16string_view name, std::u16string_view read) {
    return read.empty() && platform_.store.TooLongToRead(section, name);
  };
  if (!CheckBox13.Checked()) {
    const std::u16string own = ReadIniReg(TerminalKey, kTerminalProfile);
    if (usable(own)) {
      ApplyProfile(own);
      return;
    }
    if (tooLong(TerminalKey, kTerminalProfile, own)) return;
    const std::u16string shared = ReadIniReg(kSettingsKey, kSharedProfile);
    if (usable(shared)) {
      ApplyProfile(shared);
      Writenastr();
      return;
    }
    // Neither is usable: keep the lots shown rather than wipe them, and give
    // the terminal those as its own profile, written only when it differs.
    if (own != ProfileText()) Writenastr();
    return;
  }
  const std::u16string shared = ReadIniReg(kSettingsKey, kSharedProfile);
  if (usable(shared)) {
    ApplyProfile(shared);
    return;
  }
  if (tooLong(kSettingsKey, kSharedProfile, shared)) return;
  ApplyProfile(kSharedDefaults);
  Writenastr();
}

void TForm1::LotChanged(toolkit::Edit& edit, toolkit::GlassButton& bottomRow, toolkit::GlassButton& topRow) {
  edit.SetText(FloatValue(edit.Text()));
  edit.SetCaretPosition(edit.Text().size());
  bottomRow.SetCaption(edit.Text());
  topRow.SetCaption(edit.Text());
  Writenastr();
}

void TForm1::Edit1Change() { LotChanged(Edit1, AdvGlassButton1, AdvGlassButton6); }
void TForm1::Edit2Change() { LotChanged(Edit2, AdvGlassButton2, AdvGlassButton7); }
void TForm1::Edit4Change() { LotChanged(Edit4, AdvGlassButton4, AdvGlassButton9); }

void TForm1::Edit3Change() {
  // Lot 3 takes any text but the delimiter; its caret stays where it is.
  DropDelimiters(Edit3, kFieldDelimiters);
  AdvGlassButton3.SetCaption(Edit3.Text());
  AdvGlassButton8.SetCaption(Edit3.Text());
  Writenastr();
}

void TForm1::Edit9Change() { DropDelimiters(Edit9, kFieldDelimiters); }

void TForm1::Edit10Change() {
  DropDelimiters(Edit10, kFieldDelimiters);
  Writenastr();
}

void TForm1::Edit11Change() {
  DropDelimiters(Edit11, kCommandAndTagDelimiters);
  Writenastr();
}

void TForm1::CheckBox2Click() {
  if (CheckBox2.Checked()) CheckBox8.SetChecked(false);
}

void TForm1::CheckBox8Click() {
  if (CheckBox8.Checked()) CheckBox2.SetChecked(false);
}

void TForm1::UpdateProfileModeCaption() {
  N11->Caption = CheckBox13.Checked() ? u"Выкл. общий профиль" : u"Вкл. общий профиль";
}

void TForm1::CheckBox13Click() {
  UpdateProfileModeCaption();
  readnastr();
}

void TForm1::N11Click() {
  CheckBox13.SetChecked(!CheckBox13.Checked());
  UpdateProfileModeCaption();
  readnastr();
}
