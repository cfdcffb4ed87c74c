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
  if (!r.initialFolder.empty() && QFileInfo(QString::fromStdString(r.initialFolder)).isDir())
    dlg.setDirectory(QString::fromStdString(r.initialFolder));
  if (save && !r.proposedName.empty()) dlg.selectFile(QString::fromStdString(r.proposedName));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dlg.selectedFiles().front();
  // The dialogs leave the process in the chosen file's folder, which the
  // recent-file captions are shown relative to.
  QDir::setCurrent(QFileInfo(chosen).absolutePath());
  return chosen.toStdString();
}

}  // namespace

std::optional<std::string> QtFileDialogs::openFile(const FileDialogRequest& r) {
  return run(parent_, r, false);
}

std::optional<std::string> QtFileDialogs::saveFile(const FileDialogRequest& r) {
  return run(parent_, r, true);
}

}  // namespace orn
