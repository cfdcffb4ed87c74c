// Qt's file dialogs as the program asks for them: each opens in the folder
// the request names, never in the folder an earlier dialog visited.
#include <QFileDialog>

#include "canvas/ui/file_dialogs.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

namespace fs = std::filesystem;

TEST(QtFileDialogs, OpenInTheAskedFolderAndWithoutOneInTheWorkingFolderNotWhereTheLastOneWas) {
  app();
  ScratchFolder scratch;
  const fs::path wallpapers = scratch.path("wallpapers"), pictures = scratch.path("pictures");
  fs::create_directories(wallpapers);
  fs::create_directories(pictures);
  const fs::path working = fs::current_path();
  fs::current_path(pictures);
  QtFileDialogs dialogs(nullptr);
  std::string shown;
  const auto ask = [&](const std::string& folder) {
    shown.clear();
    whenModal<QFileDialog>([&shown](QFileDialog& d) {
      shown = d.directory().absolutePath().toStdString();
      d.reject();
    });
    FileDialogRequest r;
    r.title = "Save as Wallpaper";
    r.initialFolder = folder;
    EXPECT_FALSE(dialogs.saveFile(r));
  };
  ask(wallpapers.string());
  EXPECT_EQ(shown, wallpapers.string());
  ask("");
  EXPECT_EQ(shown, pictures.string());
  ask(scratch.path("gone").string());
  EXPECT_EQ(shown, pictures.string());
  fs::current_path(working);
}

}  // namespace
}  // namespace orn::test
