// The main menu and the editor through their real windows: the start-up on
// a first run, the hand-over of a sample to the editor in each mode, the
// settings written at the editor's exit and read at its next start, and the
// return to the menu.
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include <QTextBrowser>

#include "canvas/ui/sym_setup_panel.h"
#include "platform/canvas_widget.h"
#include "platform/core/app_folder.h"
#include "print/print_fixture.h"
#include "print/ui/print_frm.h"
#include "platform/qt_colour.h"
#include "shell/first_run.h"
#include "shell/help.h"
#include "shell/ornisk_dat.h"
#include "shell/paint_dat.h"
#include "shell/preview_cache.h"
#include "shell/preview_render.h"
#include "shell/sample_pictures.h"
#include "shell/slide_show.h"
#include "shell/ui/error_msg_box.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_menu.h"
#include "support/watched_fifo.h"
#include "support/window_manager.h"
#include "ui/main_menu_support.h"
#include "ui/pic_edit_fixture.h"
#include "ui/print_gui_fixture.h"

namespace orn::test {
namespace {

namespace fs = std::filesystem;

class MainMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app();
    // A first run: the samples lie in the program folder itself.
    fs::copy_file(fs::path(ORNIVALE_SOURCE_DIR) / "data" / "Standard.Clr", folder.path("Standard.Clr"));
    for (auto n : {"OVMOD4A.PNT", "OVPP1A.PNT", "OVRO1A.PNT", "OVTE2A.PNT", "OVMOD5D.PNT", "OVXOWL4.PNT"})
      SaveLinePicture(folder.path(n));
    state.AppFolder = folder.dir().string();
  }
  void TearDown() override {
    if (menu && test::EditorOf(*menu)) test::EditorOf(*menu)->editor().PicChanged = false;
    menu.reset();
  }

  void start(const ProfileSource* desktop = nullptr) {
    menu = test::MakeMainMenu(host, state, desktop ? *desktop : profile, &dialogs);
    menu->setStartDelays(0, 0);
    menu->MainMenu_Form_Load();
    ASSERT_TRUE(waitFor([this] { return menu->ready(); }));
  }
  // Clicks as the user does: a mode, an art type, then a sample.
  void open(int mode, int art, int index) {
    QTest::mouseClick(menu->MaMode[std::size_t(mode)], Qt::LeftButton);
    QTest::mouseClick(menu->MaPat[std::size_t(art)], Qt::LeftButton);
    QTest::mouseClick(menu->samples[std::size_t(art)][std::size_t(index)], Qt::LeftButton);
  }
  // The editor once its start timer has loaded the picture.
  PicEdit& openedEditor() {
    EXPECT_TRUE(waitFor([this] { return test::EditorOf(*menu) && test::EditorOf(*menu)->start().StartDone; }));
    return *test::EditorOf(*menu);
  }
  void exitEditor() {
    test::EditorOf(*menu)->menus().menuItem("MenFileExit")->trigger();
    ASSERT_TRUE(waitFor([this] { return test::EditorOf(*menu) == nullptr && menu->isVisible(); }));
    ASSERT_TRUE(waitFor([this] { return menu->MainRaft->isVisible(); }));
  }

  test::ScratchFolder folder;  // the program folder
  ScriptedHost host;
  ScriptedDialogs dialogs;
  FixedProfileSource profile;
  AppState state;
  std::unique_ptr<MainMenu> menu;
};

TEST_F(MainMenuTest, FirstStartMovesTheSamplesShowsTheirPreviewsRestoresTheLastChoicesAndQuittingWritesThem) {
  // Out-of-range choices keep their two lowest bits: mode 5 is Edit, art 6 Drawing.
  std::ofstream(folder.path("Ornisk.Dat")) << "/somewhere\r\n 0 \r\n 5  6 \r\n 1 \r\n";
  SaveLinePicture(folder.path("OVTE2A.PNT"), Rgb(0x3080F0));  // an orange background
  start();
  EXPECT_TRUE(fs::exists(folder.path("STATIC/OVPP1A.PNT")));
  EXPECT_FALSE(fs::exists(folder.path("OVPP1A.PNT")));
  EXPECT_EQ(menu->windowTitle(), "Ornivale - Version 6");
  EXPECT_EQ(menu->ModeArt->text(), "Drawings");
  EXPECT_EQ(menu->MainMsg->text(), "Click on the drawing below that you want to edit");
  EXPECT_TRUE(menu->ArtRaft[kArtDrawing]->isVisible());
  EXPECT_FALSE(menu->ArtRaft[kArtPattern]->isVisible());
  EXPECT_EQ(state.Print.PrintOrientation, 1);
  // Present samples show their previews; a missing one shows none.
  EXPECT_FALSE(menu->samples[kArtDrawing][1]->icon().isNull());
  EXPECT_TRUE(menu->samples[kArtDrawing][0]->icon().isNull());
  EXPECT_TRUE(fs::exists(folder.path("previews/OVTE2A.PNT.pv")));
  // The button shows the stored preview pixel for pixel, in its own colours.
  const auto stored = ReadPreviewFile(folder.path("previews/OVTE2A.PNT.pv"));
  ASSERT_TRUE(stored);
  const QImage shown = menu->samples[kArtDrawing][1]->icon().pixmap(stored->width(), stored->height()).toImage();
  ASSERT_EQ(shown.size(), QSize(stored->width(), stored->height()));
  int differing = 0, unlikeReversed = 0;
  for (int y = 0; y < stored->height(); ++y)
    for (int x = 0; x < stored->width(); ++x) {
      const QColor want = toQColor(stored->point(x, y));
      differing += shown.pixelColor(x, y) != want;
      unlikeReversed += want.red() != want.blue();
    }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(unlikeReversed, 0) << "the preview has colours that red and blue swapped would change";
  EXPECT_TRUE(host.boxes.empty());

  // Quitting writes the choices then in force.
  QTest::mouseClick(menu->MaMode[kStartRepaint], Qt::LeftButton);
  QTest::mouseClick(menu->MaPat[kArtModel], Qt::LeftButton);
  state.Print.PrintOrientation = 0;
  menu->close();
  MenuSettings s;
  ASSERT_TRUE(ReadOrniskDat(folder.path("Ornisk.Dat"), s));
  EXPECT_EQ(s.MenuMode, kStartRepaint);
  EXPECT_EQ(s.MenuArtType, kArtModel);
  EXPECT_EQ(s.PrintOrientation, 0);
  EXPECT_EQ(s.LastFolder, fs::current_path().string());
}

// The build renders every sample's preview into the data it installs: a first
// start seeded from that data takes each preview from there, and renders
// again only the preview of a sample changed later.
TEST_F(MainMenuTest, AFirstRunFromTheBuildsDataRendersNoPreviewUntilASampleChanges) {
  const fs::path seeded = folder.path("seeded");
  ASSERT_EQ(prepareAppFolder(seeded, fs::path(ORNIVALE_DATA_DIR)).state, FolderState::Created);
  state.AppFolder = withTrailingSeparator(seeded);
  start();
  EXPECT_TRUE(fs::exists(seeded / "STATIC/OVPP1A.PNT"));
  EXPECT_EQ(menu->previewsRendered(), 0);
  for (int art = kArtPattern; art <= kArtModel; ++art)
    for (QToolButton* b : menu->samples[std::size_t(art)]) EXPECT_FALSE(b->icon().isNull());
  // What the build stored is what the program renders: for a model, its solid.
  EXPECT_EQ(ReadPreviewFile(seeded / "previews/OVMOD4A.PNT.pv"),
            RenderPreview(seeded / "STATIC/OVMOD4A.PNT", kMenuPreviewSize, kMenuPreviewSize));
  menu.reset();

  fs::last_write_time(seeded / "STATIC/OVRO3A.PNT", fs::file_time_type::clock::now());
  start();
  EXPECT_EQ(menu->previewsRendered(), 1);
}

// A program folder made before the samples were built (an empty one, with
// the user's own colours and a changed rose) gets the samples and their
// previews at the next start; the user's files stay as they are.
TEST_F(MainMenuTest, AFolderMadeWithoutSamplesGetsThemAtTheNextStartAndKeepsTheUsersOwn) {
  const fs::path app = folder.path("made-earlier");
  ASSERT_EQ(prepareAppFolder(app, std::nullopt).state, FolderState::Created);
  std::ofstream(app / "Standard.Clr") << "my colours";
  fs::create_directories(app / "STATIC");
  SaveLinePicture(app / "STATIC/OVRO2A.PNT", kWhite, "Mine");
  const std::vector<std::uint8_t> mine = ReadBytes(app / "STATIC/OVRO2A.PNT");
  state.AppFolder = withTrailingSeparator(app);
  state.InstalledFolder = withTrailingSeparator(fs::path(ORNIVALE_DATA_DIR));
  start();

  int samples = 0;
  for (const auto& f : fs::directory_iterator(app / "STATIC")) samples += hasExtension(f.path(), ".PNT");
  EXPECT_EQ(samples, 39);
  EXPECT_EQ(menu->previewsRendered(), 1) << "only the user's own rose needs a preview";
  for (int art = kArtPattern; art <= kArtModel; ++art)
    for (QToolButton* b : menu->samples[std::size_t(art)]) EXPECT_FALSE(b->icon().isNull());
  EXPECT_EQ(ReadBytes(app / "STATIC/OVRO2A.PNT"), mine);
  const std::vector<std::uint8_t> colours = ReadBytes(app / "Standard.Clr");
  EXPECT_EQ(std::string(colours.begin(), colours.end()), "my colours");
  EXPECT_TRUE(fs::exists(app / "help" / kHelpContentsPage));
  EXPECT_TRUE(host.boxes.empty());
}

bool Says(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A program folder that cannot be made is told at start in a message box
// that names the folder, the reason and what to do.
TEST_F(MainMenuTest, AFolderThatCannotBeMadeIsToldAtStart) {
  std::ofstream(folder.path("in-the-way")) << "a file";
  const AppFolderResult r = prepareAppFolder(folder.path("in-the-way") / "ornivale", std::nullopt);
  TakeProgramFolder(state, r);
  start();
  ASSERT_EQ(host.boxes.size(), 1u);
  const std::string& told = host.boxes[0].text;
  EXPECT_EQ(host.boxes[0].icon, MsgIcon::Exclamation);
  EXPECT_TRUE(Says(told, r.folder.string())) << told;
  EXPECT_TRUE(Says(told, "Not a directory")) << told;
  EXPECT_TRUE(Says(told, "Make sure the folder can be made")) << told;
  EXPECT_TRUE(menu->MainRaft->isVisible()) << "the menu comes up all the same";
}

// A folder on a disk that takes nothing new (mounted read-only, or full) is
// used as it is: the start says what will not be kept and why, and the
// samples it holds are shown and open.
TEST_F(MainMenuTest, AFolderThatCannotBeWrittenIsToldWhatItWillNotKeepAndItsSamplesOpen) {
  ASSERT_EQ(MoveSamplesIntoStatic(folder.dir(), std::nullopt).failures.size(), 0u);  // an earlier start's
  TakeProgramFolder(state, {FolderState::Existing, folder.dir(), cannotWriteInto(folder.dir(), EROFS)});
  start();
  ASSERT_EQ(host.boxes.size(), 1u);
  const std::string told = host.boxes[0].text;
  EXPECT_TRUE(Says(told, "cannot write into the folder")) << told;
  EXPECT_TRUE(Says(told, "mounted read-only")) << told;
  EXPECT_TRUE(Says(told, "are not kept")) << told;
  EXPECT_FALSE(Says(told, "cannot be shown") || Says(told, "cannot be opened")) << told;
  EXPECT_FALSE(menu->samples[kArtRose][0]->icon().isNull());
  open(kStartEdit, kArtRose, 0);
  EXPECT_GT(openedEditor().list().NumPoints, 0);
  exitEditor();
}

// However many files cannot be put into the program folder, the box that
// names them fits a screen: each reason once, with its count and its first
// few files.
TEST_F(MainMenuTest, ManyFilesThatCannotBePutIntoTheFolderAreToldInABoxThatFitsTheScreen) {
  std::ofstream(folder.path("STATIC")) << "a file where the sample folder should be";
  state.InstalledFolder = withTrailingSeparator(ORNIVALE_DATA_DIR);
  start();
  ASSERT_EQ(host.boxes.size(), 1u);
  const std::string told = host.boxes[0].text;
  EXPECT_EQ(host.boxes[0].title, "Initializing Files");
  EXPECT_TRUE(Says(told, "Not a directory (")) << told;
  EXPECT_TRUE(Says(told, "the folder cannot be made (1 file)")) << told;
  EXPECT_TRUE(Says(told, "start Ornivale again")) << told;
  const int failures = std::stoi(told);
  EXPECT_GT(failures, 30) << told;
  EXPECT_LT(std::count(told.begin(), told.end(), '\n'), 20) << told;
  QMessageBox box(QMessageBox::Warning, "Initializing Files", QString::fromStdString(told), QMessageBox::Ok);
  EXPECT_LT(box.sizeHint().height(), 600) << told;
}

// A program folder other users may write into is not used at all: the user
// is told why, nothing is read from it, and quitting writes nothing there
// (nor in the working folder), so links planted there for the settings lead
// nowhere.
TEST_F(MainMenuTest, AFolderOthersMayWriteIntoIsToldAndNeitherReadNorWritten) {
  const fs::path shared = folder.path("shared");
  fs::create_directories(shared / "STATIC");
  ::chmod(shared.c_str(), 0777);
  fs::copy_file(folder.path("OVPP1A.PNT"), shared / "STATIC" / "OVPP1A.PNT");
  std::ofstream(folder.path("private")) << "the user's own";
  ::chmod(folder.path("private").c_str(), 0600);
  for (auto n : {"Ornisk.Dat", "Paint.Dat", "Standard.Clr"}) fs::create_symlink(folder.path("private"), shared / n);
  const fs::path working = folder.path("working");
  fs::create_directories(working);
  fs::current_path(working);

  TakeProgramFolder(state, prepareAppFolder(shared, fs::path(ORNIVALE_DATA_DIR)));
  EXPECT_EQ(state.AppFolder, "");
  start();
  ASSERT_EQ(host.boxes.size(), 1u);
  const std::string told = host.boxes[0].text;
  EXPECT_TRUE(Says(told, "other users may write into " + shared.string())) << told;
  EXPECT_TRUE(Says(told, "chmod go-w '" + shared.string() + "'")) << told;
  EXPECT_FALSE(Says(told, "Make sure the folder can be made")) << told;
  EXPECT_TRUE(menu->samples[kArtPattern][0]->icon().isNull()) << "no sample is taken from there";
  // A sample asked for says why it cannot be opened, not that it is missing.
  open(kStartEdit, kArtPattern, 0);
  EXPECT_EQ(test::EditorOf(*menu), nullptr);
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_TRUE(Says(host.boxes[1].text, "cannot be opened")) << host.boxes[1].text;
  EXPECT_TRUE(Says(host.boxes[1].text, "other users may write into " + shared.string())) << host.boxes[1].text;
  EXPECT_FALSE(Says(host.boxes[1].text, "missing")) << host.boxes[1].text;
  menu->close();
  const std::vector<std::uint8_t> kept = ReadBytes(folder.path("private"));
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "the user's own");
  for (auto n : {"Ornisk.Dat", "Paint.Dat", "Standard.Clr"}) EXPECT_TRUE(fs::is_symlink(shared / n)) << n;
  EXPECT_TRUE(fs::is_empty(working));
  EXPECT_EQ(host.boxes.size(), 2u);
}

TEST_F(MainMenuTest, EachModeOpensTheSampleAsItsRulesSayAndTheMenuComesBack) {
  start();
  struct Case {
    int mode, art, index;
    const char* file;
    bool showMode;
    int loadOption;
  };
  const Case cases[] = {
      {kStartDisplay, kArtPattern, 0, "OVPP1A.PNT", true, kLoadNormal},
      {kStartEdit, kArtRose, 0, "OVRO1A.PNT", false, kLoadNormal},
      {kStartRepaint, kArtDrawing, 1, "OVTE2A.PNT", false, kLoadNormal},
      {kStartRedraw, kArtPattern, 0, "OVPP1A.PNT", false, kLoadEraseColours},
      {kStartRedraw, kArtModel, 3, "OVMOD5D.PNT", false, kLoadNormal},
  };
  for (const Case& c : cases) {
    open(c.mode, c.art, c.index);
    ASSERT_NE(test::EditorOf(*menu), nullptr) << c.file;
    EXPECT_FALSE(menu->isVisible()) << "the menu hides while the editor is open";
    EXPECT_FALSE(state.MenuBackFlag);
    EXPECT_EQ(fs::path(state.PicturePath).filename(), c.file);
    EXPECT_EQ(state.LoadOption, c.loadOption) << c.file;
    PicEdit& e = openedEditor();
    EXPECT_EQ(e.showMode(), c.showMode) << c.file;
    EXPECT_GT(e.list().NumPoints, 0) << c.file << " was loaded";
    exitEditor();
    EXPECT_TRUE(state.MenuBackFlag);
    EXPECT_EQ(state.StartMode, c.mode) << "the mode the sample was opened in comes back";
    EXPECT_TRUE(menu->MaMode[std::size_t(c.mode)]->isChecked());
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(MainMenuTest, ExtraModelsOpenFromTheMorePopUp) {
  start();
  QTest::mouseClick(menu->MaMode[kStartDisplay], Qt::LeftButton);
  QTest::mouseClick(menu->MaPat[kArtModel], Qt::LeftButton);
  menu->MoreM->actions()[0]->trigger();  // "&Owl"
  ASSERT_NE(test::EditorOf(*menu), nullptr);
  EXPECT_EQ(fs::path(state.PicturePath).filename(), "OVXOWL4.PNT");
  EXPECT_FALSE(state.OpenForEditing);
  PicEdit& e = openedEditor();
  // In the gallery a click on the picture leads back to the menu.
  QTest::mouseClick(e.Picture1, Qt::LeftButton, {}, {20, 20});
  ASSERT_TRUE(waitFor([this] { return test::EditorOf(*menu) == nullptr && menu->isVisible(); }));
}

// A titled model sample shown from the Model samples keeps its name, and its
// folded model stands in the corner its digit names: the menu's own picture
// of it. (The corner of each digit: tests/symmetry/model_frame_test.cpp.)
TEST_F(MainMenuTest, AModelSampleShowsTheMenusPictureOfItsModelInACornerOfTheCanvas) {
  SaveLinePicture(folder.path("OVMOD4A.PNT"), kWhite, "Fire");
  start();
  const auto fire = ReadPreviewFile(folder.path("previews/OVMOD4A.PNT.pv"));
  ASSERT_TRUE(fire);
  open(kStartDisplay, kArtModel, 0);
  PicEdit& e = openedEditor();
  ASSERT_TRUE(e.showMode());
  EXPECT_TRUE(e.modelFrame().Model().isVisible());
  EXPECT_EQ(e.modelFrame().Model().pos(), e.Picture1->pos() + QPoint(10, 10));
  EXPECT_TRUE(*e.modelFrame().Model().surface() == *fire);
  // A name without a model digit leaves the picture where it is; the next
  // load takes it away.
  e.file().FileName = "/x/OVMODXA.PNT";
  e.modelFrame().FrameModel(4);
  EXPECT_TRUE(e.modelFrame().Model().isVisible());
  EXPECT_EQ(e.modelFrame().Model().pos(), e.Picture1->pos() + QPoint(10, 10));
  dialogs.opens = {folder.path("STATIC/OVPP1A.PNT").string()};
  e.menus().menuItem("MenFileLoad(0)")->trigger();
  EXPECT_FALSE(e.modelFrame().Model().isVisible());
  exitEditor();

  // Opened for editing it takes a new name and shows no model.
  open(kStartEdit, kArtModel, 0);
  EXPECT_FALSE(openedEditor().modelFrame().Model().isVisible());
}

// The file dialogs of a picture that has no folder of the user's (a sample
// opened from the menu, a new picture) open in the program folder while the
// user has no picture of his own: never in the folder the program was
// started from, nor in the wallpaper folder after a wallpaper, saved or not.
TEST_F(MainMenuTest, FileDialogsOfASampleOrANewPictureOpenInTheProgramFolderEvenAfterAWallpaper) {
  fs::copy_file(fs::path(ORNIVALE_DATA_DIR) / "OVPP1A.PNT", folder.path("OVPP1A.PNT"),
                fs::copy_options::overwrite_existing);
  const HomeFolder home(folder.path("home"));
  const fs::path wallpapers = folder.path("home/Pictures/Ornivale Wallpapers");
  start();
  open(kStartEdit, kArtPattern, 0);
  PicEdit& e = openedEditor();
  const auto trigger = [&e](const char* item) { e.menus().menuItem(item)->trigger(); };
  const auto dialogsOpenIn = [&](const fs::path& where, const char* after) {
    dialogs.openRequests.clear();
    dialogs.saveRequests.clear();
    for (const char* item : {"MenFileLoad(0)", "MenFileSaveAs", "MenSaveBitmap"}) trigger(item);
    ASSERT_EQ(dialogs.openRequests.size(), 1u) << after;
    ASSERT_EQ(dialogs.saveRequests.size(), 2u) << after;
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, where.string()) << after << ": Load Picture";
    EXPECT_EQ(dialogs.saveRequests[0].initialFolder, where.string()) << after << ": Save Picture As";
    EXPECT_EQ(dialogs.saveRequests[1].initialFolder, where.string()) << after << ": Save as Bitmap";
  };
  dialogsOpenIn(folder.dir(), "the sample");
  trigger("MenSaveWall");  // cancelled
  dialogsOpenIn(folder.dir(), "a cancelled wallpaper");
  dialogs.saves = {(wallpapers / "tile.bmp").string()};
  trigger("MenSaveWall");
  ASSERT_TRUE(fs::exists(wallpapers / "tile.bmp"));
  dialogsOpenIn(folder.dir(), "a saved wallpaper");
  host.ctrl = true;  // an empty new picture
  trigger("MenFileNew");
  host.ctrl = false;
  ASSERT_EQ(e.list().NumPoints, 0);
  dialogsOpenIn(folder.dir(), "a new picture");
}

TEST_F(MainMenuTest, AMissingSampleIsNamedInAMessageAndNoEditorOpens) {
  start();
  open(kStartEdit, kArtRose, 4);
  EXPECT_EQ(test::EditorOf(*menu), nullptr);
  EXPECT_TRUE(menu->MainRaft->isVisible());
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_NE(host.boxes[0].text.find("OVRO5A.PNT"), std::string::npos);
}

TEST_F(MainMenuTest, SettingsFilesLeftAsFifosGiveTheDefaultsAndTheProgramRunsOn) {
  fs::remove(folder.path("Standard.Clr"));
  WatchedFifo colours(folder.path("Standard.Clr"));
  WatchedFifo menuSettings(folder.path("Ornisk.Dat"));
  WatchedFifo editorSettings(folder.path("Paint.Dat"));
  start();
  open(kStartEdit, kArtRose, 0);
  PicEdit& e = openedEditor();
  EXPECT_EQ(e.draw().LineWidth, 1);
  EXPECT_EQ(e.tools().engine().ms.SnapSize, 3);
  // The standard colours say they are damaged, as a damaged file does.
  EXPECT_TRUE(std::any_of(host.boxes.begin(), host.boxes.end(), [](const ShownBox& b) {
    return b.text.find("\"Standard.Clr\" is missing or damaged") != std::string::npos;
  }));
  exitEditor();
  for (const WatchedFifo* f : {&colours, &menuSettings, &editorSettings})
    EXPECT_FALSE(f->openedForReading()) << f->path();
}

TEST_F(MainMenuTest, EditorSettingsAreWrittenAtExitAndReadAtTheNextStart) {
  start();
  open(kStartEdit, kArtRose, 0);
  PicEdit& e = openedEditor();
  // No settings file yet: the defaults.
  EXPECT_EQ(e.draw().LineWidth, 1);
  EXPECT_EQ(e.tools().engine().ms.SnapSize, 3);
  EXPECT_EQ(e.menus().menuItem("MenOptionsGravity")->text(), "&Snap 3...");
  e.draw().LineWidth = 6;
  e.tools().engine().ms.SnapSize = 0;
  e.tools().engine().ms.DrawCursor = kPointerUpArrow;
  e.colour().CustomPalette[2] = 0x010203;
  e.file().RecentFiles[0] = "/pictures/mine.PNT";
  e.sym().WorkingSym = 3;
  exitEditor();

  const PaintDatRead written = ReadPaintDat(folder.path("Paint.Dat"), 0, false);
  ASSERT_TRUE(written.fromFile);
  EXPECT_EQ(written.settings.LineWidth, 6);
  EXPECT_EQ(written.settings.DrawCursor, kPointerUpArrow);

  open(kStartEdit, kArtRose, 0);
  PicEdit& next = openedEditor();
  EXPECT_EQ(next.tools().engine().ms.SnapSize, 0);
  EXPECT_EQ(next.colour().CustomPalette[2], 0x010203u);
  const Surface& custom = *next.colours().Picture10->surface();  // and the grid shows it
  EXPECT_EQ(custom.point(int(2.5 * (custom.width() - 1) / 8), int(0.5 * (custom.height() - 1) / 2)), 0x010203);
  EXPECT_EQ(next.file().RecentFiles[0], "/pictures/mine.PNT");
  EXPECT_TRUE(next.menus().menuItem("FName(0)")->isVisible());
  EXPECT_EQ(next.sym().WorkingSym, kAllReplicas) << "every start draws into every copy";
  EXPECT_EQ(next.menus().menuItem("MenOptionsGravity")->text(), "&Snap 0...");
}

// A name holding a line break never goes into a line of a settings file: the
// program started in such a folder remembers the folder it remembered before,
// and a picture under such a name opens and saves as any other but stays off
// the recent files. Every other setting comes back at the next start.
TEST_F(MainMenuTest, ANameWithALineBreakShiftsNoLineOfTheSettingsFiles) {
  std::ofstream(folder.path("Ornisk.Dat")) << "/somewhere\r\n 0 \r\n 0  0 \r\n 0 \r\n";
  const fs::path working = folder.path("start\nhere");
  fs::create_directory(working);
  fs::current_path(working);
  const fs::path good = folder.path("good.PNT");
  const fs::path carriageReturn = folder.path("rose\rbreak.PNT");
  const fs::path lineFeed = working / "rose\nbreak.PNT";
  for (const fs::path& p : {good, carriageReturn, lineFeed}) SaveLinePicture(p);
  start();
  open(kStartEdit, kArtRose, 0);
  PicEdit& e = openedEditor();
  const auto load = [&e, this](const fs::path& p) {
    dialogs.opens = {p.string()};
    e.menus().menuItem("MenFileLoad(0)")->trigger();
    EXPECT_EQ(e.file().FileName, p.string());
  };
  load(good);
  load(carriageReturn);
  const fs::path savedAs = folder.path("saved\nas.PNT");
  dialogs.saves = {savedAs.string()};
  e.menus().menuItem("MenFileSaveAs")->trigger();
  EXPECT_EQ(e.file().FileName, savedAs.string());
  EXPECT_GT(fs::file_size(savedAs), 0u);
  load(lineFeed);  // the dialog's folder becomes the working folder
  ASSERT_EQ(fs::current_path(), working);
  EXPECT_EQ(e.file().RecentFiles, (std::array<std::string, 4>{good.string(), "", "", ""}));
  e.tools().engine().ms.SnapSize = 0;
  e.colour().CustomPalette[2] = 0x010203;
  exitEditor();

  open(kStartEdit, kArtRose, 0);
  PicEdit& next = openedEditor();
  EXPECT_EQ(next.tools().engine().ms.SnapSize, 0);
  EXPECT_EQ(next.colour().CustomPalette[2], 0x010203u);
  EXPECT_EQ(next.file().RecentFiles[0], good.string());
  exitEditor();
  menu->close();
  MenuSettings s;
  EXPECT_TRUE(ReadOrniskDat(folder.path("Ornisk.Dat"), s));
  EXPECT_EQ(s.LastFolder, "/somewhere") << "the folder remembered before stays";

  start();
  EXPECT_EQ(state.MenuMode, kStartEdit);
  EXPECT_EQ(state.MenuArtType, kArtRose);
  EXPECT_EQ(menu->ModeArt->text(), "Roses");
}

TEST_F(MainMenuTest, AnEditorClosedBeforeItsPictureLoadedLeavesNoBusyPointerOverTheMenu) {
  start();
  EXPECT_EQ(host.hourglass, 0);
  open(kStartEdit, kArtRose, 0);
  ASSERT_NE(test::EditorOf(*menu), nullptr);
  ASSERT_FALSE(test::EditorOf(*menu)->start().StartDone);
  test::EditorOf(*menu)->close();
  ASSERT_TRUE(waitFor([this] { return test::EditorOf(*menu) == nullptr && menu->isVisible(); }));
  EXPECT_EQ(host.hourglass, 0);
}

// Closing the editor while a redraw runs or while a load lets events run
// waits for it, and then returns to the menu.
TEST_F(MainMenuTest, ClosingDuringARedrawOrALoadWaitsForItAndThenReturns) {
  start();
  open(kStartEdit, kArtRose, 0);
  PicEdit& e = openedEditor();
  e.editor().Redrawing = true;
  e.close();
  EXPECT_TRUE(e.isVisible()) << "refused while the redraw runs";
  EXPECT_EQ(e.editor().StopFlag, kStopRequested);
  ASSERT_TRUE(waitForTimeouts(e.start().ReturnToMain, 2)) << "the exit is tried again";
  EXPECT_NE(test::EditorOf(*menu), nullptr) << "still waiting";
  e.editor().Redrawing = false;
  ASSERT_TRUE(waitFor([this] { return test::EditorOf(*menu) == nullptr && menu->isVisible(); }));

  open(kStartEdit, kArtRose, 0);
  PicEdit& f = openedEditor();
  bool closedInside = false;
  // The load lets events run while it reads: the user closes the window
  // then, and the menu's timers get their turn.
  host.onPump = [&] {
    if (!closedInside) {
      closedInside = true;
      f.close();
    }
    QTest::qWait(20);
    EXPECT_NE(test::EditorOf(*menu), nullptr) << "the editor must outlive its load";
  };
  f.files().LoadPicture(folder.path("STATIC/OVRO1A.PNT").string());
  host.onPump = nullptr;
  ASSERT_TRUE(closedInside);
  EXPECT_GT(f.list().NumPoints, 0) << "the load ran to its end";
  ASSERT_TRUE(waitFor([this] { return test::EditorOf(*menu) == nullptr && menu->isVisible(); }));
}

// The editor is never torn down under a window of its own that waits for an
// answer: an exit asked for meanwhile (a retry's timer) waits until the box
// has gone. Once its exit has begun it takes no more input and starts no
// more redraws.
TEST_F(MainMenuTest, AnExitWaitsForTheEditorsOpenBoxAndThenTakesNoMoreInputOrRedraws) {
  start();
  open(kStartEdit, kArtRose, 0);
  QPointer<PicEdit> editor = &openedEditor();
  bool stayed = false;
  {
    QMessageBox box(QMessageBox::Information, "", "Waiting for an answer", QMessageBox::Ok, editor);
    QTimer::singleShot(0, [&] { editor->close(); });
    QTimer::singleShot(200, [&] {
      stayed = editor != nullptr && test::EditorOf(*menu) == editor && editor->isVisible();
      box.accept();
    });
    box.exec();
  }
  EXPECT_TRUE(stayed);
  // The menu lets go of the editor first; the window itself goes at a later
  // turn of the event loop.
  ASSERT_TRUE(waitFor([&] { return test::EditorOf(*menu) == nullptr && menu->isVisible() && editor == nullptr; }));

  open(kStartEdit, kArtRose, 0);
  editor = &openedEditor();
  editor->menus().menuItem("MenFileExit")->trigger();
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(editor->isEnabled());
  // Nor does it start a redraw or a load any more (a paint's queued redraw,
  // a caller that holds the editor): both let events run, and among them
  // the editor's end.
  const int pumps = host.pumps;
  editor->DrawAll(1);
  EXPECT_EQ(editor->files().LoadPicture(folder.path("STATIC/OVRO1A.PNT").string()), CommandStatus::Cancelled);
  EXPECT_EQ(host.pumps, pumps);
  ASSERT_TRUE(waitFor([this] { return test::EditorOf(*menu) == nullptr && menu->isVisible(); }));
}

TEST_F(MainMenuTest, AFailedSaveAtExitKeepsTheEditorAndItsPicture) {
  start();
  open(kStartEdit, kArtRose, 0);
  PicEdit& e = openedEditor();
  e.editor().PicChanged = true;
  const int points = e.list().NumPoints;
  // Save? Yes; the Save dialog names a folder that does not exist; the
  // failure report is answered Ignore.
  host.answers = {MsgResult::Yes, MsgResult::Ignore};
  dialogs.saves = {folder.path("no/such/folder/x.PNT").string()};
  e.close();
  // Both boxes answered, and whatever the answers set going has had its turn.
  ASSERT_TRUE(waitFor([this] { return host.answers.empty(); }));
  QApplication::processEvents();
  ASSERT_NE(test::EditorOf(*menu), nullptr);
  EXPECT_TRUE(e.isVisible());
  EXPECT_EQ(e.list().NumPoints, points);
  EXPECT_FALSE(fs::exists(folder.path("Paint.Dat"))) << "nothing was settled";
}

// A desktop whose printer cannot be asked for: the start's error box comes up.
class BrokenPrinterProfile : public ProfileSource {
 public:
  bool metricMeasurement() const override { return true; }
  std::string defaultPrinterName() const override { throw std::runtime_error("Printer not ready"); }
};

TEST_F(MainMenuTest, CancelInTheStartsErrorBoxEndsTheStartButTheHandedOverPictureStillLoads) {
  BrokenPrinterProfile broken;
  start(&broken);
  bool asked = false;
  QTimer answer;  // the box comes up inside the editor's start, after the menu's own pump
  QObject::connect(&answer, &QTimer::timeout, [&asked] {
    if (auto* box = qobject_cast<ErrorMsgBox*>(QApplication::activeModalWidget())) {
      asked = true;
      box->Command1[kErrorCancel]->click();
    }
  });
  answer.start(5);
  open(kStartEdit, kArtRose, 0);
  PicEdit& e = openedEditor();
  EXPECT_TRUE(asked);
  EXPECT_GT(e.list().NumPoints, 0);
}

// Help asked for from a dialog stands in front of it, and while the dialog
// waits the page scrolls and the window closes through the window system's
// own input, which a window behind a modal dialog does not get. Left open as
// the dialog goes, help belongs to the dialog's window.
class HelpOverDialogs : public MainMenuTest {
 protected:
  // The menu with the help pages of the source tree.
  void startWithHelp(const ProfileSource* desktop = nullptr) {
    start(desktop);
    state.HelpFile = (fs::path(ORNIVALE_SOURCE_DIR) / "data" / kHelpFolderName).string() + "/";
  }
  // The help window on the screen: the menu's, or while an editor is still
  // being made (before the menu hands it its help) the editor's own.
  static HelpWindow* shownHelp() {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* help = qobject_cast<HelpWindow*>(top); help != nullptr && help->isVisible()) return help;
    return nullptr;
  }
  // Over `dialog`: the page scrolls by Page Down, and the window goes by its
  // Close button; the dialog stays up. Under a window manager no window but
  // the dialog comes over help at a click on `control` or on its title bar.
  void useHelpOver(QWidget& dialog, QWidget& control) {
    HelpWindow* help = shownHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowHandle()->transientParent(), dialog.windowHandle()) << "in front of the dialog";
    staysInFrontOfClicks(*help, dialog, control);
    help->resize(320, 200);  // a page longer than the window
    QApplication::processEvents();
    help->browser()->setFocus();
    QScrollBar* bar = help->browser()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QTest::keyClick(help->windowHandle(), Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0) << "the page scrolls";
    const QPoint close = help->CloseButton->mapTo(help, help->CloseButton->rect().center());
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, close);
    EXPECT_FALSE(help->isVisible()) << "the window closes";
    EXPECT_TRUE(dialog.isVisible());
  }
  // Only under a window manager (ctest runs these tests under xvfb and
  // openbox too): it knows whose help the window is, and a real click on the
  // dialog brings nothing but the dialog over help, not the dialog's parent.
  // (A manager may raise a modal dialog over the windows that belong to it.)
  // Each step waits until the program too has taken it in, as it has before a
  // user's next step: on a busy machine a click or a change of focus it
  // hears of late would undo the step after it.
  static void staysInFrontOfClicks(HelpWindow& help, QWidget& dialog, QWidget& control) {
    if (!WindowManagerRuns()) return;
    EXPECT_EQ(TransientOwner(help), XWindowOf(dialog)) << "the window manager knows whose help it is";
    ReleasesOn releases(*dialog.windowHandle());
    for (const bool onTitleBar : {true, false}) {
      help.activateWindow();  // in front, as asked for
      EXPECT_TRUE(waitFor([&] {
        return ActiveWindow() == XWindowOf(help) && TopWindow() == XWindowOf(help) &&
               QGuiApplication::focusWindow() == help.windowHandle();
      })) << "help is not brought in front";
      const QPoint at = onTitleBar ? TitleBarOf(dialog) : MiddleOnScreen(control);
      const int released = releases.seen;
      Restacks restacks;
      ASSERT_TRUE(ClickOnScreen(at));
      ASSERT_TRUE(restacks.happened()) << "the window manager raises the dialog";
      ASSERT_TRUE(waitFor([&] {
        return QGuiApplication::focusWindow() == dialog.windowHandle() && (onTitleBar || releases.seen > released);
      })) << "the program takes in the click at " << at.x() << "," << at.y();
      for (const std::uint32_t above : WindowsAbove(help))
        EXPECT_EQ(above, XWindowOf(dialog)) << "over help after a click at " << at.x() << "," << at.y();
    }
  }
  // Counts the mouse buttons released on a window.
  struct ReleasesOn : QObject {
    explicit ReleasesOn(QWindow& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
      seen += e->type() == QEvent::MouseButtonRelease;
      return false;
    }
    int seen = 0;
  };
  // Whether `w` has come up, under a window manager as its window.
  static bool onTheScreen(const QWidget& w) {
    return !WindowManagerRuns() || waitFor([&w] {
      const auto stack = StackedWindows();
      return std::find(stack.begin(), stack.end(), XWindowOf(w)) != stack.end();
    });
  }
  // Help left open when the window it belongs to goes stays on the screen on
  // its own.
  static void standsAlone(HelpWindow& help) {
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowHandle()->transientParent(), nullptr);
    if (!WindowManagerRuns()) return;
    EXPECT_EQ(TransientOwner(help), 0u) << "no transient of a window that has gone";
    EXPECT_TRUE(onTheScreen(help));
  }
  static bool isAbove(const QWidget& upper, const QWidget& lower) {
    const auto above = WindowsAbove(lower);
    return std::find(above.begin(), above.end(), XWindowOf(upper)) != above.end();
  }
  // Help belongs to `owner`: it is the owner's transient, and under a window
  // manager named so and stacked above it.
  static void belongsTo(HelpWindow& help, QWidget& owner) {
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowHandle()->transientParent(), owner.windowHandle())
        << "help of " << qPrintable(owner.objectName());
    if (!WindowManagerRuns()) return;
    EXPECT_TRUE(onTheScreen(help) && onTheScreen(owner));
    EXPECT_EQ(TransientOwner(help), XWindowOf(owner)) << "the window manager knows whose help it is";
    EXPECT_TRUE(waitFor([&] { return isAbove(help, owner); })) << "help above " << qPrintable(owner.objectName());
  }
  // A point of `control` on the screen that `help`'s frame does not cover.
  static QPoint uncoveredPointOf(const QWidget& control, const HelpWindow& help) {
    const QRect covered = FrameOnScreen(help);
    const QPoint origin = MiddleOnScreen(control) - control.rect().center();
    for (int y = 1; y < 8; ++y)
      for (int x = 1; x < 8; ++x) {
        const QPoint at = origin + QPoint(control.width() * x / 8, control.height() * y / 8);
        if (!covered.contains(at)) return at;
      }
    return {};
  }
  // Under a window manager a real click on `control` of `owner`, with help
  // in front, brings the owner to the front and leaves help above it.
  static void staysAboveAtAClickOn(HelpWindow& help, QWidget& owner, QWidget& control) {
    if (!WindowManagerRuns()) return;
    help.activateWindow();
    ASSERT_TRUE(waitFor([&] {
      return ActiveWindow() == XWindowOf(help) && QGuiApplication::focusWindow() == help.windowHandle();
    })) << "help is not brought in front";
    const QPoint at = uncoveredPointOf(control, help);
    ASSERT_FALSE(at.isNull()) << "help covers the whole of " << qPrintable(control.objectName());
    ReleasesOn releases(*owner.windowHandle());
    ASSERT_TRUE(ClickOnScreen(at));
    ASSERT_TRUE(waitFor([&] { return QGuiApplication::focusWindow() == owner.windowHandle() && releases.seen > 0; }))
        << "the program takes in the click at " << at.x() << "," << at.y();
    EXPECT_TRUE(isAbove(help, owner)) << "help buried by a click at " << at.x() << "," << at.y();
  }
};

// Help asked for by the main menu belongs to the menu, and help asked for by
// the editor (its Help menu and F1, the symmetry set-up's Help, show mode's
// Help) to the editor: under a window manager a click on the maximised
// editor, on its canvas or on a handle of the set-up, leaves help above it.
// When the window it belongs to goes, help stays on its own.
class HelpOfItsWindow : public HelpOverDialogs {};

TEST_F(HelpOfItsWindow, HelpBelongsToTheWindowThatAskedForItAndStaysAboveItsClicks) {
  // A rose with its symmetry, which opens maximised.
  fs::copy_file(fs::path(ORNIVALE_DATA_DIR) / "OVRO1A.PNT", folder.path("OVRO1A.PNT"),
                fs::copy_options::overwrite_existing);
  startWithHelp();
  menu->activateWindow();  // F1 is the active window's
  ASSERT_TRUE(waitFor([this] { return menu->isActiveWindow(); }));
  QTest::keyClick(menu.get(), Qt::Key_F1);
  ASSERT_NE(menu->helpWindow(), nullptr);
  HelpWindow& help = *menu->helpWindow();
  belongsTo(help, *menu);
  open(kStartEdit, kArtRose, 0);  // the menu makes way for the editor
  PicEdit& e = openedEditor();
  standsAlone(help);
  ASSERT_TRUE(!WindowManagerRuns() || waitFor([&] { return MaximisedOnScreen(e) && e.isMaximized(); }));

  e.menus().menuItem("HelpP")->trigger();
  belongsTo(help, e);
  staysAboveAtAClickOn(help, e, *e.Picture1);

  e.menus().menuItem("Editsym")->trigger();
  ASSERT_TRUE(e.Picture5->isVisible());
  help.close();
  QTest::mouseClick(e.Picture5->Command3, Qt::LeftButton);
  belongsTo(help, e);
  staysAboveAtAClickOn(help, e, *e.Picture1);
  QTest::mouseClick(e.Picture5->SymOK[1], Qt::LeftButton);  // "Cancel"

  e.editor().PicChanged = false;  // the clicks' marks are not to be saved
  exitEditor();                   // the editor goes
  standsAlone(help);
  menu->findChild<QAction*>("Helper")->trigger();
  belongsTo(help, *menu);
}

TEST_F(HelpOfItsWindow, ShowModesHelpBelongsToTheEditor) {
  startWithHelp();
  open(kStartDisplay, kArtRose, 0);
  PicEdit& e = openedEditor();
  ASSERT_TRUE(e.showMode());
  e.menus().menuItem("GalHelp")->trigger();
  ASSERT_NE(menu->helpWindow(), nullptr);
  belongsTo(*menu->helpWindow(), e);
}

TEST_F(HelpOverDialogs, ThePrintLayoutsHelpIsInFrontAndUsableWhileTheLayoutWaits) {
  startWithHelp();
  open(kStartEdit, kArtRose, 0);
  PicEdit& e = openedEditor();
  RecordingPrinter printer;
  e.prints().setPrinter(&printer);
  e.menus().menuItem("HelpP")->trigger();  // the window is open already
  bool ran = false;
  whenModal<PrintFrm>([this, &ran](PrintFrm& d) {
    ASSERT_TRUE(onTheScreen(d));
    d.HelpCmd->click();
    useHelpOver(d, *d.TCopy);
    ran = true;
    d.HelpCmd->click();  // left open as the layout goes
    d.PrtGlob[1]->click();
  });
  e.menus().menuItem("MenFilePrint")->trigger();
  EXPECT_TRUE(ran);
  // With the dialog gone help belongs to the editor, the dialog's window.
  ASSERT_EQ(shownHelp(), menu->helpWindow());
  belongsTo(*menu->helpWindow(), e);
  e.prints().setPrinter(nullptr);
}

TEST_F(HelpOverDialogs, TheStartsErrorBoxShowsHelpInFrontOfItselfAskedAgain) {
  BrokenPrinterProfile broken;
  startWithHelp(&broken);
  int asked = 0;
  QTimer answer;  // the box comes up inside the editor's start
  QObject::connect(&answer, &QTimer::timeout, [this, &asked, &answer] {
    auto* box = qobject_cast<ErrorMsgBox*>(QApplication::activeModalWidget());
    if (box == nullptr || (asked > 0 && shownHelp() == nullptr)) return;
    if (++asked == 1) {
      box->Command1[kErrorHelp]->click();
      return;
    }
    if (asked == 2) {
      answer.stop();  // the checks below wait for the window system
      useHelpOver(*box, *box->Label1);
      box->Command1[kErrorHelp]->click();  // help comes again, and is left open
      answer.start(5);
      return;
    }
    answer.stop();
    box->Command1[kErrorCancel]->click();
  });
  answer.start(5);
  open(kStartEdit, kArtRose, 0);
  PicEdit& e = openedEditor();
  EXPECT_EQ(asked, 3);
  // With the box gone help belongs to the editor, the box's window.
  HelpWindow* help = shownHelp();
  ASSERT_NE(help, nullptr);
  belongsTo(*help, e);
}

// Under a window manager the editor opens maximised. A double click on its
// title bar gives it back a normal size with its whole frame on the screen,
// title bar and all, so that it can be taken by the title bar and moved;
// moved on, partly off the screen, it stays there.
class EditorUnderAWindowManager : public MainMenuTest {};

TEST_F(EditorUnderAWindowManager, UnmaximisedTheEditorKeepsItsFrameOnTheScreenUntilTheUserMovesIt) {
  if (!WindowManagerRuns()) GTEST_SKIP() << "no window manager";
  fs::copy_file(fs::path(ORNIVALE_DATA_DIR) / "OVRO1A.PNT", folder.path("OVRO1A.PNT"),
                fs::copy_options::overwrite_existing);
  start();
  open(kStartEdit, kArtRose, 0);
  PicEdit& e = openedEditor();
  ASSERT_TRUE(waitFor([&] { return MaximisedOnScreen(e) && e.isMaximized() && e.isActiveWindow(); }));
  const QRect screen = e.screen()->availableGeometry();
  const QSize maximised = XGeometryOf(e).size();
  ASSERT_TRUE(DoubleClickOnScreen(TitleBarOf(e)));
  // Un-maximised, and given its normal place, which the program knows too.
  ASSERT_TRUE(waitFor([&] {
    return !MaximisedOnScreen(e) && !e.isMaximized() && XGeometryOf(e).size() != maximised;
  })) << "not un-maximised";
  QRect frame;
  EXPECT_TRUE(waitFor([&] {
    frame = FrameOnScreen(e);
    return screen.contains(frame) && e.geometry() == XGeometryOf(e);
  })) << "the frame lies at " << frame.x() << "," << frame.y() << ", " << frame.width() << "x" << frame.height();

  // Moved partly off the screen, the window stays there.
  const QPoint moved = XOriginOf(e) + QPoint(240, 160);
  ASSERT_TRUE(MoveOnScreen(e, moved));
  ASSERT_TRUE(waitFor([&] { return XOriginOf(e) == moved && e.geometry().topLeft() == moved; }))
      << "the move is not taken in";
  QApplication::processEvents();
  EXPECT_EQ(XOriginOf(e), moved) << "the window is pulled back onto the screen";
  EXPECT_FALSE(screen.contains(FrameOnScreen(e)));
}

TEST_F(MainMenuTest, TheEditorStartsWithTheDesktopsDefaultPrinterOrWithoutOneSilently) {
  for (const std::string printer : {"hp deskjet 930c", ""}) {
    profile = FixedProfileSource(true, printer);
    start();
    open(kStartEdit, kArtRose, 0);
    PicEdit& e = openedEditor();
    EXPECT_EQ(e.printState().PrinterName, printer);
    EXPECT_EQ(e.printState().SetupPanelOn, !printer.empty()) << printer;
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(e.errors().state().ErrorBoxOpen);
    exitEditor();
    menu.reset();
  }
}

TEST_F(MainMenuTest, CanvasClicksWaitUntilTheEditorHasOpened) {
  start();
  open(kStartEdit, kArtRose, 0);
  PicEdit& e = *test::EditorOf(*menu);
  QTest::mouseClick(e.Picture1, Qt::LeftButton, {}, {30, 30});
  EXPECT_FALSE(e.editor().PicChanged) << "a click while the editor opens is ignored";
  ASSERT_TRUE(waitFor([&] { return !e.start().StartLoading && e.start().StartDone; }));
  QTest::mouseClick(e.Picture1, Qt::LeftButton, {}, {30, 30});
  EXPECT_TRUE(e.editor().PicChanged);
}

class ArtShows : public MainMenuTest {
 protected:
  QAction* item(const char* name) { return menu->findChild<QAction*>(name); }
};

// The program's show runs over the samples in the gallery, the models'
// panel shown meanwhile; afterwards the menu is as it was, and the next
// sample opens in the mode the menu shows.
TEST_F(ArtShows, TheProgramsShowRunsOverTheSamplesAndTheMenuComesBackAsItWas) {
  start();
  QTest::mouseClick(menu->MaMode[kStartEdit], Qt::LeftButton);
  QTest::mouseClick(menu->MaPat[kArtRose], Qt::LeftButton);
  item("StdArtShow")->trigger();
  EXPECT_EQ(state.MenuArtType, kArtModel);
  PicEdit& e = openedEditor();
  EXPECT_TRUE(e.showMode());
  EXPECT_EQ(state.ShowMode, 1);
  EXPECT_EQ(e.shows().CountLab->text(), "1 of 25 ");
  // "ovpp2a" is not among this folder's samples: the show goes on with "ovro1a".
  e.shows().ArtShowT_Timer();
  EXPECT_EQ(state.ShowIndex, 2);
  EXPECT_EQ(e.shows().CountLab->text(), "3 of 25 ");
  QTest::mouseClick(e.Picture1, Qt::LeftButton, {}, {20, 20});
  ASSERT_TRUE(waitFor([this] { return test::EditorOf(*menu) == nullptr && menu->MainRaft->isVisible(); }));
  EXPECT_EQ(state.MenuArtType, kArtRose);
  EXPECT_TRUE(menu->ArtRaft[kArtRose]->isVisible());
  EXPECT_EQ(state.StartMode, kStartEdit);
  QTest::mouseClick(menu->samples[kArtRose][0], Qt::LeftButton);
  EXPECT_FALSE(openedEditor().showMode()) << "the rose opens for editing, as the menu shows";
  exitEditor();
}

// The user's show takes the pictures of the working folder; without a
// (titled) picture there it says so and opens nothing.
TEST_F(ArtShows, YourArtShowShowsThePicturesOfTheWorkingFolder) {
  start();
  fs::create_directories(folder.path("mine"));
  fs::current_path(folder.path("mine"));
  item("YourArt(3)")->trigger();
  EXPECT_EQ(test::EditorOf(*menu), nullptr);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, NoArtText(false));
  SaveLinePicture(folder.path("mine/PLAIN.PNT"));
  item("YourArt(2)")->trigger();
  EXPECT_EQ(host.boxes.back().text, NoArtText(true));
  SaveLinePicture(folder.path("mine/DAWN.PNT"), kWhite, "Dawn");
  item("YourArt(2)")->trigger();
  PicEdit& e = openedEditor();
  EXPECT_EQ(state.ShowList, std::vector<std::string>{"DAWN"});
  EXPECT_EQ(e.windowTitle(), "Dawn");
  EXPECT_EQ(e.shows().CountLab->text(), "1 of 1 ");
  exitEditor();
}

// Started from any folder, the program lists the pictures saved in its own
// folder, where Save Picture As puts a new picture.
TEST_F(ArtShows, YourArtShowAfterAStartShowsThePicturesOfTheProgramFolder) {
  SaveLinePicture(folder.path("MINE.PNT"));
  fs::create_directories(folder.path("elsewhere"));
  fs::current_path(folder.path("elsewhere"));
  start();
  item("YourArt(3)")->trigger();
  EXPECT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  EXPECT_EQ(state.ShowList, std::vector<std::string>{"MINE"});
  openedEditor();
  exitEditor();
}

TEST_F(ArtShows, HelpShowsTheMainMenusPageAndAboutTheVersionAndFolder) {
  start();
  state.HelpFile = (fs::path(ORNIVALE_SOURCE_DIR) / "data" / kHelpFolderName).string() + "/";
  item("Helper")->trigger();
  ASSERT_NE(menu->helpWindow(), nullptr);
  EXPECT_TRUE(menu->helpWindow()->isVisible());
  EXPECT_EQ(menu->helpWindow()->HelpContext, kHelpMainMenu);
  EXPECT_TRUE(menu->helpWindow()->browser()->source().toLocalFile().endsWith("main-menu.html"));
  EXPECT_FALSE(menu->helpWindow()->browser()->toPlainText().isEmpty());
  item("Aboutcode")->trigger();
  ASSERT_FALSE(host.boxes.empty());
  EXPECT_EQ(host.boxes.back().title, "Ornivale Version 6");
  EXPECT_EQ(host.boxes.back().text.rfind("Ornivale Version 6 \nCreated - ", 0), 0u);
  EXPECT_NE(host.boxes.back().text.find("Installation Folder: " + state.AppFolder), std::string::npos);
}

// The help shows the pages of the program that runs: the installed ones, not
// an older copy in the program folder (which a start brings up to date).
TEST_F(ArtShows, HelpShowsTheInstalledPagesNotAnOlderCopyInTheProgramFolder) {
  test::ScratchFolder installed;
  fs::create_directories(installed.path("help"));
  std::ofstream(installed.path("help/main-menu.html")) << "<p>The page as installed.</p>";
  const fs::path copy = folder.path("help/main-menu.html");
  fs::create_directories(copy.parent_path());
  std::ofstream(copy) << "<p>An older copy.</p>";
  state.InstalledFolder = withTrailingSeparator(installed.dir());
  start();
  state.HelpFile = withTrailingSeparator(folder.path("help"));
  const auto bytes = ReadBytes(copy);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "<p>The page as installed.</p>");
  std::ofstream(copy) << "<p>An older copy.</p>";

  item("Helper")->trigger();
  ASSERT_NE(menu->helpWindow(), nullptr);
  EXPECT_EQ(menu->helpWindow()->browser()->toPlainText(), "The page as installed.");
}

}  // namespace
}  // namespace orn::test
