#include "canvas/ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace orn {

std::string QtFilterText(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (int i = 0; i < parts.size(); i += 2) out << parts[i];
  return out.join(";;").toStdString();
}

namespace {

std::optional<std::string> run(QWidget* parent, const FileDialogRequest& r, bool save) {
  QFileDialog dlg(parent, QString::fromStdString(r.title));
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
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().front().toStdString();
}

}  // namespace

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

std::optional<std::string> QtFileDialogs::openFile(const FileDialogRequest& r) {
  return run(parent_, r, false);
}

std::optional<std::string> QtFileDialogs::saveFile(const FileDialogRequest& r) {
  return run(parent_, r, true);
}

}  // namespace orn
