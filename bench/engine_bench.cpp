// The real engine on the demo disc: the time from the snapshot hot key to the JPEG on disk, and
// the engine queries one tick makes while a disc plays.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "backends/vlc/vlc_engine.h"
#include "components/hot_keys.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

class Nothing : public ScreenSaver, public FullScreenControl {
 public:
  void Inhibit() override {}
  void UnInhibit() override {}
  void ToggleFullScreen() override {}
};

// An engine playing the demo film, with snapshots going to `folder`.
class PlayingEngine {
 public:
  explicit PlayingEngine(const std::string& folder)
      : engine(nothing, nothing, VlcEngine::Options{true}) {
    engine.QueueItem("dvd://" + std::string(TANDREL_DEMO_DIR) + "/DVD",
                     {"overlay", "overlay", "snapshot-path=" + folder, "no-disable-screensaver",
                      "snapshot-path=" + folder, "no-osd", "no-snapshot-preview",
                      "snapshot-sequential", "snapshot-prefix=IMG_", "snapshot-format=jpg"},
                     2, 0);
    engine.StartPlayback();
    // Out of the menu and into the film.
    for (int press = 0; press < 40 && engine.LengthSeconds() < 19; ++press) {
      SendHotKey(engine, hotkeys::kNavActivate, 'a');
      std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    while (!engine.LatestFrame()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  Nothing nothing;
  VlcEngine engine;
};

void BM_SnapshotToJpegOnDisk(benchmark::State& state) {
  fakes::TempDir folder;
  PlayingEngine playing(folder.path());
  for (auto _ : state) {
    SendHotKey(playing.engine, hotkeys::kSnapshot, 'S');
    // The file is complete once it carries its own name.
    benchmark::DoNotOptimize(std::filesystem::exists(playing.engine.LastSnapshot()));
  }
}
BENCHMARK(BM_SnapshotToJpegOnDisk)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_TickQueriesWhilePlaying(benchmark::State& state) {
  fakes::TempDir folder;
  PlayingEngine playing(folder.path());
  VideoEngine& engine = playing.engine;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.PlaybackPosition());
    benchmark::DoNotOptimize(engine.IsPlaying());
    benchmark::DoNotOptimize(engine.IsPlaying());
    benchmark::DoNotOptimize(engine.ElapsedSeconds());
    benchmark::DoNotOptimize(engine.LengthSeconds());
    benchmark::DoNotOptimize(engine.PlaybackPosition());
  }
}
BENCHMARK(BM_TickQueriesWhilePlaying)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tandrel

BENCHMARK_MAIN();
