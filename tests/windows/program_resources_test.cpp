// The resources built into orderpanel.exe: icon, manifest and version.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <string>

#include "core/unique_handle.h"
#include "tests/support/test_files_win32.h"
#include "toolkit/win32/gdi_handles.h"
#include "ui/resource_ids.h"

namespace {

struct ModuleTraits {
  using handle_type = HMODULE;
  static HMODULE empty() { return nullptr; }
  static void close(HMODULE module) { FreeLibrary(module); }
};
using UniqueModule = core::unique_handle<ModuleTraits>;

struct IconTraits {
  using handle_type = HICON;
  static HICON empty() { return nullptr; }
  static void close(HICON icon) { DestroyIcon(icon); }
};
using UniqueIcon = core::unique_handle<IconTraits>;

class ProgramResources : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(program_) << "orderpanel.exe not found beside the tests"; }

  std::string Resource(const wchar_t* type, int id) const {
    HRSRC found = FindResourceW(program_.get(), MAKEINTRESOURCEW(id), type);
    if (!found) return {};
    const void* data = LockResource(LoadResource(program_.get(), found));
    return data ? std::string(static_cast<const char*>(data), SizeofResource(program_.get(), found)) : std::string();
  }

  UniqueModule program_{LoadLibraryExW(testing_support::BesideTests(L"orderpanel.exe").c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)};
};

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitsPerPixel;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST_F(ProgramResources, IconIsARedAndWhiteTargetIn16And32Pixels) {
  const std::string group = Resource(RT_GROUP_ICON, ui::kProgramIconId);
  ASSERT_GE(group.size(), 6u);
  WORD count;
  std::memcpy(&count, group.data() + 4, sizeof count);
  ASSERT_EQ(group.size(), 6 + count * sizeof(IconGroupEntry));
  std::set<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    IconGroupEntry entry;
    std::memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
    ASSERT_EQ(entry.width, entry.height);
    sizes.insert(entry.width);

    // The image itself has that size; drawn on grey, its centre is red, a
    // ring is white and the corners stay grey.
    const int size = entry.width;
    SCOPED_TRACE(size);
    std::string image = Resource(RT_ICON, entry.id);
    ASSERT_FALSE(image.empty());
    const UniqueIcon icon(CreateIconFromResourceEx(reinterpret_cast<BYTE*>(image.data()),
                                                   static_cast<DWORD>(image.size()), TRUE, 0x00030000, 0, 0,
                                                   LR_DEFAULTCOLOR));
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    const toolkit::win32::UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    ASSERT_TRUE(GetObjectW(colour.get(), sizeof bitmap, &bitmap));
    EXPECT_EQ(bitmap.bmWidth, size);
    EXPECT_EQ(bitmap.bmHeight, size);

    HDC screen = GetDC(nullptr);
    const toolkit::win32::PixelCanvas canvas(screen, size, size);
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(canvas);
    for (int p = 0; p < size * size; ++p) canvas.pixels()[p] = 0x808080;
    ASSERT_TRUE(DrawIconEx(canvas.dc(), 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL));
    GdiFlush();
    // Drawing with alpha fills the unused top byte: compare colours only.
    for (int p = 0; p < size * size; ++p) canvas.pixels()[p] &= 0xFFFFFF;
    EXPECT_EQ(canvas.at(0, 0), 0x808080u);
    const DWORD centre = canvas.at(size / 2, size / 2);
    EXPECT_GT((centre >> 16) & 0xFF, 180u);
    EXPECT_LT((centre >> 8) & 0xFF, 60u);
    int white = 0;
    for (int p = 0; p < size * size; ++p) white += canvas.pixels()[p] == 0xFFFFFF;
    EXPECT_GT(white, size);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 32}));
}

TEST_F(ProgramResources, ManifestAsksForCommonControls6AndTheInvokersRights) {
  const std::string manifest = Resource(RT_MANIFEST, 1);
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"), std::string::npos);
  EXPECT_NE(manifest.find(R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)"), std::string::npos);
}

TEST_F(ProgramResources, VersionResourceHoldsOneTranslationAndBothVersions) {
  const std::wstring path = testing_support::BesideTests(L"orderpanel.exe");
  DWORD handle = 0;
  std::string data(GetFileVersionInfoSizeW(path.c_str(), &handle), '\0');
  ASSERT_FALSE(data.empty());
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), handle, static_cast<DWORD>(data.size()), data.data()));

  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &value, &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(static_cast<const WORD*>(value)[0], 0x0409);
  EXPECT_EQ(static_cast<const WORD*>(value)[1], 1252);

  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\040904E4\\ProductVersion", &value, &length));
  EXPECT_STREQ(static_cast<const wchar_t*>(value), L"1.0.0.0");

  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", &value, &length));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010002u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x0000003Au);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
}

}  // namespace
