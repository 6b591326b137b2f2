#include "controlbar/hooking.h"

#include <gtest/gtest.h>

#include "fakes/fake_window_hooks.h"
#include "fakes/started_app.h"

namespace tandrel {
namespace {

using fakes::FakeWindowHooks;

constexpr NativeWindow kForm = 1;

class HookingTest : public testing::Test {
 protected:
  fakes::CallLog log;
  FakeWindowHooks hooks{log};
  Hooking hooking{hooks};

  std::vector<uint32_t> Received(NativeWindow window) {
    std::vector<uint32_t> messages;
    for (const WindowMessage& m : hooks.received[window]) {
      messages.push_back(m.message);
    }
    return messages;
  }
};

TEST_F(HookingTest, FindsTheFirstChildWhoseClassNameHoldsTheFlashPlayer) {
  const std::pair<const char*, bool> names[] = {
      {"MacromediaFlashPlayerActiveX", true},
      {"xxMACROMEDIAFLASHPLAYERyy", true},
      {"macromediaflashplayer", true},
      {"MacromediaFlash", false},
      {"Static", false},
  };
  for (const auto& [name, found] : names) {
    FakeWindowHooks tree{log};
    Hooking search{tree};
    tree.AddChild(kForm, "Button");
    const NativeWindow child = tree.AddChild(kForm, name);
    tree.AddChild(kForm, "MacromediaFlashPlayerActiveX (second)");
    const NativeWindow expected = found ? child : tree.children[kForm][2];
    EXPECT_EQ(search.FindFlashWindow(kForm), expected) << name;
    EXPECT_EQ(search.FlashWindowHandle, expected);
  }
}

TEST_F(HookingTest, TheSearchEndsWhenTheChildrenRunOut) {
  hooks.AddChild(kForm, "Button");
  hooks.AddChild(kForm, "Static");
  EXPECT_EQ(hooking.FindFlashWindow(kForm), 0u);
  EXPECT_EQ(hooking.FindFlashWindow(2), 0u);  // no children at all
  // Only the first 249 characters of a class name are read.
  hooks.AddChild(3, std::string(240, 'x') + "macromediaflashplayer");
  EXPECT_EQ(hooking.FindFlashWindow(3), 0u);
}

TEST_F(HookingTest, TheFilterHidesTheRightButtonAndTheMenuKeyOnly) {
  const NativeWindow movie = hooks.AddChild(kForm, "MacromediaFlashPlayerActiveX");
  hooking.HookScreenWindow(movie, true);
  const WindowMessage messages[] = {
      {wm::kRButtonDown, 0, 0},     {wm::kRButtonUp, 0, 0}, {wm::kKeyDown, wm::kVkApps, 0},
      {wm::kKeyUp, wm::kVkApps, 0}, {wm::kKeyDown, 'A', 0}, {wm::kLButtonDown, 0, 7},
  };
  for (const WindowMessage& message : messages) {
    hooks.Deliver(movie, message);
  }
  EXPECT_EQ(Received(movie),
            (std::vector<uint32_t>{wm::kRButtonUp, wm::kKeyUp, wm::kKeyDown, wm::kLButtonDown}));
  EXPECT_EQ(hooks.received[movie][3].lParam, 7);
}

TEST_F(HookingTest, RemovalRestoresTheOwnProcedureAndIsHarmlessWhenRepeated) {
  const NativeWindow skin = hooks.AddChild(kForm, "MacromediaFlashPlayerActiveX");
  hooking.HookSkinWindow(skin, false);  // never installed: nothing happens
  EXPECT_FALSE(log.Contains("hooks.Restore(MacromediaFlashPlayerActiveX)"));

  hooking.HookSkinWindow(skin, true);
  hooking.HookSkinWindow(skin, true);  // installed once only
  EXPECT_EQ(hooking.OldSkinWindowProc, FakeWindowHooks::Own(skin));
  hooking.HookSkinWindow(skin, false);
  hooking.HookSkinWindow(skin, false);
  EXPECT_EQ(hooks.Current(skin), FakeWindowHooks::Own(skin));
  EXPECT_EQ(hooking.OldSkinWindowProc, FakeWindowHooks::Own(skin));  // kept

  hooks.Deliver(skin, {wm::kRButtonDown, 0, 0});
  EXPECT_EQ(Received(skin), std::vector<uint32_t>{wm::kRButtonDown});
}

class FormHooks : public fakes::StartedApp {};

TEST_F(FormHooks, BothMoviesAreHookedFromStartUpAndReleasedAtUnload) {
  const NativeWindow screenView = fake.windows.MovieView("main");
  const NativeWindow skinView = fake.windows.MovieView("bar");
  fake.hooks.Deliver(screenView, {wm::kRButtonDown, 0, 0});
  fake.hooks.Deliver(skinView, {wm::kKeyDown, wm::kVkApps, 0});
  EXPECT_TRUE(fake.hooks.received[screenView].empty());
  EXPECT_TRUE(fake.hooks.received[skinView].empty());

  int cancel = 0;
  main().Form_Unload(cancel);
  main().StopHook();
  fake.hooks.Deliver(screenView, {wm::kRButtonDown, 0, 0});
  EXPECT_EQ(fake.hooks.received[screenView].size(), 1u);
  EXPECT_EQ(fake.hooks.Current(skinView), FakeWindowHooks::Own(skinView));
}

}  // namespace
}  // namespace tandrel
