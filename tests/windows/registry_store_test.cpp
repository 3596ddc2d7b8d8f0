#include "core/registry_store_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/raw_registry_win32.h"

namespace {

using testing_support::ThrowawayKey;

TEST(RegistryStore, ReadingAMissingValueCreatesTheEmptyKey) {
  ThrowawayKey key(L"missing");
  ASSERT_FALSE(testing_support::KeyExists(key.path()));
  core::RegistryStore store;
  EXPECT_EQ(store.ReadIniReg(key.path16(), u"prikaz"), u"");
  EXPECT_TRUE(testing_support::KeyExists(key.path()));
  EXPECT_EQ(testing_support::ValueCount(key.path()), 0u);
}

TEST(RegistryStore, WritesRegSzWithItsTerminatingNull) {
  ThrowawayKey key(L"write");
  core::RegistryStore store;
  store.WriteIniReg(key.path16() + u"\\nested", u"lock", u"0.3!0.1!0.2");
  const auto raw = testing_support::ReadRaw(key.path() + L"\\nested", L"lock");
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->type, DWORD{REG_SZ});
  EXPECT_EQ(raw->data.size(), (11u + 1) * 2);
  EXPECT_EQ(testing_support::ReadRawText(key.path() + L"\\nested", L"lock"), u"0.3!0.1!0.2");
}

TEST(RegistryStore, RoundTripsTextsWholeAndReplacesThem) {
  ThrowawayKey key(L"roundtrip");
  core::RegistryStore store;
  const std::u16string texts[] = {u"b!0.1!sn!bf!f!-35!-100$tpc$!999!stop!", u"Выкл. общий профиль", u"",
                                  std::u16string(core::kMaxValueChars, u'x'), u"short"};
  for (const auto& text : texts) {
    store.WriteIniReg(key.path16(), u"v", text);
    EXPECT_EQ(store.ReadIniReg(key.path16(), u"v"), text);
  }
}

// Past the bound a value reads as empty without being read, is told apart
// from a missing one, and stays stored as it is.
TEST(RegistryStore, ValuesTooLongToReadReadEmptyAndStayStored) {
  ThrowawayKey key(L"toolong");
  const std::wstring path = key.path();
  struct Case {
    const wchar_t* name;
    DWORD type;
    std::size_t bytes;
    bool readable;
  };
  const Case cases[] = {
      {L"atBound", REG_SZ, core::kMaxValueBytes, true},  // unterminated: one character more than kMaxValueChars
      {L"pastBound", REG_SZ, core::kMaxValueBytes + 2, false},
      {L"megabyte", REG_SZ, std::size_t{2} << 20, false},
      {L"binary", REG_BINARY, std::size_t{2} << 20, false},
  };
  for (const Case& c : cases) {
    // One character more than written: the registry adds a null to text whose
    // next character is one, and these are to be stored unterminated.
    const std::wstring text(c.bytes / 2 + 1, L'7');
    testing_support::WriteRaw(path, c.name, c.type, text.data(), static_cast<DWORD>(c.bytes));
  }
  core::RegistryStore store;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
    const std::u16string name(c.name, c.name + wcslen(c.name));
    EXPECT_EQ(store.ReadIniReg(key.path16(), name).size(), c.readable && c.type == REG_SZ ? c.bytes / 2 : 0u);
    EXPECT_EQ(store.TooLongToRead(key.path16(), name), !c.readable);
    const auto raw = testing_support::ReadRaw(path, c.name);
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->data.size(), c.bytes);
  }
  store.WriteIniReg(key.path16(), u"short", u"1!2");
  EXPECT_FALSE(store.TooLongToRead(key.path16(), u"short"));
  EXPECT_FALSE(store.TooLongToRead(key.path16(), u"missing"));
  EXPECT_FALSE(store.TooLongToRead(std::u16string(300, u'k'), u"x"));  // a key that can't be opened
}

TEST(RegistryStore, EmptySectionIsTheRootItself) {
  const std::wstring name = L"orderpanel-test-root-" + std::to_wstring(GetCurrentProcessId());
  const std::u16string name16(name.begin(), name.end());
  core::RegistryStore store;
  store.WriteIniReg(u"", name16, u"s!0.2!sn!bf!cs!35!100!999!stop!");
  EXPECT_EQ(testing_support::ReadRawText(L"", name), u"s!0.2!sn!bf!cs!35!100!999!stop!");
  EXPECT_EQ(store.ReadIniReg(u"", name16), u"s!0.2!sn!bf!cs!35!100!999!stop!");
  testing_support::DeleteRootValue(name);
  EXPECT_EQ(store.ReadIniReg(u"", name16), u"");
}

TEST(RegistryStore, ReadsForeignDataSafely) {
  ThrowawayKey key(L"foreign");
  const std::wstring path = key.path();
  struct Case {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
    std::u16string expected;
  };
  auto bytes = [](std::u16string_view text, std::size_t extra = 0) {
    std::vector<BYTE> data(text.size() * 2 + extra, 0);
    memcpy(data.data(), text.data(), text.size() * 2);
    return data;
  };
  std::vector<BYTE> oddSize = bytes(u"abc");
  oddSize.push_back('d');  // a stray half character
  const DWORD number = 42;
  const Case cases[] = {
      {L"unterminated", REG_SZ, bytes(u"0.3!0.1"), u"0.3!0.1"},
      {L"odd", REG_SZ, oddSize, u"abc"},
      {L"innerNull", REG_SZ, bytes(std::u16string(u"ab\0cd", 5), 2), u"ab"},
      {L"expand", REG_EXPAND_SZ, bytes(u"%PATH%!x", 2), u"%PATH%!x"},
      {L"zeroSize", REG_SZ, {}, u""},
      {L"dword", REG_DWORD, std::vector<BYTE>(reinterpret_cast<const BYTE*>(&number), reinterpret_cast<const BYTE*>(&number) + 4), u""},
      {L"binary", REG_BINARY, bytes(u"1!2!3", 2), u""},
      {L"multi", REG_MULTI_SZ, bytes(u"a", 4), u""},
  };
  for (const Case& c : cases)
    testing_support::WriteRaw(path, c.name, c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
  core::RegistryStore store;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
    EXPECT_EQ(store.ReadIniReg(key.path16(), std::u16string(c.name, c.name + wcslen(c.name))), c.expected);
  }
}

TEST(RegistryStore, FailuresAreSwallowed) {
  core::RegistryStore store;
  // A key name longer than the registry allows can be neither opened nor created.
  const std::u16string tooLong(300, u'k');
  store.WriteIniReg(tooLong, u"prikaz", u"x");
  EXPECT_EQ(store.ReadIniReg(tooLong, u"prikaz"), u"");
  // A value name longer than the registry allows is refused.
  ThrowawayKey key(L"longname");
  const std::u16string longName(20000, u'n');
  store.WriteIniReg(key.path16(), longName, u"x");
  EXPECT_EQ(store.ReadIniReg(key.path16(), longName), u"");
}

}  // namespace
