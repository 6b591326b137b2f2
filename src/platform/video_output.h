#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tandrel {

// One decoded picture: 4 bytes a pixel in the order blue, green, red, unused (a native 32-bit
// 0xXXRRGGBB on little-endian machines), rows packed.
struct VideoFrame {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;
};

// The engine's pictures, for the window that shows them.
class VideoFrames {
 public:
  virtual ~VideoFrames() = default;
  // The picture shown last, or nothing while nothing is open.
  virtual std::shared_ptr<const VideoFrame> LatestFrame() const = 0;
  // Called, on the decoder's own thread, each time a new picture is there. One listener.
  virtual void SetFrameListener(std::function<void()> listener) = 0;
};

// Keeps the screen saver away while a disc plays.
class ScreenSaver {
 public:
  virtual ~ScreenSaver() = default;
  virtual void Inhibit() = 0;
  // Harmless when nothing is inhibited.
  virtual void UnInhibit() = 0;
};

// The picture's window between full screen and its place in the main window.
class FullScreenControl {
 public:
  virtual ~FullScreenControl() = default;
  virtual void ToggleFullScreen() = 0;
};

}  // namespace tandrel
