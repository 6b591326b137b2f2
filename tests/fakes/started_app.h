#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/application.h"
#include "fakes/fake_platform.h"
#include "fakes/program_folder.h"
#include "fakes/temp_dir.h"

namespace tandrel::fakes {

// A player that has gone through start-up against the fakes, idle, with an empty call log.
class StartedApp : public testing::Test {
 protected:
  static constexpr const char* kConfig =
      "English.ini\r\n/home/ann/Pictures\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";

  StartedApp() {
    LayOutProgramFolder(programDir.path(), "[Language Pack]\r\n");
    WriteFile(programDir / "Config.cfg", kConfig);
    fake.environment.programFolder = programDir.path();
    fake.environment.variables["TEMP"] = tempDir.path();
    fake.desktop.desktop = "/home/ann/Desktop";
    fake.windows.screenMovie.answers = {{"_width", "457"}, {"_height", "378"}};
    app.Start();
    fake.log.Clear();
  }

  MainForm& main() { return app.mainForm(); }
  DvdBarForm& bar() { return app.dvdBarForm(); }
  FakeMovie& skin() { return fake.windows.skinMovie; }
  FakeMovie& screen() { return fake.windows.screenMovie; }
  // The engine calls of the log, in order.
  std::vector<std::string> EngineCalls() const {
    std::vector<std::string> calls;
    for (const std::string& call : fake.log.calls()) {
      if (call.rfind("engine.", 0) == 0 || call.rfind("sleep", 0) == 0) {
        calls.push_back(call);
      }
    }
    return calls;
  }
  void Tick() { fake.timers.Fire(10); }

  TempDir programDir;
  TempDir tempDir;
  FakePlatform fake;
  Application app{fake.platform};
};

}  // namespace tandrel::fakes
