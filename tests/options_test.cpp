#include <gtest/gtest.h>

#include <filesystem>

#include "app/configuration.h"
#include "components/movie_variables.h"
#include "fakes/started_app.h"

namespace tandrel {
namespace {

using fakes::ReadFile;
using fakes::WriteFile;
using Strings = std::vector<std::string>;

class Options : public fakes::StartedApp {
 protected:
  OptionsDialog& dialog() { return app.optionsDialog(); }
  Settings& settings() { return app.state().settings; }
  void Packs(const Strings& names) {
    for (const std::string& name : names) {
      WriteFile(programDir / ("Lang/" + name), "[Language Pack]\r\n");
    }
  }
  std::string Config() { return ReadFile(programDir / "Config.cfg"); }
  // Opens the dialog as the skin's "options" command does, with `user` acting while it is up.
  void RunDialog(std::function<void()> user) {
    fake.windows.whileModal["options"] = std::move(user);
    skin().Send("options");
  }
};

TEST_F(Options, ListsThePacksAndSelectsTheOneInForce) {
  Packs({"Deutsch.ini",
         "Fran\xc3\xa7"
         "ais.ini",
         "My Pack.ini", "notes.txt"});
  settings().LanguageFile = "Deutsch.ini";
  dialog().Form_Load();
  EXPECT_EQ(dialog().availableLanguages, (Strings{"Deutsch", "English",
                                                  "Fran\xc3\xa7"
                                                  "ais",
                                                  "My Pack"}));
  EXPECT_EQ(dialog().availableLanguagesIndex, 0);
}

TEST_F(Options, TheNameIsComparedWithCaseAndFallsBackToEnglish) {
  Packs({"Deutsch.ini"});
  settings().LanguageFile = "english.ini";
  dialog().Form_Load();
  EXPECT_EQ(dialog().availableLanguages, (Strings{"Deutsch", "English"}));
  EXPECT_EQ(dialog().availableLanguagesIndex, 1);
  EXPECT_EQ(settings().LanguageFile, "English.ini");
}

TEST_F(Options, WithoutTheNamedPackOrEnglishTheFirstIsSelected) {
  std::filesystem::remove(programDir / "Lang/English.ini");
  Packs({"B.ini", "A.ini"});
  settings().LanguageFile = "Missing.ini";
  dialog().Form_Load();
  EXPECT_EQ(dialog().availableLanguagesIndex, 0);
  EXPECT_EQ(settings().LanguageFile, "English.ini");
  dialog().OKButton_Click();
  EXPECT_EQ(Config().substr(0, 7), "A.ini\r\n");
}

TEST_F(Options, WithoutALanguageFolderNothingIsSelected) {
  std::filesystem::remove_all(programDir / "Lang");
  dialog().Form_Load();
  EXPECT_TRUE(dialog().availableLanguages.empty());
  EXPECT_EQ(dialog().availableLanguagesIndex, -1);
  dialog().OKButton_Click();
  EXPECT_EQ(Config().substr(0, 6), ".ini\r\n");
}

TEST_F(Options, AThousandPacksAreListedInOrder) {
  Strings names;
  for (int i = 0; i < 1000; ++i) {
    names.push_back("P" + std::to_string(1000 + i) + ".ini");
  }
  Packs(names);
  settings().LanguageFile = "P1999.ini";
  dialog().Form_Load();
  EXPECT_EQ(dialog().availableLanguages.size(), 1001u);
  EXPECT_EQ(dialog().availableLanguages[1000], "P1999");
  EXPECT_EQ(dialog().availableLanguagesIndex, 1000);
}

TEST_F(Options, FillingShowsTheSettings) {
  settings() = Settings{"English.ini", "", 5, 2, 5, 9, 1};
  dialog().Form_Load();
  EXPECT_EQ(settings().SnapshotFolder, "/home/ann/Desktop");  // even if cancelled later
  EXPECT_EQ(dialog().snapshotPath, "/home/ann/Desktop");
  EXPECT_EQ(dialog().chkOverlay, 1);
  EXPECT_EQ(dialog().chkScreenSaver, 0);
  EXPECT_EQ(dialog().chkAutoPlay, 1);
  EXPECT_EQ(dialog().cmbWallpaperTypeIndex, -1);
  EXPECT_TRUE(dialog().optToDesktop);
  EXPECT_FALSE(dialog().optToFile);
}

TEST_F(Options, EachTargetEnablesItsOwnControls) {
  struct Row {
    void (OptionsDialog::*click)();
    bool path, browse, wallpaper;
  };
  const Row rows[] = {{&OptionsDialog::optToFile_Click, true, true, false},
                      {&OptionsDialog::optToClipboard_Click, false, false, false},
                      {&OptionsDialog::optToDesktop_Click, false, false, true}};
  for (const Row& row : rows) {
    (dialog().*row.click)();
    EXPECT_EQ(dialog().snapshotPathEnabled, row.path);
    EXPECT_EQ(dialog().snapshotsBrowseEnabled, row.browse);
    EXPECT_EQ(dialog().cmbWallpaperTypeEnabled, row.wallpaper);
  }
}

TEST_F(Options, BrowseDisablesTheDialogAndTakesAChosenFolder) {
  bool enabledDuringBrowse = true;
  fake.shell.duringBrowse = [&] { enabledDuringBrowse = dialog().enabled; };
  fake.shell.folderChoices = {"/media/pictures"};
  dialog().snapshotsBrowse_Click();
  EXPECT_FALSE(enabledDuringBrowse);
  EXPECT_TRUE(dialog().enabled);
  EXPECT_EQ(dialog().snapshotPath, "/media/pictures");
  EXPECT_TRUE(fake.log.Contains("options.Focus"));
  ASSERT_EQ(fake.shell.browses.size(), 1u);
  EXPECT_EQ(fake.shell.browses[0].title, "Folder Browser");
  EXPECT_EQ(fake.shell.browses[0].flags, 0x22u);
  EXPECT_EQ(fake.shell.browses[0].root, "");
  EXPECT_EQ(fake.shell.browses[0].owner, fake.windows["options"].handle);

  dialog().snapshotsBrowse_Click();  // cancelled
  EXPECT_EQ(dialog().snapshotPath, "/media/pictures");
}

struct OkCase {
  const char* name;
  std::function<void(OptionsDialog&)> change;
  bool playing;
  MessageAnswer answer;
  bool asks;
  bool settingsFollow;  // the settings in force are the new ones afterwards
};

class OkButton : public Options, public testing::WithParamInterface<OkCase> {};

TEST_P(OkButton, SavesAlwaysAndRestartsOnlyWhenAskedTo) {
  const OkCase& c = GetParam();
  Packs({"Deutsch.ini"});
  fake.drives.drives = {{"D:", 5, "MOVIE"}};
  app.optionsDialog().fileMenu_Click();
  app.optionsDialog().dvdsList_Click(0);
  fake.engine.playing = c.playing;
  fake.messages.answer = c.answer;
  const Settings before = settings();
  const std::vector<std::string> optionsBefore = app.state().EngineOptions;
  fake.engine.items.clear();
  fake.log.Clear();

  dialog().Form_Load();
  c.change(dialog());
  dialog().OKButton_Click();

  Settings written;
  ASSERT_FALSE(LoadConfigurations(programDir / "Config.cfg", written).failed);
  EXPECT_EQ(fake.shell.registrations, std::vector<int16_t>{written.AutoPlay});
  EXPECT_FALSE(fake.windows["options"].visible);
  EXPECT_EQ(fake.messages.shown.size(), c.asks ? 1u : 0u);
  if (c.asks) {
    EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Question);
  }
  const bool restarted = c.asks && c.answer == MessageAnswer::Yes;
  EXPECT_EQ(fake.engine.items.size(), restarted ? 1u : 0u);
  EXPECT_EQ(settings(), c.settingsFollow ? written : before);
  if (!restarted) {
    // The option list built during OK follows the settings from before the dialog.
    EXPECT_EQ(app.state().EngineOptions, optionsBefore);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OkButton,
    testing::Values(
        OkCase{"LanguageWhilePlaying", [](OptionsDialog& d) { d.availableLanguagesIndex = 0; },
               true, MessageAnswer::Yes, false, true},
        OkCase{"StyleAndAutoPlayWhilePlaying",
               [](OptionsDialog& d) {
                 d.cmbWallpaperTypeIndex = 2;
                 d.chkAutoPlay = 1;
               },
               true, MessageAnswer::Yes, false, true},
        OkCase{"FolderWhileIdle", [](OptionsDialog& d) { d.snapshotPath = "/elsewhere"; }, false,
               MessageAnswer::Yes, false, true},
        OkCase{"TargetWhilePlayingNo", [](OptionsDialog& d) { d.optToClipboard_Click(); }, true,
               MessageAnswer::No, true, false},
        OkCase{"TargetWhilePlayingYes", [](OptionsDialog& d) { d.optToClipboard_Click(); }, true,
               MessageAnswer::Yes, true, true},
        OkCase{"OverlayWhilePlayingYes", [](OptionsDialog& d) { d.chkOverlay = 0; }, true,
               MessageAnswer::Yes, true, true},
        OkCase{"ScreenSaverWhileIdle", [](OptionsDialog& d) { d.chkScreenSaver = 1; }, false,
               MessageAnswer::No, false, true},
        OkCase{"NothingChanged", [](OptionsDialog&) {}, true, MessageAnswer::Yes, false, true}),
    [](const testing::TestParamInfo<OkCase>& info) { return info.param.name; });

TEST_F(Options, OkWithNothingChangedStillRewritesTheFile) {
  WriteFile(programDir / "Config.cfg", std::string(kConfig) + " 8 \r\n");
  dialog().Form_Load();
  dialog().OKButton_Click();
  EXPECT_EQ(Config(), kConfig);
  EXPECT_EQ(fake.shell.registrations, std::vector<int16_t>{0});
}

TEST_F(Options, AnOutOfRangeTargetIsStoredAsTheWallpaper) {
  settings().SnapshotTarget = 5;
  dialog().Form_Load();
  dialog().OKButton_Click();
  EXPECT_EQ(settings().SnapshotTarget, 2);
}

TEST_F(Options, AConfigurationThatCannotBeWrittenIsLeftAndReported) {
  std::filesystem::create_directory(programDir / "Config.cfg.new");
  WriteFile(programDir / "Config.cfg.new/x", "x");
  dialog().Form_Load();
  dialog().chkScreenSaver = 1;
  dialog().OKButton_Click();
  EXPECT_EQ(Config(), kConfig);
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_NE(fake.messages.shown[0].text.find("could not be saved"), std::string::npos);
  EXPECT_EQ(settings().DisableScreenSaver, 1);
}

TEST_F(Options, CancelDestroysTheDialogAndTheCaptionsAreAppliedAgain) {
  WriteFile(programDir / "Config.cfg", kConfig);
  app.optionsDialog().fileMenu_Click();
  const Settings before = settings();
  main().volumeSlider = 0;
  RunDialog([&] {
    dialog().chkOverlay = 0;
    dialog().CancelButton_Click();
  });
  EXPECT_EQ(settings(), before);
  EXPECT_EQ(fake.windows.created["options"], 2);  // loaded again by the captions
  EXPECT_EQ(fake.windows.created["about"], 2);
  EXPECT_EQ(dialog().chkOverlay, 1);
  EXPECT_EQ(skin().variables[movievars::kVolumeText], "Volume 0");
  EXPECT_EQ(dialog().menus.fileMenu.caption, "&File");
}

TEST_F(Options, ANewLanguageShowsAsSoonAsTheDialogCloses) {
  WriteFile(programDir / "Lang/Deutsch.ini",
            "[Language Pack]\r\n10=&Datei\r\n03=&Jawohl\r\n032=Lautst\xc3\xa4rke\r\n");
  RunDialog([&] {
    dialog().availableLanguagesIndex = 0;  // Deutsch
    dialog().OKButton_Click();
  });
  EXPECT_EQ(settings().LanguageFile, "Deutsch.ini");
  EXPECT_EQ(dialog().menus.fileMenu.caption, "&Datei");
  EXPECT_EQ(app.aboutForm().cmdOKCaption, "&Jawohl");
  EXPECT_EQ(skin().variables[movievars::kVolumeText], "Lautst\xc3\xa4rke 50");
  EXPECT_EQ(dialog().optToFile, true);  // the fixed texts and the controls stay
}

TEST_F(Options, TheHelpFileIsNamedAfterThePack) {
  const std::string help = programDir / "English.html";
  fake.shell.openable = {help};
  dialog().howToUseMenu_Click();
  EXPECT_EQ(fake.shell.opened, Strings{help});
  EXPECT_TRUE(fake.log.Contains("shell.Open(" + help + ",max)"));
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(Options, AMissingHelpFileOrAShortPackNameShowsTheErrorBox) {
  WriteFile(programDir / "Lang/Deutsch.ini", "[Language Pack]\r\n019=Keine Hilfe.\r\n");
  settings().LanguageFile = "Deutsch.ini";
  dialog().howToUseMenu_Click();
  settings().LanguageFile = "a";
  fake.log.Clear();
  dialog().howToUseMenu_Click();
  EXPECT_TRUE(fake.log.calls().size() == 1u);  // no opener call, only the box
  ASSERT_EQ(fake.messages.shown.size(), 2u);
  EXPECT_EQ(fake.messages.shown[0].text, "Keine Hilfe.");
  EXPECT_EQ(fake.messages.shown[0].title, "Error");
  EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(fake.messages.shown[1].text, "Can't find the help file.");
}

TEST_F(Options, TheEditMenuFullScreenSendsTheHotKey) {
  dialog().fullScreenMenu_Click();
  EXPECT_TRUE(fake.log.Contains("engine.SetEngineVariable(key-fullscreen,102)"));
}

TEST_F(Options, TheAboutBoxShowsItsTextsAndOpensItsLinks) {
  EXPECT_EQ(app.aboutForm().caption, "About Tandrel");
  EXPECT_EQ(app.aboutForm().lblTitle, "Tandrel");
  EXPECT_EQ(app.aboutForm().lblVersion, "Version 1.0.0.0");
  EXPECT_EQ(app.aboutForm().lblDescription.rfind("Use this easy-to-use application", 0), 0u);
  fake.windows.whileModal["about"] = [&] {
    app.aboutForm().SCLabel1_Click();
    app.aboutForm().SCLabel2_Click();
    app.aboutForm().cmdOK_Click();
  };
  dialog().aboutMenu_Click();
  EXPECT_TRUE(fake.log.Contains(std::string("shell.Open(") + kProductWebAddress + ")"));
  EXPECT_TRUE(fake.log.Contains(std::string("shell.Open(mailto:") + kSupportAddress + ")"));
  EXPECT_TRUE(fake.windows["about"].closed);
}

}  // namespace
}  // namespace tandrel
