#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "backends/linux/linux_environment.h"
#include "backends/linux/linux_instance_guard.h"
#include "backends/linux/system_locale.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

TEST(LinuxInstanceGuard, SeesAnInstanceThatIsStillRunning) {
  fakes::TempDir dir;
  {
    LinuxInstanceGuard first(dir.path());
    EXPECT_FALSE(first.PreviousInstanceRunning());
    LinuxInstanceGuard second(dir.path());
    EXPECT_TRUE(second.PreviousInstanceRunning());
  }
  // Gone with its holder.
  LinuxInstanceGuard third(dir.path());
  EXPECT_FALSE(third.PreviousInstanceRunning());
}

TEST(LinuxInstanceGuard, TheMarkerIsHeldUnderItsName) {
  fakes::TempDir dir;
  LinuxInstanceGuard guard(dir.path());
  guard.CreateSingleInstanceMarker("BrimwellTandrel");
  EXPECT_TRUE(fakes::Exists(dir / "BrimwellTandrel.lock"));
  // A second copy's marker cannot be taken while the first holds it, and that is not an error.
  LinuxInstanceGuard other(dir.path());
  other.CreateSingleInstanceMarker("BrimwellTandrel");
}

TEST(SystemLocale, FormatsInTheNamedLocale) {
  SystemLocale locale("C");
  std::tm time{};
  time.tm_year = 2026 - 1900;
  time.tm_mon = 11;
  time.tm_mday = 11;
  time.tm_hour = 9;
  time.tm_min = 5;
  time.tm_sec = 7;
  EXPECT_EQ(locale.ShortDate(time), "12/11/26");
  EXPECT_EQ(locale.LongTime(time), "09:05:07");
  EXPECT_EQ(locale.DecimalSeparator(), ".");
  // An unknown locale falls back to the neutral one.
  EXPECT_EQ(SystemLocale("xx_NOWHERE.bogus").DecimalSeparator(), ".");
}

TEST(LinuxEnvironment, KnowsTheProgramFolderAndTheArguments) {
  const char* argv[] = {"tandrel", "/dev/sr0", "extra"};
  LinuxEnvironment environment(3, argv);
  EXPECT_EQ(environment.ProgramFolder(),
            std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
  EXPECT_EQ(environment.CommandLine(), "/dev/sr0 extra");
  EXPECT_EQ(LinuxEnvironment(1, argv).CommandLine(), "");
  EXPECT_FALSE(environment.SystemTempFolder().empty());
  EXPECT_NE(environment.SystemTempFolder().back(), '/');
}

}  // namespace
}  // namespace tandrel
