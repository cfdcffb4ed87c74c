// The main menu's start-up stages and its end: the folders, the first run's
// set-up of the sample folder, "Ornisk.Dat" read at the start and written at
// the end.
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>

#include "model/file_util.h"
#include "shell/first_run.h"
#include "shell/ornisk_dat.h"
#include "shell/ui/main_menu.h"
#include "shell/ui/title_form.h"

namespace orn {

namespace {

constexpr Rgb kNearBlackTest = 0x202020;
constexpr int kDisplayTestSize = 10;

// Where wallpaper bitmaps go: a folder of the user's pictures.
std::optional<std::filesystem::path> wallpaperFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (pictures.isEmpty()) return std::nullopt;
  return std::filesystem::path(pictures.toStdString()) / "Ornivale Wallpapers";
}

void setTopMenusVisible(QMenuBar* bar, bool on) {
  for (QAction* a : bar->actions())
    if (a->objectName() == "ArtShow" || a->objectName() == "Aboutcode" || a->objectName() == "Quitter")
      a->setVisible(on);
}

}  // namespace

void MainMenu::setStartDelays(int initTimer1Ms, int initTimer2Ms) {
  InitTimer1->setInterval(initTimer1Ms);
  InitTimer2->setInterval(initTimer2Ms);
}

void MainMenu::MainMenu_Form_Load() {
  if (!app_.AppFolder.empty() && app_.AppFolder.back() != '/') app_.AppFolder += '/';
  const bool hasFolder = !app_.AppFolder.empty();
  // The program folder is the working folder, whatever folder the program
  // was started from: the user's slide show lists it (until a file dialog
  // chooses another), and the file dialogs of a picture with no folder of
  // the user's open in it.
  if (hasFolder) {
    std::error_code ec;
    std::filesystem::current_path(app_.AppFolder, ec);
  }
  app_.DialogDir = hasFolder ? std::filesystem::path(app_.AppFolder).parent_path().string() : std::string();
  app_.HelpFile = hasFolder ? app_.AppFolder + "help/" : std::string();
  host_.setHourglass(true);
  PendingArtType = -1;
  setTopMenusVisible(menuBar(), false);
  MainRaft->hide();
  TitleForm_ = new TitleForm;
  if (hasFolder && SamplesAwaitMove(app_.AppFolder)) TitleForm_->InitLab->show();
  show();
  TitleForm_->show();
  TitleForm_->raise();
  QCoreApplication::processEvents();
  InitTimer1->start();
}

void MainMenu::InitTimer1_Timer() {
  InitTimer1->stop();
  // A display that shows the near-black as black dithers: black must then
  // stand in for the near-black in the palette.
  Surface& test = TitleForm_->TitPic0();
  const Surface before = test;
  test.fillBox(0, 0, kDisplayTestSize, kDisplayTestSize, kNearBlackTest);
  app_.DitheredDisplay = false;
  for (int x = 0; x <= kDisplayTestSize && !app_.DitheredDisplay; ++x)
    for (int y = 0; y <= kDisplayTestSize; ++y)
      if (test.point(x, y) == 0) {
        app_.DitheredDisplay = true;
        break;
      }
  test = before;
  app_.Metric = profile_.metricMeasurement();
  // Without a program folder there is nowhere to read or keep files.
  const bool hasFolder = !app_.AppFolder.empty();
  app_.StaticFolder = hasFolder ? app_.AppFolder + "STATIC/" : std::string();
  app_.DataFolder = app_.AppFolder;
  app_.MenuMode = app_.MenuArtType = 0;
  ModeWord_ = "Show";
  ArtWord_ = "Patterns";

  if (!app_.AppFolderError.empty()) {
    host_.messageBox(FolderProblemText(app_), MsgButtons::OK, MsgIcon::Exclamation, "Ornivale");
  } else {
    setUpProgramFolder();
  }

  MenuSettings s{app_.LastFolder, app_.StartMode, app_.MenuMode, app_.MenuArtType, app_.Print.PrintOrientation};
  if (hasFolder && std::filesystem::exists(std::filesystem::path(app_.AppFolder) / kOrniskDatName)) {
    ReadOrniskDat(std::filesystem::path(app_.AppFolder) / kOrniskDatName, s);
    app_.AllowSplines = false;
  }
  app_.LastFolder = s.LastFolder;
  app_.StartMode = s.StartMode;
  app_.MenuMode = s.MenuMode;
  app_.MenuArtType = s.MenuArtType;
  app_.Print.PrintOrientation = s.PrintOrientation;

  loadPreviews();
  InitTimer2->start();
}

// The first run moves the samples into "STATIC"; every start adds the
// installed files the folder lacks. Files that cannot be moved or added are
// named in one box.
void MainMenu::setUpProgramFolder() {
  std::vector<FileFailure> failures;
  if (SamplesAwaitMove(app_.AppFolder)) {
    TitleForm_->InitLab->show();
    QCoreApplication::processEvents();
    failures = MoveSamplesIntoStatic(app_.AppFolder, wallpaperFolder()).failures;
    TitleForm_->InitLab->hide();
  }
  if (!app_.InstalledFolder.empty()) {
    const AddedFiles added = AddMissingInstalledFiles(app_.AppFolder, app_.InstalledFolder);
    failures.insert(failures.end(), added.failures.begin(), added.failures.end());
  }
  if (failures.empty()) return;
  host_.messageBox(FailedFilesText(app_.AppFolder, failures), MsgButtons::OK, MsgIcon::Exclamation,
                   "Initializing Files");
}

void MainMenu::InitTimer2_Timer() {
  InitTimer2->stop();
  TitleForm_->hide();
  TitleForm_->deleteLater();
  TitleForm_ = nullptr;
  MaPat_Click(app_.MenuArtType);
  MaMode_Click(app_.MenuMode);
  host_.setHourglass(false);
  MainRaft->show();
  setTopMenusVisible(menuBar(), true);
  setWindowTitle("Ornivale - Version 6");
  ready_ = true;
  emit startFinished();
}

// Writes "Ornisk.Dat" and ends the program.
void MainMenu::closeEvent(QCloseEvent* e) {
  if (editor_) {
    // The menu is hidden while an editor is open; the editor leads back here.
    e->ignore();
    return;
  }
  if (app_.DataFolder.empty()) {
    // No folder to keep the settings in: the user was told at the start.
    e->accept();
    QCoreApplication::quit();
    return;
  }
  MenuSettings s;
  // There are no drive letters here: the working folder is remembered unless
  // its name holds a line break, when the one remembered before stays.
  const std::string here = QDir::currentPath().toStdString();
  s.LastFolder = HoldsLineBreak(here) ? app_.LastFolder : here;
  s.StartMode = app_.StartMode;
  s.MenuMode = app_.MenuMode;
  s.MenuArtType = app_.MenuArtType;
  s.PrintOrientation = app_.Print.PrintOrientation;
  if (auto error = WriteOrniskDat(std::filesystem::path(app_.DataFolder) / kOrniskDatName, s))
    host_.messageBox("The settings could not be saved: " + *error, MsgButtons::OK,
                     MsgIcon::Exclamation, "Ornivale");
  e->accept();
  QCoreApplication::quit();
}

}  // namespace orn
