#include "app/configuration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

using fakes::ReadFile;
using fakes::TempDir;
using fakes::WriteFile;

Settings Make(std::string language, std::string folder, int16_t overlay, int16_t screenSaver,
              int16_t target, int16_t style, int16_t autoPlay) {
  return Settings{
      std::move(language), std::move(folder), overlay, screenSaver, target, style, autoPlay};
}

TEST(ConfigurationFormat, WritesSevenCrLfLinesWithSignBlankNumbers) {
  EXPECT_EQ(FormatConfiguration(Make("English.ini", "/home/ann/Desktop", 1, 0, 2, -1, 0)),
            "English.ini\r\n/home/ann/Desktop\r\n 1 \r\n 0 \r\n 2 \r\n-1 \r\n 0 \r\n");
}

TEST(ConfigurationFormat, DefaultsSendSnapshotsToFilesInTheDesktopFolder) {
  // The file written with the defaults and the settings put in force with it agree, so the
  // next start behaves like this one.
  EXPECT_EQ(FormatConfiguration(DefaultSettings("/home/ann/Desktop")),
            "English.ini\r\n/home/ann/Desktop\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
}

struct ReadCase {
  const char* name;
  std::string content;
  bool failed;
  Settings expected;  // checked only when the read succeeds
};

class ConfigurationRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ConfigurationRead, SplitsFieldsAsTheFileHasAlwaysBeenRead) {
  const ReadCase& c = GetParam();
  TempDir dir;
  WriteFile(dir / "Config.cfg", c.content);
  Settings settings;
  const ConfigReadResult result = LoadConfigurations(dir / "Config.cfg", settings);
  EXPECT_TRUE(result.opened);
  EXPECT_EQ(result.failed, c.failed);
  if (!c.failed) {
    EXPECT_EQ(settings, c.expected);
  }
}

const std::string kStandard = "English.ini\r\nD:\\Shots\r\n 1 \r\n 0 \r\n 2 \r\n 1 \r\n 1 \r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigurationRead,
    testing::Values(
        ReadCase{"CrLf", kStandard, false, Make("English.ini", "D:\\Shots", 1, 0, 2, 1, 1)},
        ReadCase{"LfOnly", "English.ini\nD:\\Shots\n 1 \n 0 \n 2 \n 1 \n 1 \n", false,
                 Make("English.ini", "D:\\Shots", 1, 0, 2, 1, 1)},
        ReadCase{"NoFinalLineEnd", "a.ini\r\nf\r\n1\r\n0\r\n2\r\n1\r\n1", false,
                 Make("a.ini", "f", 1, 0, 2, 1, 1)},
        ReadCase{"NineLines", kStandard + " 7 \r\n 8 \r\n", false,
                 Make("English.ini", "D:\\Shots", 1, 0, 2, 1, 1)},
        ReadCase{"SixLines", "English.ini\r\nD:\\Shots\r\n 1 \r\n 0 \r\n 2 \r\n 1 \r\n", true, {}},
        ReadCase{"ThreeLines", "English.ini\r\nD:\\Shots\r\n 1 \r\n", true, {}},
        ReadCase{"Empty", "", true, {}},
        ReadCase{"EmptySecondLine", "English.ini\r\n\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n", false,
                 Make("English.ini", "", 1, 0, 0, 0, 0)},
        ReadCase{"BlankFirstLine", "   \r\nf\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n", false,
                 Make("", "f", 1, 0, 0, 0, 0)},
        ReadCase{"LettersForANumber", "a\r\nf\r\n 1 \r\n yes \r\n 1 \r\n 0 \r\n 0 \r\n", false,
                 Make("a", "f", 1, 0, 1, 0, 0)},
        ReadCase{"NumberThenText", "a\r\nf\r\n 12abc \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n", false,
                 Make("a", "f", 12, 0, 1, 0, 0)},
        ReadCase{"Limits", "a\r\nf\r\n32767\r\n-32768\r\n+5\r\n2.5\r\n3.5\r\n", false,
                 Make("a", "f", 32767, -32768, 5, 2, 4)},
        ReadCase{"Exponents", "a\r\nf\r\n1e3\r\n1e-400\r\n0.00001\r\n.5e1\r\n0\r\n", false,
                 Make("a", "f", 1000, 0, 0, 5, 0)},
        ReadCase{"AboveRange", "a\r\nf\r\n99999\r\n0\r\n0\r\n0\r\n0\r\n", true, {}},
        ReadCase{"BelowRange", "a\r\nf\r\n0\r\n-40000\r\n0\r\n0\r\n0\r\n", true, {}},
        ReadCase{"RoundsOutOfRange", "a\r\nf\r\n32767.5\r\n0\r\n0\r\n0\r\n0\r\n", true, {}},
        ReadCase{"Huge", "a\r\nf\r\n1e400\r\n0\r\n0\r\n0\r\n0\r\n", true, {}},
        ReadCase{"CommaShiftsFields",
                 "English.ini\r\nD:\\My, Pictures\r\n 1 \r\n 0 \r\n 1 \r\n 2 \r\n 1 \r\n", false,
                 Make("English.ini", "D:\\My", 0, 1, 0, 1, 2)},
        ReadCase{"QuotedString",
                 "English.ini\r\n\"D:\\My, Pictures\" rest\r\n 1 \r\n 0 \r\n 1 \r\n 2 \r\n 1 \r\n",
                 false, Make("English.ini", "D:\\My, Pictures", 1, 0, 1, 2, 1)},
        ReadCase{"LeadingBlanksSkipped",
                 "  English.ini\r\n\tf\r\n 1 \r\n 0 \r\n 1 \r\n 2 \r\n 1 \r\n", false,
                 Make("English.ini", "f", 1, 0, 1, 2, 1)},
        ReadCase{"UnclosedQuoteRunsToTheEnd",
                 "\"English.ini\r\nf\r\n1\r\n0\r\n1\r\n2\r\n1\r\n",
                 true,
                 {}},
        ReadCase{"Binary", std::string("\0\x01\xff\xfe,\0\r\n\x80\x81", 10), true, {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(ConfigurationRead, MissingFileIsNotOpened) {
  TempDir dir;
  Settings settings;
  const ConfigReadResult result = LoadConfigurations(dir / "Config.cfg", settings);
  EXPECT_FALSE(result.opened);
  EXPECT_TRUE(result.failed);
}

TEST(ConfigurationRead, FieldsReadBeforeAFailureKeepTheirValues) {
  TempDir dir;
  WriteFile(dir / "Config.cfg", "French.ini\r\n/pics\r\n 0 \r\n");
  Settings settings = DefaultSettings("/desk");
  EXPECT_TRUE(LoadConfigurations(dir / "Config.cfg", settings).failed);
  EXPECT_EQ(settings.LanguageFile, "French.ini");
  EXPECT_EQ(settings.SnapshotFolder, "/pics");
  EXPECT_EQ(settings.UseOverlay, 0);
}

TEST(ConfigurationRead, TenMegabyteLineIsReadWhole) {
  TempDir dir;
  const std::string longFolder(10 * 1024 * 1024, 'x');
  WriteFile(dir / "Config.cfg", "a.ini\r\n" + longFolder + "\r\n1\r\n0\r\n0\r\n0\r\n0\r\n");
  Settings settings;
  EXPECT_FALSE(LoadConfigurations(dir / "Config.cfg", settings).failed);
  EXPECT_EQ(settings.SnapshotFolder.size(), longFolder.size());
  EXPECT_EQ(settings.UseOverlay, 1);
}

TEST(ConfigurationWrite, EveryFolderReadsBackWhole) {
  const std::string folders[] = {"/home/ann/Pictures", "D:\\My, Pictures", "  leading blanks",
                                 "two\r\nlines", ""};
  for (const std::string& folder : folders) {
    TempDir dir;
    const Settings written = Make("English.ini", folder, 0, 1, 2, 1, 1);
    ASSERT_TRUE(WriteConfiguration(dir / "Config.cfg", written));
    Settings read;
    EXPECT_FALSE(LoadConfigurations(dir / "Config.cfg", read).failed) << folder;
    EXPECT_EQ(read, written) << folder;
  }
}

TEST(ConfigurationWrite, ReplacesTheOldFileAndLeavesNothingBesideIt) {
  TempDir dir;
  WriteFile(dir / "Config.cfg", "old");
  ASSERT_TRUE(WriteConfiguration(dir / "Config.cfg", DefaultSettings("/desk")));
  EXPECT_EQ(ReadFile(dir / "Config.cfg"), FormatConfiguration(DefaultSettings("/desk")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(ConfigurationWrite, AFailedWriteKeepsTheOldSettings) {
  TempDir dir;
  WriteFile(dir / "Config.cfg", kStandard);
  // The new file cannot be made where it would be written.
  std::filesystem::create_directory(dir / "Config.cfg.new");
  WriteFile(dir / "Config.cfg.new/keep", "x");
  EXPECT_FALSE(WriteConfiguration(dir / "Config.cfg", DefaultSettings("/desk")));
  EXPECT_EQ(ReadFile(dir / "Config.cfg"), kStandard);
  EXPECT_FALSE(WriteConfiguration(dir / "missing-folder/Config.cfg", DefaultSettings("/desk")));
}

}  // namespace
}  // namespace tandrel
