// The program's own cost of one 10 ms tick while a disc plays, against fakes that record
// nothing, so that what is measured is the tick itself.
#include <benchmark/benchmark.h>

#include "app/application.h"
#include "fakes/fake_platform.h"
#include "fakes/program_folder.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

void BM_TickWhilePlaying(benchmark::State& state) {
  fakes::TempDir programDir;
  fakes::TempDir tempDir;
  fakes::LayOutProgramFolder(programDir.path(), "[Language Pack]\r\n");
  fakes::WriteFile(programDir / "Config.cfg",
                   "English.ini\r\n/home/ann/Pictures\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
  fakes::FakePlatform fake;
  fake.environment.programFolder = programDir.path();
  fake.environment.variables["TEMP"] = tempDir.path();
  Application app(fake.platform);
  app.Start();
  fake.log.enabled = false;
  fake.engine.queued = 1;
  fake.engine.playing = true;
  fake.engine.length = 7120;

  MainForm& main = app.mainForm();
  int second = 0;
  for (auto _ : state) {
    fake.engine.elapsed = second;
    fake.engine.position = second / 7120.0;
    main.movieTimer_Timer();
    second = (second + 1) % 7120;
  }
  benchmark::DoNotOptimize(main.timeElapsed);
}
BENCHMARK(BM_TickWhilePlaying);

}  // namespace
}  // namespace tandrel

BENCHMARK_MAIN();
