#pragma once
// The program's help: one page per topic, each a short HTML file in the
// "help" folder the program ships, and the About box's text.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orn {

// The topics the windows ask for (the page-layout dialog's two, 1018 for a
// bitmap and 1023 for a print, are the print command's).
constexpr int kHelpSymmetrySetup = 1000;  // the symmetry set-up panel
constexpr int kHelpColourDialog = 1002;   // choosing custom colours
constexpr int kHelpMainMenu = 1019;       // the main menu
constexpr int kHelpEditor = 2055;         // the editor
constexpr int kHelpShowMode = 2216;       // show mode and the slide shows

// The folder the pages lie in, below the program folder.
constexpr const char* kHelpFolderName = "help";
// The page that lists all the others.
constexpr const char* kHelpContentsPage = "index.html";

// The file name of a topic's page; the contents page for a topic without one.
std::string HelpPageFor(int topic);

// The page of `topic` in the first of `folders` that holds it; the contents
// page when the topic's own page is nowhere; nothing when neither is found.
std::optional<std::filesystem::path> FindHelpPage(int topic,
                                                  const std::vector<std::filesystem::path>& folders);

// The text of the About box: the program and version, when the program file
// was made (`created`, as the locale writes a date and time), what the
// program is, and the folder it keeps its files in.
std::string AboutText(const std::string& created, const std::string& AppFolder);

}  // namespace orn
