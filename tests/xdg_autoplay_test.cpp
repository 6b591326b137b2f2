#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <thread>

#include "backends/linux/run_command.h"
#include "backends/linux/xdg_autoplay.h"
#include "fakes/fake_services.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

namespace fs = std::filesystem;
using fakes::Exists;
using fakes::ReadFile;
using fakes::WriteFile;

// Records each tool run; answers as a machine without the tool would, unless told otherwise.
class RecordingRunner : public CommandRunner {
 public:
  std::vector<std::vector<std::string>> calls;
  std::function<CommandResult(const std::vector<std::string>&)> answer =
      [](const std::vector<std::string>&) { return CommandResult{}; };

  CommandResult Run(const std::vector<std::string>& arguments) override {
    calls.push_back(arguments);
    return answer(arguments);
  }
};

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string LineStarting(const std::string& text, const std::string& prefix) {
  size_t at = text.rfind("\n" + prefix);
  if (at == std::string::npos) {
    return {};
  }
  ++at;
  return text.substr(at, text.find('\n', at) - at);
}

class XdgAutoPlayTest : public testing::Test {
 protected:
  XdgAutoPlayTest() {
    environment.variables["HOME"] = home / "home";
    environment.variables["XDG_DATA_HOME"] = home / "data";
    environment.variables["XDG_CONFIG_HOME"] = home / "config";
  }

  std::string Entry() const { return home / "data/applications/tandrel-autoplay.desktop"; }
  std::string Action() const { return home / "data/solid/actions/tandrel-play-dvd.desktop"; }
  std::string MimeApps() const { return home / "config/mimeapps.list"; }

  // The real gsettings, with a key file in this test's folder for the user's settings database.
  SpawnCommandRunner GSettings() const {
    return SpawnCommandRunner(
        {"GSETTINGS_BACKEND=keyfile", "XDG_CONFIG_HOME=" + (home / "config")});
  }
  // The real gio, knowing only the applications and defaults of this test's folder.
  SpawnCommandRunner Gio(std::vector<std::string> extra = {}) const {
    extra.insert(extra.end(),
                 {"XDG_DATA_HOME=" + (home / "data"), "XDG_CONFIG_HOME=" + (home / "config"),
                  "XDG_DATA_DIRS=" + (home / "none"), "XDG_CONFIG_DIRS=" + (home / "none")});
    return SpawnCommandRunner(extra);
  }

  fakes::TempDir home;
  fakes::FakeEnvironment environment;
  RecordingRunner runner;
};

TEST_F(XdgAutoPlayTest, WritesTheEntryAndTheSolidActionThenTakesOnlyThemAway) {
  WriteFile(home / "data/applications/vlc.desktop", "[Desktop Entry]\nName=VLC\n");
  WriteFile(home / "data/solid/actions/other.desktop", "[Desktop Entry]\n");
  XdgAutoPlay autoPlay("/opt/Tandrel Player/tandrel", environment, runner);

  autoPlay.RegisterAutoPlay(1);
  EXPECT_EQ(ReadFile(Entry()),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Tandrel\n"
            "TryExec=/opt/Tandrel Player/tandrel\n"
            "Exec=\"/opt/Tandrel Player/tandrel\" %u\n"
            "MimeType=x-content/video-dvd;\n"
            "NoDisplay=true\n"
            "Terminal=false\n");
  EXPECT_EQ(ReadFile(Action()),
            "[Desktop Entry]\n"
            "Type=Service\n"
            "X-KDE-Solid-Predicate=[ StorageVolume.ignored == false AND "
            "OpticalDisc.availableContent & 'VideoDvd' ]\n"
            "Actions=tandrel-play-dvd;\n"
            "\n"
            "[Desktop Action tandrel-play-dvd]\n"
            "Name=Play DVD with Tandrel\n"
            "Icon=media-optical\n"
            "Exec=\"/opt/Tandrel Player/tandrel\" %d\n");
  // Written whole and renamed into place: no temporary file is left behind.
  EXPECT_EQ(Names(home / "data/applications"),
            (std::vector<std::string>{"tandrel-autoplay.desktop", "vlc.desktop"}));
  EXPECT_EQ(Names(home / "config"), std::vector<std::string>{"mimeapps.list"});
  struct stat status {};
  ASSERT_EQ(stat(Entry().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0644u);

  autoPlay.RegisterAutoPlay(0);
  EXPECT_FALSE(Exists(Entry()));
  EXPECT_FALSE(Exists(Action()));
  EXPECT_EQ(Names(home / "data/applications"), std::vector<std::string>{"vlc.desktop"});
  EXPECT_EQ(Names(home / "data/solid/actions"), std::vector<std::string>{"other.desktop"});
}

TEST_F(XdgAutoPlayTest, QuotesTheProgramForTheExecKey) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"/usr/bin/tandrel", "Exec=/usr/bin/tandrel %u", "TryExec=/usr/bin/tandrel"},
      {"/opt/\"q\" $x `b`/t", R"(Exec="/opt/\\"q\\" \\$x \\`b\\`/t" %u)",
       "TryExec=/opt/\"q\" $x `b`/t"},
      {"/opt/a\\b/t", R"(Exec="/opt/a\\\\b/t" %u)", R"(TryExec=/opt/a\\b/t)"},
      {"/opt/100%/t", "Exec=\"/opt/100%%/t\" %u", "TryExec=/opt/100%/t"},
      {"/opt/Spieler's – ä/t", "Exec=\"/opt/Spieler's – ä/t\" %u", "TryExec=/opt/Spieler's – ä/t"},
      {"/opt/two\nlines/t", R"(Exec="/opt/two\nlines/t" %u)", R"(TryExec=/opt/two\nlines/t)"},
  };
  for (const auto& [executable, exec, tryExec] : cases) {
    XdgAutoPlay(executable, environment, runner).RegisterAutoPlay(1);
    const std::string entry = ReadFile(Entry());
    EXPECT_EQ(LineStarting(entry, "Exec="), exec) << executable;
    EXPECT_EQ(LineStarting(entry, "TryExec="), tryExec) << executable;
    EXPECT_EQ(LineStarting(ReadFile(Action()), "Exec="),
              std::string(exec).substr(0, std::string(exec).size() - 2) + "%d");
  }
}

// GLib reads the entry and the default as a GNOME desktop would, and starts the program with the
// disc; a program path full of characters that mean something to a shell must survive that.
// ('%' is left out: GLib looks for the program before it undoes the doubling.)
TEST_F(XdgAutoPlayTest, GlibFindsTheDefaultAndStartsTheProgram) {
  SpawnCommandRunner gio = Gio();
  if (!gio.Run({"gio", "version"}).Succeeded()) {
    GTEST_SKIP() << "gio is not installed";
  }
  const std::string folder = home / "bin/Tandrel \"DVD\" $HOME \\ `x` ä's";
  const std::string program = folder + "/tandrel player";
  WriteFile(program,
            "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$TANDREL_OUT.tmp\"\n"
            "mv \"$TANDREL_OUT.tmp\" \"$TANDREL_OUT\"\n");
  fs::permissions(program, fs::perms::owner_all);
  XdgAutoPlay autoPlay(program, environment, runner);

  autoPlay.RegisterAutoPlay(1);
  EXPECT_EQ(
      gio.Run({"gio", "mime", "x-content/video-dvd"})
          .output.find("Default application for “x-content/video-dvd”: tandrel-autoplay.desktop"),
      0u);
  const std::string out = home / "launched";
  ASSERT_TRUE(Gio({"TANDREL_OUT=" + out}).Run({"gio", "launch", Entry(), "/dev/sr0"}).Succeeded());
  for (int i = 0; i < 100 && !Exists(out); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_EQ(ReadFile(out), program + "\n/dev/sr0\n");

  autoPlay.RegisterAutoPlay(0);
  EXPECT_EQ(gio.Run({"gio", "mime", "x-content/video-dvd"}).output.find("No default"), 0u);
}

TEST_F(XdgAutoPlayTest, XdgMimeNamesTheDefaultAndGivesAnotherProgramsBack) {
  SpawnCommandRunner xdg = Gio({"XDG_CURRENT_DESKTOP=X-Generic", "HOME=" + (home / "home")});
  if (!xdg.Run({"sh", "-c", "command -v xdg-mime"}).Succeeded()) {
    GTEST_SKIP() << "xdg-mime is not installed (xdg-utils)";
  }
  WriteFile(home / "data/applications/other-player.desktop",
            "[Desktop Entry]\nType=Application\nName=Other\nExec=true %u\n"
            "MimeType=x-content/video-dvd;\n");
  WriteFile(MimeApps(), "[Default Applications]\nx-content/video-dvd=other-player.desktop\n");
  const std::vector<std::string> query = {"xdg-mime", "query", "default", "x-content/video-dvd"};
  WriteFile(home / "bin/tandrel", "#!/bin/sh\n");
  fs::permissions(home / "bin/tandrel", fs::perms::owner_all);
  XdgAutoPlay autoPlay(home / "bin/tandrel", environment, runner);
  autoPlay.RegisterAutoPlay(1);
  EXPECT_EQ(xdg.Run(query).output, "tandrel-autoplay.desktop\n");
  autoPlay.RegisterAutoPlay(0);
  EXPECT_EQ(xdg.Run(query).output, "other-player.desktop\n");
}

struct MimeAppsCase {
  const char* name;
  std::optional<std::string> before;  // nothing: no file yet
  std::string registered;
  std::string unregistered;
};

TEST_F(XdgAutoPlayTest, MakesItselfTheDefaultAndLeavesEveryOtherLine) {
  const std::string kOurs = "x-content/video-dvd=tandrel-autoplay.desktop;\n";
  const std::string kOthers =
      "# kept by hand\n"
      "[Added Associations]\n"
      "x-content/video-dvd=vlc.desktop;\n"
      "\n"
      "[Default Applications]\n"
      "video/mp4=mpv.desktop\n"
      "x-content/video-dvd = vlc.desktop;totem.desktop\n"
      "\n"
      "[Removed Associations]\n"
      "x-content/video-dvd=tandrel-autoplay.desktop;\n";
  const std::string kNoKey =
      "[Default Applications]\n"
      "text/plain=gedit.desktop;\n"
      "\n"
      "# browsers\n"
      "[Added Associations]\n"
      "x-content/video-dvd=vlc.desktop;\n";
  const MimeAppsCase cases[] = {
      {"no file", std::nullopt, "[Default Applications]\n" + kOurs, "[Default Applications]\n"},
      {"another program's default", kOthers,
       "# kept by hand\n"
       "[Added Associations]\n"
       "x-content/video-dvd=vlc.desktop;\n"
       "\n"
       "[Default Applications]\n"
       "video/mp4=mpv.desktop\n"
       "x-content/video-dvd = tandrel-autoplay.desktop;vlc.desktop;totem.desktop\n"
       "\n"
       "[Removed Associations]\n"
       "x-content/video-dvd=tandrel-autoplay.desktop;\n",
       kOthers},
      {"group without the type", kNoKey,
       "[Default Applications]\n"
       "text/plain=gedit.desktop;\n" +
           kOurs +
           "\n"
           "# browsers\n"
           "[Added Associations]\n"
           "x-content/video-dvd=vlc.desktop;\n",
       kNoKey},
      {"no group, no final newline", "[Added Associations]\ntext/html=firefox.desktop;",
       "[Added Associations]\ntext/html=firefox.desktop;\n\n[Default Applications]\n" + kOurs,
       "[Added Associations]\ntext/html=firefox.desktop;\n\n[Default Applications]\n"},
      {"ours behind another",
       "[Default Applications]\nx-content/video-dvd=vlc.desktop;tandrel-autoplay.desktop;\n",
       "[Default Applications]\nx-content/video-dvd=tandrel-autoplay.desktop;vlc.desktop;\n",
       "[Default Applications]\nx-content/video-dvd=vlc.desktop;\n"},
      {"ours already first",
       "[Default Applications]\nx-content/video-dvd=tandrel-autoplay.desktop;mpv.desktop\n",
       "[Default Applications]\nx-content/video-dvd=tandrel-autoplay.desktop;mpv.desktop\n",
       "[Default Applications]\nx-content/video-dvd=mpv.desktop\n"},
  };
  for (const MimeAppsCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::error_code ignored;
    fs::remove(MimeApps(), ignored);
    if (c.before) {
      WriteFile(MimeApps(), *c.before);
    }
    XdgAutoPlay autoPlay("/usr/bin/tandrel", environment, runner);
    autoPlay.RegisterAutoPlay(1);
    EXPECT_EQ(ReadFile(MimeApps()), c.registered);
    autoPlay.RegisterAutoPlay(-1);
    EXPECT_EQ(ReadFile(MimeApps()), c.registered) << "registered twice";
    autoPlay.RegisterAutoPlay(0);
    EXPECT_EQ(ReadFile(MimeApps()), c.unregistered);
    autoPlay.RegisterAutoPlay(0);
    EXPECT_EQ(ReadFile(MimeApps()), c.unregistered) << "unregistered twice";
  }
}

TEST_F(XdgAutoPlayTest, WritesALinkedListWhereItLives) {
  WriteFile(home / "dotfiles/mimeapps.list", "[Default Applications]\n");
  fs::create_directories(home / "config");
  fs::create_symlink(home / "dotfiles/mimeapps.list", MimeApps());
  XdgAutoPlay("/usr/bin/tandrel", environment, runner).RegisterAutoPlay(1);
  EXPECT_TRUE(fs::is_symlink(MimeApps()));
  EXPECT_EQ(ReadFile(home / "dotfiles/mimeapps.list"),
            "[Default Applications]\nx-content/video-dvd=tandrel-autoplay.desktop;\n");
}

TEST_F(XdgAutoPlayTest, DoesNothingWithoutItsFolders) {
  environment.variables.clear();
  environment.variables["XDG_DATA_HOME"] = "relative/data";
  XdgAutoPlay("/usr/bin/tandrel", environment, runner).RegisterAutoPlay(1);
  EXPECT_TRUE(runner.calls.empty());
  EXPECT_FALSE(Exists("relative"));
}

TEST_F(XdgAutoPlayTest, ChangesNoGnomeSettingThatCannotBeChanged) {
  const CommandResult answers[] = {
      {-1, ""},        // no gsettings
      {1, ""},         // no such schema
      {0, "false\n"},  // locked by the administrator
  };
  for (const CommandResult& writable : answers) {
    runner.calls.clear();
    runner.answer = [&](const std::vector<std::string>& arguments) {
      return arguments[1] == "writable" ? writable : CommandResult{0, "@as []\n"};
    };
    XdgAutoPlay autoPlay("/usr/bin/tandrel", environment, runner);
    autoPlay.RegisterAutoPlay(1);
    EXPECT_EQ(runner.calls, (std::vector<std::vector<std::string>>{
                                {"gsettings", "writable", "org.gnome.desktop.media-handling",
                                 "autorun-x-content-start-app"}}));
    runner.calls.clear();
    autoPlay.RegisterAutoPlay(0);
    EXPECT_TRUE(runner.calls.empty()) << "nothing was added, so nothing is taken away";
  }
}

const std::string kSchema = "org.gnome.desktop.media-handling";

class GnomeMediaHandling : public XdgAutoPlayTest {
 protected:
  void SetUp() override {
    if (tools.Run({"gsettings", "list-schemas"}).output.find(kSchema + "\n") == std::string::npos) {
      GTEST_SKIP() << kSchema << " is not installed (gsettings-desktop-schemas)";
    }
  }

  std::string StartApps() {
    return tools.Run({"gsettings", "get", kSchema, "autorun-x-content-start-app"}).output;
  }

  SpawnCommandRunner tools = GSettings();
  XdgAutoPlay autoPlay{"/usr/bin/tandrel", environment, tools};
};

TEST_F(GnomeMediaHandling, StartsThePlayerForDvdsUntilUnregistered) {
  ASSERT_TRUE(tools
                  .Run({"gsettings", "set", kSchema, "autorun-x-content-start-app",
                        "['x-content/unix-software', 'x-content/image-dcf']"})
                  .Succeeded());
  autoPlay.RegisterAutoPlay(1);
  autoPlay.RegisterAutoPlay(1);
  EXPECT_EQ(StartApps(),
            "['x-content/unix-software', 'x-content/image-dcf', 'x-content/video-dvd']\n");
  autoPlay.RegisterAutoPlay(0);
  EXPECT_EQ(StartApps(), "['x-content/unix-software', 'x-content/image-dcf']\n");

  ASSERT_TRUE(
      tools.Run({"gsettings", "set", kSchema, "autorun-x-content-start-app", "[]"}).Succeeded());
  autoPlay.RegisterAutoPlay(1);
  EXPECT_EQ(StartApps(), "['x-content/video-dvd']\n");
  autoPlay.RegisterAutoPlay(0);
  EXPECT_EQ(StartApps(), "@as []\n");
}

TEST_F(GnomeMediaHandling, LeavesAChoiceTheUserHadMade) {
  const std::string chosen = "['x-content/video-dvd', 'x-content/unix-software']\n";
  ASSERT_TRUE(
      tools.Run({"gsettings", "set", kSchema, "autorun-x-content-start-app", chosen}).Succeeded());
  const std::string ignored = "['x-content/video-dvd']\n";
  ASSERT_TRUE(
      tools.Run({"gsettings", "set", kSchema, "autorun-x-content-ignore", ignored}).Succeeded());
  autoPlay.RegisterAutoPlay(1);
  autoPlay.RegisterAutoPlay(1);
  autoPlay.RegisterAutoPlay(0);
  EXPECT_EQ(StartApps(), chosen);
  EXPECT_EQ(tools.Run({"gsettings", "get", kSchema, "autorun-x-content-ignore"}).output, ignored);
}

}  // namespace
}  // namespace tandrel
