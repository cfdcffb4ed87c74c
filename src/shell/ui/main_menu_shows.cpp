// The main menu's slide shows ("&ArtShow"), its help and its About box.
#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QShortcut>

#include <filesystem>
#include <system_error>

#include "platform/core/app_folder.h"
#include "shell/help.h"
#include "shell/slide_show.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_menu.h"

namespace orn {

void MainMenu::wireShowsAndHelp() {
  auto on = [this](const char* name, const char* tag, std::function<void()> command) {
    QAction* a = findChild<QAction*>(name);
    connect(a, &QAction::triggered, this, trapped(tag, std::move(command)));
  };
  on("StdArtShow", "StdArtShow", [this] { StdArtShow_Click(); });
  on("YourArt(2)", "YourArt", [this] { YourArt_Click(2); });
  on("YourArt(3)", "YourArt", [this] { YourArt_Click(3); });
  on("Helper", "Helper", [this] { Helper_Click(); });
  on("Aboutcode", "Aboutcode", [this] { Aboutcode_Click(); });
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, trapped("Helper", [this] { Helper_Click(); }));
}

// ---- the slide shows -----------------------------------------------------------

void MainMenu::StdArtShow_Click() {
  // The models' panel while the show runs (the model samples show their
  // folded models); the art type chosen before comes back with the menu.
  PendingArtType = app_.MenuArtType;
  MaPat_Click(kArtModel);
  QCoreApplication::processEvents();
  app_.ShowList = StandardShowList();
  startShow(1);
}

void MainMenu::YourArt_Click(int Index) {
  const bool titledOnly = Index == 2;
  // The folder the user last opened or saved a picture in.
  // (A folder that has gone since gives an empty show.)
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::current_path(ec);
  std::vector<std::string> names = UserShowList(folder, titledOnly);
  if (names.empty()) {
    host_.messageBox(NoArtText(titledOnly), MsgButtons::OK, MsgIcon::None, "");
    return;
  }
  app_.ShowList = std::move(names);
  app_.ShowFolder = folder.string();
  startShow(2);
}

void MainMenu::startShow(int mode) {
  app_.ShowIndex = 0;
  app_.ShowMode = mode;
  app_.PicturePath =
      SlidePath(mode, app_.StaticFolder, app_.ShowFolder, app_.ShowList.front()).string();
  app_.LoadOption = kLoadNormal;
  // The mode the menu shows comes back with it after the show.
  app_.SavedStartMode = app_.StartMode;
  app_.StartMode = kStartDisplay;
  app_.OpenForEditing = false;
  ReturnedFromEditor = true;
  MainRaft->hide();
  QCoreApplication::processEvents();
  ShowSymPaint();
}

// ---- help and About ----------------------------------------------------------------

void MainMenu::Helper_Click() { showHelp(kHelpMainMenu, *this); }

void MainMenu::showHelp(int topic, QWidget& asker) {
  if (!help_) help_ = new HelpWindow(HelpFolders(app_), SamplePicturesOf(app_));
  help_->showTopic(topic, asker);
}

void MainMenu::Aboutcode_Click() {
  const QFileInfo program(QCoreApplication::applicationFilePath());
  const QString created = QLocale().toString(program.lastModified(), QLocale::ShortFormat);
  host_.messageBox(AboutText(created.toStdString(), app_.AppFolder), MsgButtons::OK, MsgIcon::None,
                   "Ornivale Version 6");
}

}  // namespace orn
