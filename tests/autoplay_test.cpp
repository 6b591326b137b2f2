#include <gtest/gtest.h>

#include "fakes/fake_registry.h"
#include "options/registry_autoplay.h"

namespace tandrel {
namespace {

const std::string kAutoPlayKey =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AutoPlayHandlers\\"
    "EventHandlers\\PlayDVDMovieOnArrival";
const std::string kHandlerKey =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AutoPlayHandlers\\Handlers\\"
    "TandrelDVDMovieOnArrival";

class AutoPlay : public testing::Test {
 protected:
  AutoPlay() {
    registry.AddKey(kAutoPlayKey);
    registry.AddKey(kHandlerKey.substr(0, kHandlerKey.rfind('\\')));
    registry.SetString("HKCR\\DVD\\shell", "", "play");
  }
  bool Registered() const {
    return registry.HasKey("HKCR\\PlayWithKorvTandrel") || registry.HasKey(kHandlerKey) ||
           registry.HasKey("HKCR\\DVD\\shell\\PlayWithTandrel") ||
           registry.String(kAutoPlayKey, "TandrelDVDMovieOnArrival") != "<none>";
  }

  fakes::FakeRegistry registry;
  RegistryAutoPlay autoPlay{registry, "C:\\Apps\\Player"};
};

TEST_F(AutoPlay, BuildsItsValuesFromTheProgramFolder) {
  EXPECT_EQ(autoPlay.CommandValue(), "C:\\Apps\\Player\\Tandrel %1");
  EXPECT_EQ(autoPlay.IconValue(), "\"C:\\Apps\\Player\\Tandrel.exe\"");
}

TEST_F(AutoPlay, RegisteringWritesTheHandlerTheClassAndTheDefaultVerb) {
  autoPlay.RegisterAutoPlay(1);
  EXPECT_EQ(registry.String(kAutoPlayKey, "TandrelDVDMovieOnArrival"), "");
  EXPECT_EQ(registry.String(kHandlerKey, "Action"), "Play DVD");
  EXPECT_EQ(registry.String(kHandlerKey, "DefaultIcon"), "\"C:\\Apps\\Player\\Tandrel.exe\"");
  EXPECT_EQ(registry.String(kHandlerKey, "InvokeProgID"), "PlayWithKorvTandrel");
  EXPECT_EQ(registry.String(kHandlerKey, "InvokeVerb"), "Play");
  EXPECT_EQ(registry.String(kHandlerKey, "Provider"), "Brimwell Tandrel");
  EXPECT_EQ(registry.String("HKCR\\PlayWithKorvTandrel\\shell\\Play\\command", ""),
            "C:\\Apps\\Player\\Tandrel %1");
  EXPECT_EQ(registry.String("HKCR\\DVD\\shell\\PlayWithTandrel", ""), "Play With Tandrel");
  EXPECT_EQ(registry.String("HKCR\\DVD\\shell\\PlayWithTandrel\\command", ""),
            "C:\\Apps\\Player\\Tandrel %1");
  EXPECT_EQ(registry.String("HKCR\\DVD\\shell", ""), "PlayWithTandrel");
  EXPECT_EQ(registry.OpenKeys(), 0u);
  // The steps in their order.
  const std::vector<std::string> creates = {
      "RegCreateKey(HKCR\\PlayWithKorvTandrel)",
      "RegCreateKey(HKCR\\PlayWithKorvTandrel\\shell)",
      "RegCreateKey(HKCR\\PlayWithKorvTandrel\\shell\\Play)",
      "RegCreateKey(HKCR\\PlayWithKorvTandrel\\shell\\Play\\command)",
      "RegCreateKey(HKCR\\DVD\\shell\\PlayWithTandrel)",
      "RegCreateKey(HKCR\\DVD\\shell\\PlayWithTandrel\\command)",
      "RegOpenKey(HKCR\\DVD\\shell)"};
  size_t at = 0;
  for (const std::string& call : registry.calls) {
    if (at < creates.size() && call == creates[at]) {
      ++at;
    }
  }
  EXPECT_EQ(at, creates.size());
  EXPECT_EQ(registry.calls.front(), "RegOpenKey(" + kAutoPlayKey + ")");
}

TEST_F(AutoPlay, RegisteringTwiceDuplicatesNothing) {
  autoPlay.RegisterAutoPlay(1);
  const auto once = registry.keys;
  autoPlay.RegisterAutoPlay(-1);
  EXPECT_EQ(registry.keys.size(), once.size());
  for (const auto& [key, values] : once) {
    EXPECT_EQ(registry.keys.at(key).size(), values.size()) << key;
  }
}

TEST_F(AutoPlay, UnregisteringRemovesEverythingAndRestoresPlay) {
  const size_t keysBefore = registry.keys.size();
  autoPlay.RegisterAutoPlay(1);
  autoPlay.RegisterAutoPlay(0);
  EXPECT_FALSE(Registered());
  EXPECT_EQ(registry.String("HKCR\\DVD\\shell", ""), "play");
  EXPECT_EQ(registry.keys.size(), keysBefore);
  EXPECT_EQ(registry.OpenKeys(), 0u);
}

TEST_F(AutoPlay, UnregisteringWhatWasNeverRegisteredOnlyResetsTheVerb) {
  registry.keys.erase(
      "hklm\\software\\microsoft\\windows\\currentversion\\explorer\\"
      "autoplayhandlers\\eventhandlers\\playdvdmovieonarrival");
  registry.SetString("HKCR\\DVD\\shell", "", "PlayWithOther");
  autoPlay.RegisterAutoPlay(0);
  EXPECT_EQ(registry.String("HKCR\\DVD\\shell", ""), "play");
  EXPECT_TRUE(registry.HasKey(kAutoPlayKey));  // created on the way
  // Every step is tried: seven key deletions, the AutoPlay key's create, value deletion and
  // release, then the DVD class's open, set and release.
  EXPECT_EQ(registry.calls.size(), 13u);
}

TEST_F(AutoPlay, WithoutTheAutoPlayKeyNothingIsWritten) {
  fakes::FakeRegistry bare;
  RegistryAutoPlay other{bare, "C:\\Apps\\Player"};
  other.RegisterAutoPlay(1);
  EXPECT_EQ(bare.calls, std::vector<std::string>{"RegOpenKey(" + kAutoPlayKey + ")"});
  EXPECT_TRUE(bare.keys.empty());
}

TEST_F(AutoPlay, ARegistryThatRefusesEverythingIsSurvived) {
  for (const auto& [key, values] : registry.keys) {
    registry.refuseOpen.insert(key);
  }
  for (const char* key :
       {"hkcr\\playwithkorvtandrel", "hkcr\\playwithkorvtandrel\\shell",
        "hkcr\\playwithkorvtandrel\\shell\\play", "hkcr\\playwithkorvtandrel\\shell\\play\\command",
        "hkcr\\dvd\\shell\\playwithtandrel", "hkcr\\dvd\\shell\\playwithtandrel\\command"}) {
    registry.refuseOpen.insert(key);
  }
  autoPlay.RegisterAutoPlay(1);
  autoPlay.RegisterAutoPlay(0);
  EXPECT_EQ(registry.String("HKCR\\DVD\\shell", ""), "play");
}

}  // namespace
}  // namespace tandrel
