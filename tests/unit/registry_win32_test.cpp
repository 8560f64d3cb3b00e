// The registry helpers against Wine's registry, in keys this test creates.
#include <gtest/gtest.h>

#include "support/registry_win32.h"
#include "support/wide_win32.h"

namespace {

const std::u16string kRoot = u"Software\\LauncherTests\\Registry";

class Registry : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, Wide(kRoot)); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, Wide(kRoot)); }

  static void CreateKey(const std::u16string& subkey) {
    HKEY key;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, Wide(kRoot + subkey), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegCloseKey(key);
  }
  static void SetValue(const std::u16string& name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Wide(kRoot), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, Wide(name), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
};

TEST_F(Registry, OpensOnlyExistingKeys) {
  EXPECT_FALSE(OpenRegistryKey(HKEY_CURRENT_USER, kRoot, RegistryView::Default));
  CreateKey(u"");
  EXPECT_TRUE(OpenRegistryKey(HKEY_CURRENT_USER, kRoot, RegistryView::Default));
  EXPECT_TRUE(OpenRegistryKey(HKEY_CURRENT_USER, kRoot, RegistryView::Bits64));
}

TEST_F(Registry, EnumeratesSubkeyNames) {
  CreateKey(u"");
  EXPECT_TRUE(EnumerateSubkeyNames(OpenRegistryKey(HKEY_CURRENT_USER, kRoot, RegistryView::Default).get()).empty());
  CreateKey(u"\\1.6.0_20");
  CreateKey(u"\\1.5");
  auto names = EnumerateSubkeyNames(OpenRegistryKey(HKEY_CURRENT_USER, kRoot, RegistryView::Default).get());
  ASSERT_EQ(names.size(), 2u);
  EXPECT_NE(std::find(names.begin(), names.end(), u"1.6.0_20"), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), u"1.5"), names.end());
}

TEST_F(Registry, ReadsStringsUpToTheirFirstNul) {
  const wchar_t home[] = L"C:\\Java\\jre";
  SetValue(u"JavaHome", REG_SZ, home, sizeof home);
  const wchar_t twoParts[] = L"first\0second";
  SetValue(u"Two", REG_SZ, twoParts, sizeof twoParts);
  SetValue(u"Empty", REG_SZ, L"", 0);
  auto key = OpenRegistryKey(HKEY_CURRENT_USER, kRoot, RegistryView::Default);
  EXPECT_EQ(ReadRegistryString(key.get(), u"JavaHome"), std::optional<std::u16string>(u"C:\\Java\\jre"));
  EXPECT_EQ(ReadRegistryString(key.get(), u"Two"), std::optional<std::u16string>(u"first"));
  EXPECT_EQ(ReadRegistryString(key.get(), u"Empty"), std::nullopt);
  EXPECT_EQ(ReadRegistryString(key.get(), u"Missing"), std::nullopt);
}

TEST_F(Registry, ReadsUnterminatedAndOddSizedDataWithinBounds) {
  const wchar_t unterminated[] = {L'a', L'b', L'c'};
  SetValue(u"Unterminated", REG_SZ, unterminated, sizeof unterminated);
  const char odd[] = {'x', 0, 'y', 0, 'z'};
  SetValue(u"Odd", REG_BINARY, odd, sizeof odd);
  auto key = OpenRegistryKey(HKEY_CURRENT_USER, kRoot, RegistryView::Default);
  EXPECT_EQ(ReadRegistryString(key.get(), u"Unterminated"), std::optional<std::u16string>(u"abc"));
  EXPECT_EQ(ReadRegistryString(key.get(), u"Odd"), std::optional<std::u16string>(u"xyz"));
}

}  // namespace
