// The folders of the program are built one way: every folder includes only
// itself and the folders below it, and the plain C++ core includes nothing of
// the Qt edge. The checks read the source tree itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/scratch_folder.h"

namespace orn::test {
namespace {

namespace fs = std::filesystem;

// The folders, lowest first. A file in `src/<folder>/` (its `ui/` too) or in
// `app/` may include from its own folder and from those before it.
constexpr std::array<std::string_view, 9> kOrder = {"platform", "model",  "colour", "symmetry", "canvas",
                                                     "print",    "shell", "editor", "app"};

int Level(std::string_view folder) {
  const auto it = std::find(kOrder.begin(), kOrder.end(), folder);
  return it == kOrder.end() ? -1 : int(it - kOrder.begin());
}

// The Qt edge: the `ui/` folders, platform's Qt stand-ins (platform's own
// files outside `core/`) and the program's start.
bool QtEdge(const std::string& path) {
  if (path.find("/ui/") != std::string::npos || path.rfind("app/", 0) == 0) return true;
  return path.rfind("platform/", 0) == 0 && path.find('/', 9) == std::string::npos;
}

struct Include {
  char open;           // '<' or '"'
  std::string target;  // what it names
};

// The include a line holds: "#include", blanks allowed around the "#".
std::optional<Include> IncludeOf(std::string_view line) {
  auto skipBlanks = [&] {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  };
  skipBlanks();
  if (line.empty() || line.front() != '#') return std::nullopt;
  line.remove_prefix(1);
  skipBlanks();
  constexpr std::string_view kInclude = "include";
  if (line.substr(0, kInclude.size()) != kInclude) return std::nullopt;
  line.remove_prefix(kInclude.size());
  skipBlanks();
  if (line.empty() || (line.front() != '<' && line.front() != '"')) return std::nullopt;
  const char open = line.front();
  const std::size_t end = line.find(open == '<' ? '>' : '"', 1);
  if (end == std::string_view::npos) return std::nullopt;
  return Include{open, std::string(line.substr(1, end - 1))};
}

// One include that breaks the order, told as "file:line: #include "x" why".
std::vector<std::string> LayeringFaults(const fs::path& root) {
  std::vector<std::string> faults;
  for (const char* top : {"src", "app"}) {
    if (!fs::is_directory(root / top)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
      const fs::path& p = entry.path();
      if (!entry.is_regular_file() || (p.extension() != ".h" && p.extension() != ".cpp")) continue;
      const std::string rel = fs::relative(p, root).generic_string();
      // The folder of src/<folder>/..., or app.
      const std::string inner = rel.rfind("src/", 0) == 0 ? rel.substr(4) : rel;
      const std::string folder = inner.substr(0, inner.find('/'));
      const int level = Level(folder);
      if (level < 0) continue;  // a file at the top of src/
      const bool edge = QtEdge(inner);
      std::ifstream in(p);
      std::string line;
      for (int number = 1; std::getline(in, line); ++number) {
        const std::optional<Include> inc = IncludeOf(line);
        if (!inc) continue;
        const std::string& target = inc->target;
        const std::string where = rel + ":" + std::to_string(number) + ": " + line;
        if (inc->open == '<') {
          if (!edge && target.rfind('Q', 0) == 0) faults.push_back(where + " brings Qt into the core");
          continue;
        }
        const std::string to = target.substr(0, target.find('/'));
        const int toLevel = Level(to);
        if (toLevel > level)
          faults.push_back(where + " runs up from " + folder + " to " + to);
        else if (!edge && QtEdge(target))
          faults.push_back(where + " brings the Qt edge into the core");
      }
    }
  }
  std::sort(faults.begin(), faults.end());
  return faults;
}

std::string Lines(const std::vector<std::string>& faults) {
  std::string s;
  for (const auto& f : faults) s += f + "\n";
  return s;
}

TEST(Layering, EveryIncludeOfTheProgramNamesItsOwnFolderOrOneBelowIt) {
  const auto faults = LayeringFaults(ORNIVALE_SOURCE_DIR);
  EXPECT_TRUE(faults.empty()) << "Folders, lowest first: platform, model, colour, symmetry, canvas, print, "
                                 "shell, editor, app.\n"
                              << Lines(faults);
}

// A tree with one include of each kind: the check names every fault with its
// file, line and include, and passes what the order allows.
TEST(Layering, TheCheckNamesTheFileLineAndIncludeOfEachFault) {
  ScratchFolder tree;
  const auto write = [&](const std::string& name, const std::string& text) {
    fs::create_directories(tree.path(name).parent_path());
    std::ofstream(tree.path(name)) << text;
  };
  write("src/model/list.h", "#pragma once\n#include \"platform/core/surface.h\"\n#include \"model/x.h\"\n");
  write("src/model/list.cpp", "#include \"model/list.h\"\n\n#include \"canvas/redraw.h\"\n");
  write("src/canvas/tool.cpp", "#include <vector>\n#include <QWidget>\n#include \"platform/qt_host.h\"\n");
  write("src/canvas/ui/panel.cpp", "#include <QWidget>\n#include \"platform/qt_host.h\"\n#include \"colour/ui/box.h\"\n");
  write("src/shell/ui/menu.cpp", "#include \"shell/ui/editor_window.h\"\n  # include \"editor/ui/pic_edit.h\"\n");
  write("src/editor/ui/window.cpp", "#include \"shell/ui/editor_window.h\"\n#include \"app/x.h\"\n");
  write("src/editor/document.cpp", "#include \"canvas/redraw.h\"\n#include \"editor/ui/window.h\"\n");
  write("app/main.cpp", "#include \"editor/ui/editor_factory.h\"\n");

  EXPECT_EQ(Lines(LayeringFaults(tree.dir())),
            "src/canvas/tool.cpp:2: #include <QWidget> brings Qt into the core\n"
            "src/canvas/tool.cpp:3: #include \"platform/qt_host.h\" brings the Qt edge into the core\n"
            "src/editor/document.cpp:2: #include \"editor/ui/window.h\" brings the Qt edge into the core\n"
            "src/editor/ui/window.cpp:2: #include \"app/x.h\" runs up from editor to app\n"
            "src/model/list.cpp:3: #include \"canvas/redraw.h\" runs up from model to canvas\n"
            "src/shell/ui/menu.cpp:2:   # include \"editor/ui/pic_edit.h\" runs up from shell to editor\n");
}

}  // namespace
}  // namespace orn::test
