#include "lang/language_reader.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include "app/mod_main.h"
#include "fakes/fake_services.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

using fakes::ReadFile;
using fakes::TempDir;
using fakes::WriteFile;

class LanguageReaderTest : public testing::Test {
 protected:
  LanguageReaderTest() {
    environment.programFolder = dir.path();
    settings.LanguageFile = "Test.ini";
  }

  void Pack(const std::string& content) { WriteFile(dir / "Lang/Test.ini", content); }
  std::string Lookup(const std::string& key, const std::string& defaultText = "DEFAULT") {
    return reader.SetCaptionfromINI(key, defaultText);
  }

  TempDir dir;
  fakes::CallLog log;
  fakes::FakeEnvironment environment;
  fakes::FakeClock clock{log};
  fakes::FakeLocale locale;
  Settings settings;
  LanguageReader reader{settings, environment, clock, locale};
};

struct LookupCase {
  const char* name;
  std::string pack;
  std::string key;
  std::string expected;
};

class LookupRules : public LanguageReaderTest, public testing::WithParamInterface<LookupCase> {};

TEST_P(LookupRules, FollowThePrivateProfileRules) {
  Pack(GetParam().pack);
  EXPECT_EQ(Lookup(GetParam().key), GetParam().expected);
}

const std::string kPack = "[Language Pack]\r\n10=&File\r\n010=Error\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupRules,
    testing::Values(
        LookupCase{"Found", kPack, "10", "&File"},
        LookupCase{"KeysAreStrings", kPack, "010", "Error"},
        LookupCase{"MissingKey", kPack, "013", "DEFAULT"},
        LookupCase{"EmptyValueIsNotMissing", "[Language Pack]\r\n013=\r\n", "013", ""},
        LookupCase{"BlanksAroundDropped", "[Language Pack]\r\n  41 =   &How To Use?  \r\n", "41",
                   "&How To Use?"},
        LookupCase{"QuotesRemoved", "[Language Pack]\r\n03=\"  &OK \"\r\n", "03", "&OK "},
        LookupCase{"SingleQuotesRemoved", "[Language Pack]\r\n03='Fine'\r\n", "03", "Fine"},
        LookupCase{"NamesIgnoreCase", "[language PACK]\r\nab=x\r\n", "AB", "x"},
        LookupCase{"OtherSectionIgnored", "[Other]\r\n10=Wrong\r\n[Language Pack]\r\n", "10",
                   "DEFAULT"},
        LookupCase{"LfOnly", "[Language Pack]\n10=Datei\n", "10", "Datei"},
        LookupCase{"FirstOfTwoWins", "[Language Pack]\r\n10=One\r\n10=Two\r\n", "10", "One"},
        LookupCase{"Cut", "[Language Pack]\r\n53=" + std::string(600, 'a') + "\r\n", "53",
                   std::string(499, 'a')},
        LookupCase{"CutKeepsCharactersWhole",
                   "[Language Pack]\r\n53=" + std::string(498, 'a') + "\xc3\xa9\xc3\xa9\r\n", "53",
                   std::string(498, 'a') + "\xc3\xa9"},
        LookupCase{"HugeLine",
                   "[Language Pack]\r\n1=" + std::string(100000, 'z') + "\r\n10=After\r\n", "10",
                   "After"},
        LookupCase{"Binary", std::string("\0\xff[Language Pack]\x01\n10=\x80\0x\n", 23), "10",
                   "DEFAULT"},
        LookupCase{"Empty", "", "10", "DEFAULT"}),
    [](const testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

TEST_F(LanguageReaderTest, DefaultIsUsedWhenThePackIsMissingOrUnnamed) {
  EXPECT_EQ(Lookup("10", "&File"), "&File");
  // An empty name points the lookup at the Lang folder itself.
  Pack(kPack);
  settings.LanguageFile = "";
  EXPECT_EQ(Lookup("10", "&File"), "&File");
  EXPECT_EQ(Lookup("10", "   &File"), "&File");
  EXPECT_EQ(Lookup("53", std::string(600, 'd')), std::string(499, 'd'));
  EXPECT_FALSE(fakes::Exists(dir / "errorlog.txt"));
}

TEST_F(LanguageReaderTest, EveryLookupReadsThePackAfresh) {
  Pack("[Language Pack]\r\n10=One\r\n");
  EXPECT_EQ(Lookup("10"), "One");
  Pack("[Language Pack]\r\n10=Two\r\n");
  EXPECT_EQ(Lookup("10"), "Two");
  WriteFile(dir / "Lang/Other.ini", "[Language Pack]\r\n10=Three\r\n");
  settings.LanguageFile = "Other.ini";
  EXPECT_EQ(Lookup("10"), "Three");
}

TEST_F(LanguageReaderTest, TwoLogEntriesEachBeginOnALineOfTheirOwn) {
  reader.WriteErrorLog("first \"quoted\"");
  clock.now.tm_sec = 8;
  reader.WriteErrorLog("second");
  EXPECT_EQ(ReadFile(dir / "errorlog.txt"),
            "\"\r\nDate: 11.12.2026\",\"Time: 09:05:07\",\"first \"quoted\"\"\r\n"
            "\"\r\nDate: 11.12.2026\",\"Time: 09:05:08\",\"second\"\r\n");
}

TEST_F(LanguageReaderTest, ALogThatCannotBeWrittenIsIgnored) {
  environment.programFolder = dir / "no-such-folder";
  reader.WriteErrorLog("lost");
  EXPECT_FALSE(fakes::Exists(dir / "no-such-folder"));
}

TEST_F(LanguageReaderTest, APackThatCannotBeReadIsLoggedAndGivesNoText) {
  // /proc/self/mem exists and opens, but reading it from its start fails.
  const int fd = open("/proc/self/mem", O_RDONLY);
  if (fd < 0) {
    GTEST_SKIP() << "/proc/self/mem cannot be opened here";
  }
  close(fd);
  Pack("");
  settings.LanguageFile = "../../../../../../../../../../../../../proc/self/mem";
  EXPECT_EQ(Lookup("10", "&File"), "");
  const std::string log = ReadFile(dir / "errorlog.txt");
  EXPECT_EQ(log.rfind("\"\r\nDate: 11.12.2026\",\"Time: 09:05:07\",\"Error Description: ", 0), 0u)
      << log;
  EXPECT_NE(log.find(", Error Number: 5, Method: SetCaptionfromINI\"\r\n"), std::string::npos)
      << log;
}

}  // namespace
}  // namespace tandrel
