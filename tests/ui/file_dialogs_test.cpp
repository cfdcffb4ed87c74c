// Qt's file dialogs as the program asks for them: each opens in the folder
// the request names, never in the folder an earlier dialog visited.
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>

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

// A dialog asked to leave a part of the canvas in view opens beside it, on
// the screen; otherwise Qt centres it over the window.
TEST(QtFileDialogs, OpenBesideThePartOfTheCanvasTheyLeaveInView) {
  app();
  QWidget window;
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  auto* canvas = new QWidget(&window);
  canvas->setGeometry(window.rect());
  window.show();
  QtFileDialogs dialogs(&window, [canvas] { return canvas; });
  FileDialogRequest r;
  r.title = "Save as Wallpaper";
  const auto asked = [&] {
    QRect placed;
    whenModal<QFileDialog>([&placed](QFileDialog& d) {
      placed = d.geometry();
      d.reject();
    });
    EXPECT_FALSE(dialogs.saveFile(r));
    return placed;
  };
  const QRect room = window.screen()->availableGeometry();
  const QRect centred = asked();
  r.keepInView = {centred.left() + 10, centred.top() + 10, centred.left() + 60, centred.top() + 60};
  const QRect keep(canvas->mapToGlobal(QPoint(r.keepInView.left, r.keepInView.top)),
                   canvas->mapToGlobal(QPoint(r.keepInView.right, r.keepInView.bottom)));
  ASSERT_TRUE(centred.intersects(keep));
  const QRect beside = asked();
  EXPECT_FALSE(beside.intersects(keep)) << beside.x() << "," << beside.y();
  EXPECT_TRUE(room.contains(beside)) << beside.x() << "," << beside.y();
}

}  // namespace
}  // namespace orn::test
