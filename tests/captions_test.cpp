#include <gtest/gtest.h>

#include "app/application.h"
#include "fakes/fake_platform.h"
#include "fakes/temp_dir.h"
#include "lang/captions.h"
#include "lang/ini_reader.h"
#include "lang/keys.h"

namespace tandrel {
namespace {

using fakes::ReadFile;
using fakes::TempDir;
using fakes::WriteFile;

const std::string kShippedPack = std::string(TANDREL_SOURCE_DIR) + "/resources/Lang/English.ini";

TEST(EnglishPack, HoldsEveryKeyAtItsBuiltInTextAndNothingElse) {
  for (const LangKey& key : keys::kAll) {
    EXPECT_EQ(ReadIniValue(kShippedPack, "Language Pack", std::string(key.key)),
              std::string(key.defaultText))
        << key.key;
  }
  const std::string pack = ReadFile(kShippedPack);
  size_t lines = 0;
  for (size_t at = 0; (at = pack.find("\r\n", at)) != std::string::npos; at += 2) {
    ++lines;
  }
  EXPECT_EQ(lines, keys::kAll.size() + 1);  // the section line and one line per key
  EXPECT_EQ(pack.find('\n'), pack.find("\r\n") + 1);
}

TEST(EnglishPack, IsInstalledInTheAppFolder) {
  EXPECT_EQ(ReadFile(std::string(TANDREL_APP_DIR) + "/Lang/English.ini"), ReadFile(kShippedPack));
}

class CaptionsTest : public testing::Test {
 protected:
  CaptionsTest() {
    fake.environment.programFolder = dir.path();
    app.state().settings.LanguageFile = "Test.ini";
  }

  TempDir dir;
  fakes::FakePlatform fake;
  Application app{fake.platform};
};

TEST_F(CaptionsTest, APackWithoutKeysGivesTheBuiltInTexts) {
  WriteFile(dir / "Lang/Test.ini", "[Language Pack]\r\n");
  ApplyCaptions(app);
  const HiddenMenus& menus = app.optionsDialog().menus;
  const std::pair<std::string, std::string> shown[] = {
      {menus.fileMenu.caption, "&File"},
      {menus.openMenu.caption, "&Open"},
      {menus.exitCommand.caption, "E&xit"},
      {menus.editMenu.caption, "&Edit"},
      {menus.toolsMenu.caption, "&Tools"},
      {menus.optionsMenuCommand.caption, "&Options"},
      {menus.helpMenu.caption, "&Help"},
      {menus.howToUseMenu.caption, "&How To Use?"},
      {menus.aboutMenu.caption, "&About"},
      {app.aboutForm().cmdOKCaption, "&OK"},
      {app.optionsDialog().okButtonCaption, "&OK"},
      {app.optionsDialog().cancelButtonCaption, "&Cancel"},
      {app.optionsDialog().title, "Options"},
      {app.optionsDialog().languageFrameCaption, "Language"},
      {app.optionsDialog().languageLabelCaption, "Select Language:"},
  };
  for (const auto& [actual, expected] : shown) {
    EXPECT_EQ(actual, expected);
  }
  // Texts without a key keep their design text.
  EXPECT_EQ(menus.fullScreenMenu.caption, "Full Screen");
  EXPECT_EQ(menus.dvdsList.at(0).caption, "<No DVD drives were found>");
}

TEST_F(CaptionsTest, APacksOwnTextsReachEveryElementThatUsesThem) {
  WriteFile(dir / "Lang/Test.ini",
            "[Language Pack]\r\n03=&Jawohl\r\n04=&Abbrechen\r\n10=&Datei\r\n72=Sprache:\r\n");
  ApplyCaptions(app);
  EXPECT_EQ(app.aboutForm().cmdOKCaption, "&Jawohl");
  EXPECT_EQ(app.optionsDialog().okButtonCaption, "&Jawohl");
  EXPECT_EQ(app.optionsDialog().cancelButtonCaption, "&Abbrechen");
  EXPECT_EQ(app.optionsDialog().menus.fileMenu.caption, "&Datei");
  EXPECT_EQ(app.optionsDialog().languageLabelCaption, "Sprache:");
  EXPECT_EQ(app.optionsDialog().menus.openMenu.caption, "&Open");
}

TEST_F(CaptionsTest, ApplyingLoadsTheDialogAndTheAboutBox) {
  WriteFile(dir / "Lang/Test.ini", "[Language Pack]\r\n51=Info\r\n");
  ASSERT_FALSE(fake.windows.Has("options"));
  ASSERT_FALSE(fake.windows.Has("about"));
  ApplyCaptions(app);
  EXPECT_FALSE(fake.windows["options"].closed);
  EXPECT_FALSE(fake.windows["about"].closed);
  // The About box computes its own texts as it loads.
  EXPECT_EQ(app.aboutForm().caption, "Info Tandrel");
  EXPECT_EQ(app.aboutForm().lblVersion, "Version 1.0.0.0");
}

}  // namespace
}  // namespace tandrel
