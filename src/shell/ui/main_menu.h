#pragma once
// MainMenu: the window the program starts in. The user picks a mode
// (Display, Edit, Repaint, Redraw) and an art type (Pattern, Rose, Drawing,
// Model), sees the samples of that type and opens one in the editor in that
// mode. The menu hides while the editor is open and comes back when it
// closes; closing the menu writes "Ornisk.Dat" and ends the program.
//
// The start runs in three stages behind the start-up window: Form_Load
// shows the windows; InitTimer1 (300 ms) sets the folders, moves the samples
// on the first run, reads "Ornisk.Dat" and makes the previews; InitTimer2
// (1800 ms) drops the start-up window and restores the last choices.
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "platform/core/host.h"
#include "platform/core/profile.h"
#include "shell/app_state.h"
#include "shell/error_report.h"
#include "shell/preview_cache.h"
#include "shell/ui/editor_window.h"

class QBoxLayout;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace orn {

class FileDialogs;
class HelpWindow;
class TitleForm;

class MainMenu : public QMainWindow {
  Q_OBJECT
 public:
  // `app.AppFolder` must be set: the program folder. `newEditor` makes the
  // editor a sample opens. `dialogs` (may be null) serves the editors' file
  // dialogs. Nothing is owned.
  MainMenu(Host& host, AppState& app, const ProfileSource& profile, EditorFactory newEditor,
           FileDialogs* dialogs = nullptr, QWidget* parent = nullptr);
  ~MainMenu() override;

  // The menu's error report: its commands report their failures there, and
  // the program's last guard of the event loop too.
  ErrorReport& errors() { return errors_; }

  // ---- start-up ----
  void MainMenu_Form_Load();
  void InitTimer1_Timer();
  void InitTimer2_Timer();
  // The stages' pauses (tests and benchmarks shorten them).
  void setStartDelays(int initTimer1Ms, int initTimer2Ms);
  // The menu is up with every preview: the start is over.
  bool ready() const { return ready_; }
  // How many previews this start rendered; the rest were read from the
  // program folder.
  int previewsRendered() const { return previews_ ? previews_->rendered() : 0; }

  // ---- the rows and the samples ----
  void MaMode_Click(int Index);
  void MaPat_Click(int Index);
  // Opens sample `index` of art type `art` (models: 0-6, "Mo&re" 10-16).
  void openSample(int art, int index);
  void MoreMen_Click();
  void MoreMod_Click(int Index) { openSample(kArtModel, Index + 10); }

  // ---- the slide shows, help and About (main_menu_shows.cpp) ----
  // "Ornivale Art Show": the samples one after another.
  void StdArtShow_Click();
  // "Your Art Show": Index 2 the titled pictures of the current folder, 3 all.
  void YourArt_Click(int Index);
  // "&Help" (and F1): the main menu's help page.
  void Helper_Click();
  // Shows the help page of `topic` in the program's help window, for
  // `asker`: the menu, the editor or a dialog of the editor.
  void showHelp(int topic, QWidget& asker);
  HelpWindow* helpWindow() const { return help_; }
  void Aboutcode_Click();

  // ---- to the editor and back ----
  void ShowSymPaint();
  void WakeUp_Timer();
  void MainMenu_Form_Activate();
  void MainRaftUp_Timer();
  // The open editor; null while the menu is shown.
  EditorWindow* editor() const { return editor_; }
  // An art type to restore when the menu comes back (-1: none).
  int PendingArtType = -1;

  // ---- controls ----
  QWidget* MainRaft = nullptr;
  std::array<QToolButton*, 4> MaMode{};
  std::array<QToolButton*, 4> MaPat{};
  QLabel* ModeArt = nullptr;
  QLabel* MainMsg = nullptr;
  std::array<QWidget*, 4> ArtRaft{};
  // The sample pictures of each art type, in the order of their captions.
  std::array<std::vector<QToolButton*>, 4> samples;
  QPushButton* MoreMen = nullptr;
  QMenu* MoreM = nullptr;
  TitleForm* titleForm() const { return TitleForm_; }
  QTimer* InitTimer1 = nullptr;
  QTimer* InitTimer2 = nullptr;
  QTimer* MainRaftUp = nullptr;
  QTimer* WakeUp = nullptr;

 signals:
  void startFinished();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void buildMenus();
  void buildRows(QWidget* into);
  std::array<QToolButton*, 4> buildRow(QWidget* into, QBoxLayout* box, const char* name,
                                       const char* (*word)(int), int iconSize,
                                       const std::function<void(int)>& click);
  QWidget* buildArtPanel(int art);
  void setUpProgramFolder();
  void loadPreviews();
  void setCaptions();
  void wireShowsAndHelp();
  // `command` run under the error report's trap with `tag`.
  std::function<void()> trapped(const char* tag, std::function<void()> command);
  // Opens the editor on the first slide of the show now in ShowList.
  void startShow(int mode);
  std::filesystem::path samplePath(int art, int index) const;

  Host& host_;
  ErrorReport errors_;
  AppState& app_;
  const ProfileSource& profile_;
  FileDialogs* dialogs_;
  std::unique_ptr<PreviewCache> previews_;
  TitleForm* TitleForm_ = nullptr;
  HelpWindow* help_ = nullptr;
  EditorFactory newEditor_;
  QPointer<EditorWindow> editor_;
  QString ModeWord_ = "Show";
  QString ArtWord_ = "Patterns";
  bool ReturnedFromEditor = false;
  bool ready_ = false;
  bool quitting_ = false;
};

}  // namespace orn
