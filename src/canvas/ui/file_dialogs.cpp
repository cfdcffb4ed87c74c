#include "canvas/ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <QStringList>

#include <algorithm>

namespace orn {

std::string QtFilterText(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (int i = 0; i < parts.size(); i += 2) out << parts[i];
  return out.join(";;").toStdString();
}

namespace {

// Room left between the dialog and what it keeps in view.
constexpr int kClearance = 16;

// Moves the dialog beside `keep` (in screen coordinates): to its right, its
// left, below or above it, the first place where it lies wholly on the
// screen. Where there is no such place it stays where Qt puts it.
void placeBeside(QDialog& dlg, const QRect& keep) {
  const QScreen* screen = dlg.parentWidget() ? dlg.parentWidget()->screen() : dlg.screen();
  if (screen == nullptr) return;
  const QRect room = screen->availableGeometry();
  dlg.adjustSize();
  const QSize size = dlg.frameGeometry().size().expandedTo(dlg.size());
  // Beside it at x, as high as it (as far as the screen allows); or at y,
  // as far left.
  const auto atX = [&](int x) {
    return QRect(QPoint(x, std::clamp(keep.top(), room.top(), room.bottom() - size.height())), size);
  };
  const auto atY = [&](int y) {
    return QRect(QPoint(std::clamp(keep.left(), room.left(), room.right() - size.width()), y), size);
  };
  for (const QRect& place : {atX(keep.right() + kClearance), atX(keep.left() - kClearance - size.width()),
                             atY(keep.bottom() + kClearance), atY(keep.top() - kClearance - size.height())}) {
    if (room.contains(place) && !place.intersects(keep)) {
      dlg.move(place.topLeft());
      return;
    }
  }
}

}  // namespace

std::optional<std::string> QtFileDialogs::run(const FileDialogRequest& r, bool save) {
  QFileDialog dlg(parent_, QString::fromStdString(r.title));
  dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dlg.setOption(QFileDialog::DontConfirmOverwrite, !save);
  dlg.setNameFilters(QString::fromStdString(QtFilterText(r.filter)).split(";;"));
  if (!r.defaultExtension.empty()) dlg.setDefaultSuffix(QString::fromStdString(r.defaultExtension));
  // Always a folder of the request's choosing: left alone, Qt's dialog would
  // open in the last folder any dialog visited, the wallpaper folder say.
  const QString folder = QString::fromStdString(r.initialFolder);
  dlg.setDirectory(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::currentPath());
  if (save && !r.proposedName.empty()) dlg.selectFile(QString::fromStdString(r.proposedName));
  if (QWidget* canvas = canvas_ ? canvas_() : nullptr; canvas != nullptr && !r.keepInView.empty()) {
    const CanvasArea& a = r.keepInView;
    placeBeside(dlg, QRect(canvas->mapToGlobal(QPoint(a.left, a.top)),
                           canvas->mapToGlobal(QPoint(a.right, a.bottom))));
  }
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().front().toStdString();
}

std::optional<std::string> CurrentFolderDialogs::openFile(const FileDialogRequest& r) {
  return follow(inner_.openFile(r));
}

std::optional<std::string> CurrentFolderDialogs::saveFile(const FileDialogRequest& r) {
  return follow(inner_.saveFile(r));
}

std::optional<std::string> CurrentFolderDialogs::follow(std::optional<std::string> chosen) {
  if (chosen) QDir::setCurrent(QFileInfo(QString::fromStdString(*chosen)).absolutePath());
  return chosen;
}

std::optional<std::string> QtFileDialogs::openFile(const FileDialogRequest& r) { return run(r, false); }

std::optional<std::string> QtFileDialogs::saveFile(const FileDialogRequest& r) { return run(r, true); }

}  // namespace orn
