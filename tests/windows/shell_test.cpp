#include "ui/shell_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "core/win32_text.h"
#include "tests/support/test_files_win32.h"

namespace {

using core::FromWide;
using testing_support::BesideTests;
using testing_support::TestProgramPath;

TEST(Win32Shell, ProgramPathIsTheFullPathOfTheRunningProgram) {
  ui::Win32Shell shell;
  const std::u16string path = shell.ProgramPath();
  EXPECT_EQ(path, FromWide(TestProgramPath()));
  EXPECT_TRUE(path.ends_with(u"\\windows_tests.exe")) << std::string(path.begin(), path.end());
  EXPECT_NE(GetFileAttributesW(core::ToWide(path).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Win32Shell, FileVersionIsTheStringOfTheFirstTranslationsBlock) {
  ui::Win32Shell shell;
  // The test program carries a Russian/1251 block after a decoy 040904E4 one,
  // which its second translation names.
  EXPECT_EQ(shell.FileVersion(FromWide(BesideTests(L"orderpanel.exe"))), u"1.2.0.58");
  EXPECT_EQ(shell.FileVersion(shell.ProgramPath()), u"9.8.7.6");
}

TEST(Win32Shell, FileVersionIsEmptyWithoutVersionData) {
  ui::Win32Shell shell;
  const testing_support::TemporaryFile plain("MZ not really a program");
  EXPECT_EQ(shell.FileVersion(FromWide(plain.path())), u"");
  EXPECT_EQ(shell.FileVersion(FromWide(BesideTests(L"no-such-file.exe"))), u"");
  EXPECT_EQ(shell.FileVersion(u""), u"");
}

TEST(Win32Shell, ShiftKeyPressesAndReleasesShift) {
  ui::Win32Shell shell;
  shell.ShiftKey(true);
  EXPECT_TRUE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
  shell.ShiftKey(false);
  EXPECT_FALSE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
}

}  // namespace
