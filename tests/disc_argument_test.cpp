#include <gtest/gtest.h>

#include <filesystem>

#include "backends/linux/disc_argument.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

namespace fs = std::filesystem;
using fakes::TempDir;
using fakes::WriteFile;

class DiscArgumentTest : public testing::Test {
 protected:
  DiscArgumentTest() {
    const std::string& r = root.path();
    fs::create_directories(r + "/media/ann/MY DVD/VIDEO_TS");
    fs::create_directories(r + "/media/ann/A\\B");
    fs::create_directories(r + "/media/ann/Data");
    fs::create_directories(r + "/usb/VIDEO_TS");
    fs::create_directories(r + "/stacked");
    fs::create_directories(r + "/Plain");
    WriteFile(r + "/Film/VIDEO_TS/VIDEO_TS.IFO", "x");
    WriteFile(r + "/Movie Ä.iso", "x");
    fs::create_directory_symlink(r + "/media/ann/MY DVD", r + "/link");
    // Blanks and backslashes are octal escapes in the mount table; optional fields (shared:,
    // master:) come before the "-" that ends them. '@' stands for the test's folder.
    std::string table;
    for (const char* line : {
             "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw",
             "95 22 11:0 / @/media/ann/MY\\040DVD ro,nosuid shared:50 - udf /dev/sr0 ro",
             "96 22 11:1 / @/media/ann/A\\134B ro,relatime - iso9660 /dev/sr1 ro",
             "97 22 11:2 / @/media/ann/Data ro - iso9660 /dev/cdrom ro",
             "98 22 8:17 / @/usb rw shared:60 master:2 - vfat /dev/sdb1 rw",
             "99 22 11:0 / @/stacked ro - udf /dev/sr0 ro",
             "100 99 0:50 / @/stacked rw - tmpfs tmpfs rw",
         }) {
      std::string text = line;
      if (const size_t at = text.find('@'); at != std::string::npos) {
        text.replace(at, 1, r);
      }
      table += text + "\n";
    }
    WriteFile(mountinfo, table);
  }

  TempDir root;
  const std::string mountinfo = root / "mountinfo";
};

TEST_F(DiscArgumentTest, NamesTheDriveOfAMountedDiscAndTheFullPathOfAFolderOrImage) {
  const std::string r = root.path();
  const std::string relativeFilm = fs::relative(r + "/Film", fs::current_path()).string();
  struct Case {
    std::string argument;
    std::string text;
    bool folderOrImage;
  };
  const Case cases[] = {
      {"", "", false},
      {"/dev/sr0", "/dev/sr0", false},
      {r + "/media/ann/MY DVD", "/dev/sr0", false},
      {r + "/media/ann/MY DVD/", "/dev/sr0", false},
      {r + "/media/ann/MY DVD/VIDEO_TS", "/dev/sr0", false},
      {r + "/link", "/dev/sr0", false},
      {"file://" + r + "/media/ann/MY%20DVD", "/dev/sr0", false},
      {"FILE://localhost" + r + "/media/ann/MY%20DVD/", "/dev/sr0", false},
      {r + "/media/ann/A\\B", "/dev/sr1", false},
      {"file://" + r + "/media/ann/A%5cB", "/dev/sr1", false},
      // The kernel's CD-ROM major, whatever name the disc was mounted by.
      {r + "/media/ann/Data", "/dev/cdrom", false},
      // A DVD copied to a stick is a folder like any other.
      {r + "/usb", r + "/usb", true},
      {r + "/Film", r + "/Film", true},
      {relativeFilm, r + "/Film", true},
      {r + "/Film/./VIDEO_TS/", r + "/Film/VIDEO_TS", true},
      {"file://" + r + "/Movie%20%C3%84.iso", r + "/Movie Ä.iso", true},
      // Another file system mounted over the disc hides it.
      {r + "/stacked", r + "/stacked", false},
      {r + "/Plain", r + "/Plain", false},
      {r + "/missing", r + "/missing", false},
      {"file://" + r + "/Film%2", "file://" + r + "/Film%2", false},
      {"file://" + r + "/Fi%00lm", "file://" + r + "/Fi%00lm", false},
      {"file://server" + r + "/Film", "file://server" + r + "/Film", false},
      {"dvd:///dev/sr0", "dvd:///dev/sr0", false},
  };
  for (const Case& c : cases) {
    const DiscArgument resolved = ResolveDiscArgument(c.argument, mountinfo);
    EXPECT_EQ(resolved.text, c.text) << c.argument;
    EXPECT_EQ(resolved.folderOrImage, c.folderOrImage) << c.argument;
  }
}

TEST_F(DiscArgumentTest, WithoutAMountTableOnlyFoldersAndImagesAreKnown) {
  const std::string missing = root / "no-mountinfo";
  for (const std::string& path : {root / "media/ann/MY DVD", root / "media/ann/MY DVD/VIDEO_TS"}) {
    const DiscArgument resolved = ResolveDiscArgument(path, missing);
    EXPECT_EQ(resolved.text, path);
    EXPECT_TRUE(resolved.folderOrImage) << path;
  }
  EXPECT_FALSE(ResolveDiscArgument(root / "media/ann/Data", missing).folderOrImage);
}

}  // namespace
}  // namespace tandrel
