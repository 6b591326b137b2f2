#pragma once

#include <array>
#include <string_view>

namespace tandrel {

// A language key and its built-in text. Keys are strings: "10" and "010" are different keys.
struct LangKey {
  std::string_view key;
  std::string_view defaultText;
};

namespace keys {

inline constexpr LangKey kOK{"03", "&OK"};
inline constexpr LangKey kCancel{"04", "&Cancel"};
inline constexpr LangKey kNoDrives{"05", "<No DVD drives were found>"};
inline constexpr LangKey kInsertDisc{"06", "<Please insert a DVD>"};
inline constexpr LangKey kInvalidDisc{"07", "Please insert a valid DVD."};
inline constexpr LangKey kNoConfiguration{"08", "No configuration file was found."};
inline constexpr LangKey kConfigurationCreated{"09", "A new one was created with the defaults."};
inline constexpr LangKey kFileMenu{"10", "&File"};
inline constexpr LangKey kOpenMenu{"11", "&Open"};
inline constexpr LangKey kExitCommand{"12", "E&xit"};
inline constexpr LangKey kEditMenu{"20", "&Edit"};
inline constexpr LangKey kToolsMenu{"30", "&Tools"};
inline constexpr LangKey kOptionsMenuCommand{"31", "&Options"};
inline constexpr LangKey kHelpMenu{"40", "&Help"};
inline constexpr LangKey kHowToUseMenu{"41", "&How To Use?"};
inline constexpr LangKey kAboutMenu{"43", "&About"};
inline constexpr LangKey kAboutTitle{"51", "About"};
inline constexpr LangKey kVersion{"52", "Version"};
inline constexpr LangKey kDescription{
    "53",
    "Use this easy-to-use application to easily and effectively extract or capture images from "
    "your favorite DVD-Video discs. You can extract one image while playing your favorite movie "
    "ad also you can extract a portion of the DVD-Video."};
inline constexpr LangKey kOptionsTitle{"70", "Options"};
inline constexpr LangKey kLanguageFrame{"71", "Language"};
inline constexpr LangKey kLanguageLabel{"72", "Select Language:"};
inline constexpr LangKey kErrorTitle{"010", "Error"};
inline constexpr LangKey kWarningTitle{"013", "Warning"};
inline constexpr LangKey kHelpFileMissing{"019", "Can't find the help file."};
inline constexpr LangKey kLoading{"020", "LOADING..."};
inline constexpr LangKey kVolume{"032", "Volume"};
inline constexpr LangKey kAlreadyRunning{"034", "The application is already running."};
inline constexpr LangKey kDiskFull{"036", "Insufficient disk space."};
inline constexpr LangKey kRestartVideo{
    "037", "The changes you have made require restarting the video. Do you want to restart?"};

// Every key the program uses; a language pack that holds exactly these texts reproduces the
// built-in ones.
inline constexpr std::array kAll = {
    kOK,
    kCancel,
    kNoDrives,
    kInsertDisc,
    kInvalidDisc,
    kNoConfiguration,
    kConfigurationCreated,
    kFileMenu,
    kOpenMenu,
    kExitCommand,
    kEditMenu,
    kToolsMenu,
    kOptionsMenuCommand,
    kHelpMenu,
    kHowToUseMenu,
    kAboutMenu,
    kAboutTitle,
    kVersion,
    kDescription,
    kOptionsTitle,
    kLanguageFrame,
    kLanguageLabel,
    kErrorTitle,
    kWarningTitle,
    kHelpFileMissing,
    kLoading,
    kVolume,
    kAlreadyRunning,
    kDiskFull,
    kRestartVideo,
};

}  // namespace keys

// The application's title, used where a box or window has no title of its own.
inline constexpr std::string_view kAppTitle = "Tandrel";

}  // namespace tandrel
