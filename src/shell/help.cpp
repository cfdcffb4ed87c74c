#include "shell/help.h"

#include <system_error>

namespace orn {

namespace {

struct TopicPage {
  int topic;
  const char* page;
};

constexpr TopicPage kPages[] = {
    {kHelpSymmetrySetup, "symmetry.html"}, {kHelpColourDialog, "colours.html"},
    {1018, "export.html"},                 {kHelpMainMenu, "main-menu.html"},
    {1023, "printing.html"},               {kHelpEditor, "editor.html"},
    {kHelpShowMode, "show-mode.html"},
};

}  // namespace

std::string HelpPageFor(int topic) {
  for (const TopicPage& p : kPages)
    if (p.topic == topic) return p.page;
  return kHelpContentsPage;
}

std::optional<std::filesystem::path> FindHelpPage(int topic,
                                                  const std::vector<std::filesystem::path>& folders) {
  for (const std::string& page : {HelpPageFor(topic), std::string(kHelpContentsPage)}) {
    for (const auto& folder : folders) {
      std::error_code ec;
      const std::filesystem::path file = folder / page;
      if (std::filesystem::is_regular_file(file, ec)) return file;
    }
  }
  return std::nullopt;
}

std::string AboutText(const std::string& created, const std::string& AppFolder) {
  return "Ornivale Version 6 \n"
         "Created - " + created + "\n"
         "Symmetric pictures, patterns and models\n"
         "\n"
         "\n"
         "Installation Folder: " + AppFolder;
}

}  // namespace orn
