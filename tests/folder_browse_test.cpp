#include <gtest/gtest.h>

#include "fakes/fake_services.h"
#include "folderbrowse/browse_properties.h"
#include "folderbrowse/folder_browse.h"

namespace tandrel {
namespace {

class FolderBrowseTest : public testing::Test {
 protected:
  fakes::CallLog log;
  fakes::FakeShell shell{log};
  FolderBrowse browse{shell};
};

TEST_F(FolderBrowseTest, DefaultsGiveTheUsualDialog) {
  EXPECT_EQ(browse.GetBrowseFlags(), 0x0022u);
  shell.folderChoices = {"/home/ann/Pictures"};
  EXPECT_TRUE(browse.Browse());
  ASSERT_EQ(shell.browses.size(), 1u);
  EXPECT_EQ(shell.browses[0].title, "Folder Browser");
  EXPECT_EQ(shell.browses[0].root, "");
  EXPECT_EQ(shell.browses[0].displayNameChars, 260);
  EXPECT_EQ(browse.FullName(), "/home/ann/Pictures");
}

TEST_F(FolderBrowseTest, EachFlagPropertyAddsItsBit) {
  browse.SetProperty("AllowEditBox", true);
  browse.SetProperty("UseNewUI", true);
  browse.SetProperty("IncludeFiles", true);
  EXPECT_EQ(browse.GetBrowseFlags(), 0x4072u);
  for (const char* name :
       {"DontGoBelowDomain", "ValidateSelection", "AllowEditBox", "UseNewUI", "IncludeFiles"}) {
    browse.SetProperty(name, false);
  }
  for (const auto& [name, bit] :
       std::vector<std::pair<const char*, uint32_t>>{{"OnlyFileSystemDirectories", 0x1},
                                                     {"BrowseForComputer", 0x1000},
                                                     {"BrowseForPrinter", 0x2000}}) {
    browse.SetProperty(name, true);
    EXPECT_EQ(browse.GetBrowseFlags(), bit) << name;
    browse.SetProperty(name, false);
  }
}

TEST_F(FolderBrowseTest, ACancelledBrowseLosesTheEarlierChoice) {
  shell.folderChoices = {"/a"};
  EXPECT_TRUE(browse.Browse());
  EXPECT_FALSE(browse.Browse());  // cancelled, or a printer without a path
  EXPECT_EQ(browse.FullName(), "");
}

TEST_F(FolderBrowseTest, AStartFolderConfinesTheDialog) {
  browse.SetProperty("StartDirectory", std::string("/media"));
  browse.SetProperty("Caption", std::string("Pick"));
  browse.owner = 42;
  browse.Browse();
  EXPECT_EQ(shell.browses[0].root, "/media");
  EXPECT_TRUE(shell.browses[0].wideRoot);
  EXPECT_EQ(shell.browses[0].title, "Pick");
  EXPECT_EQ(shell.browses[0].owner, 42u);
}

TEST_F(FolderBrowseTest, ReadOnlyPropertiesRefuseEveryAssignment) {
  for (const char* name : {"FolderName", "FileName", "FullName", "DisplayName"}) {
    for (const bool userMode : {false, true}) {
      browse.userMode = userMode;
      try {
        browse.SetProperty(name, std::string("x"));
        ADD_FAILURE() << name;
      } catch (const ControlError& error) {
        EXPECT_EQ(error.number, userMode ? 382 : 387) << name;
      }
      EXPECT_EQ(browse.Text(name), "");
    }
  }
  for (const char* name :
       {"FileReadOnly", "FileHidden", "FileSystem", "FileCompressed", "FileArchived"}) {
    EXPECT_THROW(browse.SetProperty(name, true), ControlError);
    EXPECT_FALSE(browse.Flag(name));
  }
}

TEST_F(FolderBrowseTest, PropertiesAreSavedAndLoadedByName) {
  std::vector<std::string> changed;
  browse.propertyChanged = [&](const std::string& name) { changed.push_back(name); };
  browse.SetProperty("Caption", std::string("Snapshots"));
  browse.SetProperty("Enabled", false);
  EXPECT_EQ(changed, (std::vector<std::string>{"Caption", "Enabled"}));

  PropertyBag bag;
  browse.WriteProperties(bag);
  EXPECT_TRUE(bag.Has("Caption"));
  EXPECT_FALSE(bag.Has("DontGoBelowDomain"));  // at its default
  FolderBrowse loaded(shell);
  loaded.ReadProperties(bag);
  EXPECT_EQ(loaded.Text("Caption"), "Snapshots");
  EXPECT_FALSE(loaded.Flag("Enabled"));
  EXPECT_TRUE(loaded.Flag("DontGoBelowDomain"));

  int width = 2000;
  int height = 1000;
  loaded.Resize(width, height);
  EXPECT_EQ(width, 390);
  EXPECT_EQ(height, 390);
}

TEST_F(FolderBrowseTest, EveryPropertyHasADescription) {
  EXPECT_EQ(FolderBrowse::Properties().size(), 20u);
  for (const FolderBrowseProperty& property : FolderBrowse::Properties()) {
    EXPECT_NE(std::string(property.description), "") << property.name;
  }
}

TEST_F(FolderBrowseTest, ThePropertyPageShowsANewInstance) {
  BrowseProperties page;
  page.SelectedControls = {&browse};
  page.LoadFromSelection();
  for (const BrowseProperties::CheckBox& box : page.checkBoxes) {
    const bool ticked = std::string(box.control) == "chkDontGoBelowDomain" ||
                        std::string(box.control) == "chkValidateSelection" ||
                        std::string(box.control) == "chkEnabled";
    EXPECT_EQ(box.value, ticked ? 1 : 0) << box.control;
  }
  EXPECT_EQ(page.Text("txtCaption").text, "Folder Browser");
  EXPECT_EQ(page.Text("txtStartDirectory").text, "");
}

TEST_F(FolderBrowseTest, ThePropertyPageChangesOnlyTheFirstSelected) {
  FolderBrowse second(shell);
  second.SetProperty("Caption", std::string("Second"));
  std::vector<std::string> changed;
  browse.propertyChanged = [&](const std::string& name) { changed.push_back(name); };
  BrowseProperties page;
  page.SelectedControls = {&browse, &second};
  page.LoadFromSelection();
  EXPECT_EQ(page.Text("txtCaption").text, "Folder Browser");
  page.Check("chkIncludeFiles").value = 1;
  page.Text("txtStartDirectory").text = "/srv";
  page.MarkChanged();
  EXPECT_TRUE(page.Changed);
  page.ApplyToSelection();
  EXPECT_TRUE(browse.Flag("IncludeFiles"));
  EXPECT_EQ(browse.Text("StartDirectory"), "/srv");
  EXPECT_FALSE(second.Flag("IncludeFiles"));
  EXPECT_EQ(second.Text("StartDirectory"), "");
  EXPECT_EQ(changed.size(), 11u);  // every assignment went through the setter
  EXPECT_EQ(changed.front(), "IncludeFiles");
  EXPECT_EQ(changed.back(), "Enabled");
}

}  // namespace
}  // namespace tandrel
