#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "backends/linux/desktop_wallpaper.h"
#include "backends/linux/run_command.h"
#include "backends/linux/xdg_desktop_settings.h"
#include "fakes/fake_services.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

using Calls = std::vector<std::vector<std::string>>;

// Records each tool run and answers as a desktop where every tool is present and willing.
class RecordingRunner : public CommandRunner {
 public:
  Calls calls;
  std::string xfceProperties;
  std::function<bool(const std::vector<std::string>&)> fails = [](const auto&) { return false; };

  CommandResult Run(const std::vector<std::string>& arguments) override {
    calls.push_back(arguments);
    if (fails(arguments)) {
      return {};
    }
    if (arguments[0] == "gsettings" && arguments[1] == "writable") {
      return {0, "true\n"};
    }
    if (arguments[0] == "xfconf-query" && arguments.back() == "-l") {
      return {0, xfceProperties};
    }
    return {0, ""};
  }
};

const std::string kBitmap = "/home/ann/.local/share/backgrounds/Tandrel-Wallpaper.bmp";
const std::string kUri = "'file://" + kBitmap + "'";

Calls GSettingsCalls(const std::string& schema, const std::string& options,
                     const std::vector<std::string>& pictureKeys, const std::string& picture) {
  Calls calls{{"gsettings", "writable", schema, pictureKeys[0]},
              {"gsettings", "set", schema, "picture-options", "'" + options + "'"}};
  for (const std::string& key : pictureKeys) {
    calls.push_back({"gsettings", "set", schema, key, picture});
  }
  return calls;
}

Calls XfceCalls(const std::string& style, const std::string& path) {
  Calls calls{{"xfconf-query", "-c", "xfce4-desktop", "-l"}};
  for (const char* backdrop : {"/backdrop/screen0/monitorHDMI-1/workspace0",
                               "/backdrop/screen0/monitoreDP-1/workspace3"}) {
    calls.push_back({"xfconf-query", "-c", "xfce4-desktop", "-p",
                     std::string(backdrop) + "/image-style", "-n", "-t", "int", "-s", style});
    calls.push_back({"xfconf-query", "-c", "xfce4-desktop", "-p",
                     std::string(backdrop) + "/last-image", "-s", path});
  }
  return calls;
}

class DesktopWallpaperTest : public testing::Test {
 protected:
  DesktopWallpaperTest() {
    runner.xfceProperties =
        "/backdrop/screen0/monitor0/image-path\n"
        "/backdrop/screen0/monitorHDMI-1/workspace0/color-style\n"
        "/backdrop/screen0/monitorHDMI-1/workspace0/last-image\n"
        "/backdrop/screen0/monitoreDP-1/workspace3/last-image\n"
        "/backdrop/screen0/monitoreDP-1/workspace3/last-image-old\n"
        "/backdrop/screen0/workspace0/last-image\n"
        "/desktop-icons/style\n";
  }

  bool Apply(const std::string& desktops, const std::string& path, int16_t style) {
    environment.variables["XDG_CURRENT_DESKTOP"] = desktops;
    runner.calls.clear();
    return ApplyDesktopWallpaper(environment, runner, path, style);
  }

  fakes::FakeEnvironment environment;
  RecordingRunner runner;
};

TEST_F(DesktopWallpaperTest, EachDesktopGetsItsOwnSetting) {
  const std::string gnome = "org.gnome.desktop.background";
  const std::string cinnamon = "org.cinnamon.desktop.background";
  const std::tuple<const char*, int16_t, Calls> cases[] = {
      {"GNOME", 0, GSettingsCalls(gnome, "centered", {"picture-uri", "picture-uri-dark"}, kUri)},
      {"ubuntu:GNOME", 1,
       GSettingsCalls(gnome, "wallpaper", {"picture-uri", "picture-uri-dark"}, kUri)},
      {"Budgie:GNOME", 2,
       GSettingsCalls(gnome, "stretched", {"picture-uri", "picture-uri-dark"}, kUri)},
      {"Unity", 0, GSettingsCalls(gnome, "centered", {"picture-uri", "picture-uri-dark"}, kUri)},
      {"Pantheon", 0, GSettingsCalls(gnome, "centered", {"picture-uri", "picture-uri-dark"}, kUri)},
      {"X-Cinnamon", 1, GSettingsCalls(cinnamon, "wallpaper", {"picture-uri"}, kUri)},
      {"MATE", 2,
       GSettingsCalls("org.mate.background", "stretched", {"picture-filename"},
                      "'" + kBitmap + "'")},
      {"XFCE", 0, XfceCalls("1", kBitmap)},
      {"xfce", 1, XfceCalls("2", kBitmap)},
      {"XFCE", 2, XfceCalls("3", kBitmap)},
  };
  for (const auto& [desktops, style, calls] : cases) {
    EXPECT_TRUE(Apply(desktops, kBitmap, style)) << desktops;
    EXPECT_EQ(runner.calls, calls) << desktops << " " << style;
  }
}

TEST_F(DesktopWallpaperTest, PlasmaRunsAScriptOverEveryDesktop) {
  EXPECT_TRUE(Apply("KDE", kBitmap, 0));
  const std::string script =
      "var all = desktops();\n"
      "for (var i = 0; i < all.length; i++) {\n"
      "  var d = all[i];\n"
      "  d.wallpaperPlugin = \"org.kde.image\";\n"
      "  d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
      "  d.writeConfig(\"FillMode\", 6);\n"
      "  d.writeConfig(\"Image\", \"file://" +
      kBitmap +
      "\");\n"
      "}\n";
  EXPECT_EQ(runner.calls, (Calls{{"dbus-send", "--session", "--print-reply", "--reply-timeout=5000",
                                  "--dest=org.kde.plasmashell", "/PlasmaShell",
                                  "org.kde.PlasmaShell.evaluateScript", "string:" + script}}));

  // Tiled and stretched are the Tile and Stretch fill modes of a Qt Quick Image.
  for (const auto& [style, fillMode] : {std::pair<int16_t, const char*>{1, "3"}, {2, "0"}}) {
    EXPECT_TRUE(Apply("KDE", kBitmap, style));
    ASSERT_EQ(runner.calls.size(), 1u);
    EXPECT_NE(
        runner.calls[0].back().find(std::string("d.writeConfig(\"FillMode\", ") + fillMode + ");"),
        std::string::npos)
        << style;
  }
}

TEST_F(DesktopWallpaperTest, PathsReachEveryDesktopIntact) {
  // Blanks, both quotes, a backslash, a percent sign and non-ASCII letters: no shell sees the
  // path, URIs carry it percent-encoded, gsettings gets it as a GVariant string.
  const std::string path = "/home/ann/My \"Snaps\"/Tandrel's \\ Wallpäper 100%.bmp";
  const std::string uri =
      "file:///home/ann/My%20%22Snaps%22/Tandrel%27s%20%5C%20Wallp%C3%A4per%20100%25.bmp";
  EXPECT_EQ(FileUri(path), uri);

  Apply("GNOME", path, 0);
  EXPECT_EQ(runner.calls[2].back(), "'" + uri + "'");
  Apply("MATE", path, 0);
  EXPECT_EQ(runner.calls[2].back(), R"('/home/ann/My "Snaps"/Tandrel\'s \\ Wallpäper 100%.bmp')");
  Apply("XFCE", path, 0);
  EXPECT_EQ(runner.calls[2].back(), path);
  Apply("KDE", path, 0);
  EXPECT_NE(runner.calls[0].back().find("d.writeConfig(\"Image\", \"" + uri + "\");"),
            std::string::npos);
}

TEST_F(DesktopWallpaperTest, TriesTheNamedDesktopsInTurnAndIsSilentWhenNoneAnswers) {
  struct Case {
    const char* desktops;
    const char* session;
    std::function<bool(const std::vector<std::string>&)> fails;
    std::vector<std::string> tools;  // the first two words of each call
    bool applied;
  };
  auto none = [](const auto&) { return false; };
  auto tool = [](const char* name) {
    return [name](const std::vector<std::string>& arguments) { return arguments[0] == name; };
  };
  auto noGsettingsSchema = [](const std::vector<std::string>& arguments) {
    return arguments[0] == "gsettings" && arguments[1] == "writable";
  };
  const Case cases[] = {
      {"KDE", "", tool("dbus-send"), {"dbus-send --session", "qdbus org.kde.plasmashell"}, true},
      {"KDE",
       "",
       [](const auto&) { return true; },
       {"dbus-send --session", "qdbus org.kde.plasmashell"},
       false},
      {"XFCE:GNOME",
       "",
       tool("xfconf-query"),
       {"xfconf-query -c", "gsettings writable", "gsettings set", "gsettings set", "gsettings set"},
       true},
      // Named twice, asked once.
      {"Budgie:GNOME", "", noGsettingsSchema, {"gsettings writable"}, false},
      {"", "plasmawayland", none, {"dbus-send --session"}, true},
      {"sway", "mate", none, {"gsettings writable", "gsettings set", "gsettings set"}, true},
      {"sway", "", none, {}, false},
      {"", "", none, {}, false},
  };
  for (const Case& c : cases) {
    environment.variables["DESKTOP_SESSION"] = c.session;
    runner.fails = c.fails;
    EXPECT_EQ(Apply(c.desktops, kBitmap, 0), c.applied) << c.desktops << "/" << c.session;
    std::vector<std::string> tools;
    for (const auto& call : runner.calls) {
      tools.push_back(call[0] + " " + call[1]);
    }
    EXPECT_EQ(tools, c.tools) << c.desktops << "/" << c.session;
  }
}

TEST_F(DesktopWallpaperTest, XfceWithoutABackdropHasNotAnswered) {
  runner.xfceProperties = "/desktop-icons/style\n";
  EXPECT_FALSE(Apply("XFCE", kBitmap, 0));
  EXPECT_EQ(runner.calls.size(), 1u);
}

// GNOME's real setting through the real gsettings, with a key file in a temporary folder in place
// of the user's settings database; GLib must find the very file again from the URI read back.
TEST(GnomeWallpaper, TheDesktopReadsThePictureBack) {
  fakes::TempDir home;
  SpawnCommandRunner tools({"GSETTINGS_BACKEND=keyfile", "XDG_CONFIG_HOME=" + (home / "config")});
  const std::string schema = "org.gnome.desktop.background";
  if (tools.Run({"gsettings", "list-schemas"}).output.find(schema + "\n") == std::string::npos) {
    GTEST_SKIP() << schema << " is not installed (gsettings-desktop-schemas)";
  }
  const std::string bitmap = home / "backgrounds/My \"Snaps\" 100%/Tandrel's Wallpäper.bmp";
  fakes::WriteFile(bitmap, "BM-picture");
  fakes::FakeEnvironment environment;
  environment.variables["XDG_CURRENT_DESKTOP"] = "ubuntu:GNOME";
  XdgDesktopSettings desktop(environment, &tools);

  desktop.SetWallpaper(bitmap, 1);
  const std::string uri = tools.Run({"gsettings", "get", schema, "picture-uri"}).output;
  EXPECT_EQ(uri, "'" + FileUri(bitmap) + "'\n");
  EXPECT_EQ(tools.Run({"gsettings", "get", schema, "picture-uri-dark"}).output, uri);
  EXPECT_EQ(tools.Run({"gsettings", "get", schema, "picture-options"}).output, "'wallpaper'\n");
  const CommandResult info =
      tools.Run({"gio", "info", "-a", "standard::size", uri.substr(1, uri.size() - 3)});
  if (info.status != -1) {
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.output.find("standard::size: 10\n"), std::string::npos) << info.output;
  }

  desktop.SetWallpaper(bitmap, 2);
  EXPECT_EQ(tools.Run({"gsettings", "get", schema, "picture-options"}).output, "'stretched'\n");
}

TEST(SpawnCommandRunner, PassesArgumentsAsTheyAreAndReturnsStatusAndOutput) {
  SpawnCommandRunner runner;
  const CommandResult printed = runner.Run({"printf", "%s|", "a b", "'q' \"d\"", "$HOME", "*", ""});
  EXPECT_EQ(printed.status, 0);
  EXPECT_EQ(printed.output, "a b|'q' \"d\"|$HOME|*||");
  EXPECT_EQ(runner.Run({"sh", "-c", "echo out; echo err >&2; exit 3"}).status, 3);
  EXPECT_EQ(runner.Run({"sh", "-c", "echo out; echo err >&2; exit 3"}).output, "out\n");
  EXPECT_EQ(runner.Run({"sh", "-c", "kill -TERM $$"}).status, -1);
  // More than a pipe holds at once.
  const std::string zeros = runner.Run({"head", "-c", "300000", "/dev/zero"}).output;
  EXPECT_EQ(zeros.size(), 300000u);
  EXPECT_EQ(zeros.find_first_not_of(std::string(1, 0)), std::string::npos);
}

TEST(SpawnCommandRunner, ReportsAToolThatCannotStart) {
  SpawnCommandRunner runner;
  EXPECT_EQ(runner.Run({"tandrel-no-such-tool"}).status, -1);
  EXPECT_EQ(runner.Run({""}).status, -1);
  EXPECT_EQ(runner.Run({}).status, -1);
}

TEST(SpawnCommandRunner, AddsItsEnvironmentToThePlayers) {
  SpawnCommandRunner runner({"TANDREL_PROBE=x=y z", "HOME=/elsewhere"});
  EXPECT_EQ(
      runner.Run({"sh", "-c", "printf '%s|%s|%s' \"$TANDREL_PROBE\" \"$HOME\" \"$PATH\""}).output,
      std::string("x=y z|/elsewhere|") + std::getenv("PATH"));
}

TEST(SpawnCommandRunner, NeitherHangsOnAToolNorOnWhatItLeftRunning) {
  using std::chrono::steady_clock;
  SpawnCommandRunner runner({}, std::chrono::milliseconds(300));
  steady_clock::time_point start = steady_clock::now();
  EXPECT_EQ(runner.Run({"sleep", "20"}).status, -1);
  EXPECT_LT(steady_clock::now() - start, std::chrono::seconds(5));

  // The helper it started keeps the output pipe open; the tool's own end is what counts.
  start = steady_clock::now();
  const CommandResult started = runner.Run({"sh", "-c", "sleep 2 & echo started"});
  EXPECT_LT(steady_clock::now() - start, std::chrono::milliseconds(1500));
  EXPECT_EQ(started.status, 0);
  EXPECT_EQ(started.output, "started\n");
}

}  // namespace
}  // namespace tandrel
