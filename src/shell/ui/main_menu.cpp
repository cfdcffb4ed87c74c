// The main menu's window: the mode and art-type rows, the sample panels, the
// hand-over of a chosen sample to the editor and the return from it.
#include "shell/ui/main_menu.h"

#include <QApplication>
#include <QBitmap>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

#include "platform/core/app_folder.h"
#include "platform/one_shot_timer.h"
#include "platform/qt_colour.h"
#include "platform/qt_host.h"
#include "shell/first_run.h"
#include "shell/hand_over.h"
#include "shell/menu_pictures.h"
#include "shell/preview_render.h"
#include "shell/ui/help_window.h"
#include "shell/ui/title_form.h"

namespace orn {

namespace {

constexpr int kModeIcon = 40;
constexpr int kArtIcon = 56;
constexpr int kWakeUpMs = 1;
constexpr int kRaftUpMs = 100;
constexpr Rgb kPictogramBack = 0xFEFEFE;  // shown transparent
constexpr int kMenuWidth = 1160;
constexpr int kMenuHeight = 700;
const char* const kRowStyle =
    "QWidget#MainRaft { background: white; border: 1px solid #c8ccd4; border-radius: 10px; }"
    "QToolButton { border: 2px solid transparent; border-radius: 6px; padding: 4px; }"
    "QToolButton:hover { border-color: #b8c4d8; }"
    "QToolButton:checked { border-color: #2858c8; background: #dfe8fa; }";
const char* const kSampleStyle =
    "QToolButton { border: 1px solid #c8c8c8; border-radius: 4px; padding: 3px; background: white; }"
    "QToolButton:hover { border: 2px solid #2858c8; }";

QToolButton* rowButton(const QString& text, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setText(text);
  b->setCheckable(true);
  b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  b->setFocusPolicy(Qt::StrongFocus);
  return b;
}

QLabel* heading(const QString& text, QWidget* parent, int scale = 1) {
  auto* l = new QLabel(text, parent);
  QFont f = l->font();
  f.setBold(true);
  if (scale > 1) f.setPointSizeF(f.pointSizeF() * 1.6);
  l->setFont(f);
  return l;
}

// The name of the click on a sample of each art type.
const char* SampleClickTag(int art) {
  static const char* const tags[] = {"PPat", "PRos", "PTile", "PMod"};
  return tags[art & 3];
}

}  // namespace

std::function<void()> MainMenu::trapped(const char* tag, std::function<void()> command) {
  return [this, tag, command = std::move(command)] { errors_.Trap(tag, command); };
}

MainMenu::MainMenu(Host& host, AppState& app, const ProfileSource& profile, EditorFactory newEditor,
                   FileDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      errors_(host),
      app_(app),
      profile_(profile),
      dialogs_(dialogs),
      newEditor_(std::move(newEditor)) {
  setObjectName("MainMenu");
  setWindowTitle("Ornivale");
  auto* central = new QWidget(this);
  setCentralWidget(central);
  auto* outer = new QVBoxLayout(central);
  MainRaft = new QWidget(central);
  MainRaft->setObjectName("MainRaft");
  outer->addStretch(1);
  outer->addWidget(MainRaft, 0, Qt::AlignHCenter);
  outer->addStretch(2);
  MainRaft->setAttribute(Qt::WA_StyledBackground);
  buildRows(MainRaft);
  buildMenus();
  // One size for every art type, in the middle of the screen.
  resize(kMenuWidth, kMenuHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  InitTimer1 = OneShotTimer(this, 300, trapped("InitTimer1", [this] { InitTimer1_Timer(); }));
  InitTimer2 = OneShotTimer(this, 1800, trapped("InitTimer2", [this] { InitTimer2_Timer(); }));
  MainRaftUp = OneShotTimer(this, kRaftUpMs, trapped("MainRaftUp", [this] { MainRaftUp_Timer(); }));
  WakeUp = OneShotTimer(this, kWakeUpMs, trapped("WakeUp", [this] { WakeUp_Timer(); }));
}

MainMenu::~MainMenu() {
  if (editor_) delete editor_.data();
  delete TitleForm_;
  delete help_;
}

void MainMenu::buildMenus() {
  auto item = [this](QMenu* menu, const char* name, const char* caption) {
    QAction* a = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    a->setObjectName(name);
    return a;
  };
  connect(item(nullptr, "Quitter", "&Quit"), &QAction::triggered, this, trapped("Quitter", [this] { close(); }));
  QMenu* show = menuBar()->addMenu("&ArtShow");
  show->menuAction()->setObjectName("ArtShow");
  item(show, "StdArtShow", "Ornivale Art Show");
  QMenu* yours = show->addMenu("Your Art Show");
  yours->menuAction()->setObjectName("YourA");
  item(yours, "YourArt(2)", "Titled Pictures Only");
  item(yours, "YourArt(3)", "&All Pictures");
  // "Mo&re" lives only as the pop-up of the model panel's button.
  MoreM = new QMenu("Mo&re", this);
  MoreM->setObjectName("MoreM");
  for (int i = 0; i < 7; ++i) {
    QAction* a = MoreM->addAction(ExtraModelCaption(i));
    a->setObjectName(QString("MoreMod(%1)").arg(i));
    connect(a, &QAction::triggered, this, [this, i] { errors_.Trap("MoreMod", i, [this, i] { MoreMod_Click(i); }); });
  }
  item(nullptr, "Helper", "&Help");
  item(nullptr, "Aboutcode", "A&bout");
  wireShowsAndHelp();
}

// A row of four buttons of which one is chosen, named name(0) .. name(3)
// and captioned by `word`.
std::array<QToolButton*, 4> MainMenu::buildRow(QWidget* into, QBoxLayout* box, const char* name,
                                               const char* (*word)(int), int iconSize,
                                               const std::function<void(int)>& click) {
  std::array<QToolButton*, 4> row{};
  auto* line = new QHBoxLayout;
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    QToolButton* b = rowButton(word(i), into);
    b->setObjectName(QString("%1(%2)").arg(name).arg(i));
    b->setIconSize({iconSize, iconSize});
    group->addButton(b, i);
    line->addWidget(b);
    connect(b, &QToolButton::clicked, this, [this, name, click, i] { errors_.Trap(name, i, [&] { click(i); }); });
    row[std::size_t(i)] = b;
  }
  line->addStretch(1);
  box->addLayout(line);
  return row;
}

void MainMenu::buildRows(QWidget* into) {
  into->setStyleSheet(kRowStyle);
  auto* box = new QVBoxLayout(into);
  box->setContentsMargins(24, 18, 24, 18);
  box->setSpacing(10);

  box->addWidget(heading("Select Mode", into));
  MaMode = buildRow(into, box, "MaMode", ModeWord, kModeIcon, [this](int i) { MaMode_Click(i); });
  for (int i = 0; i < 4; ++i) {
    const QImage pictogram = toQImage(ModePictogram(i, kModeIcon, kPictogramBack));
    QPixmap shown = QPixmap::fromImage(pictogram);
    shown.setMask(QBitmap::fromImage(pictogram.createMaskFromColor(toQColor(kPictogramBack).rgb())));
    MaMode[std::size_t(i)]->setIcon(shown);
  }
  box->addWidget(heading("Select Type of Art", into));
  MaPat = buildRow(into, box, "MaPat", ArtWord, kArtIcon, [this](int i) { MaPat_Click(i); });

  box->addSpacing(8);
  ModeArt = heading(QString(), into, 2);
  ModeArt->setObjectName("ModeArt");
  box->addWidget(ModeArt);
  MainMsg = new QLabel(into);
  MainMsg->setObjectName("MainMsg");
  box->addWidget(MainMsg);
  int widest = 0;
  for (int art = 0; art < 4; ++art) {
    ArtRaft[std::size_t(art)] = buildArtPanel(art);
    box->addWidget(ArtRaft[std::size_t(art)]);
    ArtRaft[std::size_t(art)]->hide();
    widest = std::max(widest, ArtRaft[std::size_t(art)]->sizeHint().width());
  }
  // The panel keeps one width whichever art type is shown.
  const QMargins m = box->contentsMargins();
  into->setMinimumWidth(widest + m.left() + m.right());
}

QWidget* MainMenu::buildArtPanel(int art) {
  auto* panel = new QWidget(MainRaft);
  panel->setObjectName(QString("ArtRaft(%1)").arg(art));
  panel->setStyleSheet(kSampleStyle);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 4, 0, 0);
  const int count = SampleCount(art);
  for (int i = 0; i < count; ++i) {
    auto* b = new QToolButton(panel);
    b->setObjectName(QString("Sample(%1,%2)").arg(art).arg(i));
    b->setText(SampleCaption(art, i));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setIconSize({kMenuPreviewSize, kMenuPreviewSize});
    b->setMinimumSize(kMenuPreviewSize + 16, kMenuPreviewSize + 34);
    connect(b, &QToolButton::clicked, this, [this, art, i] {
      errors_.Trap(SampleClickTag(art), i, [this, art, i] { openSample(art, i); });
    });
    samples[std::size_t(art)].push_back(b);
    grid->addWidget(b, 0, i);
  }
  if (art == kArtModel) {
    MoreMen = new QPushButton("More", panel);
    MoreMen->setObjectName("MoreMen");
    MoreMen->setToolTip("More models");
    connect(MoreMen, &QPushButton::clicked, this, trapped("MoreMen", [this] { MoreMen_Click(); }));
    grid->addWidget(MoreMen, 0, count, Qt::AlignVCenter);
  }
  // The samples stand together from the left.
  grid->setColumnStretch(count + 1, 1);
  return panel;
}

std::filesystem::path MainMenu::samplePath(int art, int index) const {
  if (app_.StaticFolder.empty()) return {};  // no program folder, no samples
  const auto h = SampleHandOver(art, index, kStartEdit, app_.StaticFolder);
  if (!h) return {};
  return resolveNoCase(h->PicturePath).value_or(std::filesystem::path(h->PicturePath));
}

// Every sample's preview, and each art type's first sample on its row button.
void MainMenu::loadPreviews() {
  previews_ = std::make_unique<PreviewCache>(std::filesystem::path(app_.AppFolder) / kPreviewFolderName,
                                             RenderPreview);
  for (int art = 0; art < 4; ++art) {
    for (int i = 0; i < SampleCount(art); ++i) {
      QToolButton* b = samples[std::size_t(art)][std::size_t(i)];
      const auto p = previews_->preview(samplePath(art, i), kMenuPreviewSize, kMenuPreviewSize);
      if (p) {
        b->setIcon(QPixmap::fromImage(toScreenImage(*p)));
        if (i == 0) MaPat[std::size_t(art)]->setIcon(b->icon());
      } else {
        b->setToolTip("This sample picture is missing.");
      }
    }
  }
}

// ---- the rows ------------------------------------------------------------------

void MainMenu::MaMode_Click(int Index) {
  app_.MenuMode = app_.StartMode = Index & 3;
  ModeWord_ = ModeWord(app_.MenuMode);
  MaMode[std::size_t(app_.MenuMode)]->setChecked(true);
  setCaptions();
  ModeArt->show();
  MainMsg->show();
}

void MainMenu::MaPat_Click(int Index) {
  app_.MenuArtType = Index & 3;
  ArtWord_ = ArtWord(app_.MenuArtType);
  for (int i = 0; i < 4; ++i) ArtRaft[std::size_t(i)]->setVisible(i == app_.MenuArtType);
  MaPat[std::size_t(app_.MenuArtType)]->setChecked(true);
  setCaptions();
}

void MainMenu::setCaptions() {
  ModeArt->setText(QString::fromStdString(ModeArtCaption(ArtWord_.toStdString())));
  MainMsg->setText(QString::fromStdString(MainMsgCaption(ArtWord_.toStdString(), ModeWord_.toStdString())));
}

void MainMenu::MoreMen_Click() {
  MoreM->popup(MoreMen->mapToGlobal(QPoint(-45, -15)));
}

// ---- into the editor -------------------------------------------------------------

void MainMenu::openSample(int art, int index) {
  const auto h = SampleHandOver(art, index, app_.StartMode, app_.StaticFolder);
  if (!h) return;
  // Without a program folder no sample is there (a bare name would be sought
  // in the working folder): the user is told why.
  if (app_.StaticFolder.empty()) {
    host_.messageBox(NoSamplesText(app_), MsgButtons::OK, MsgIcon::Exclamation, "Ornivale");
    return;
  }
  const auto real = resolveNoCase(h->PicturePath);
  if (!real || !std::filesystem::is_regular_file(*real)) {
    host_.messageBox("The sample picture " + std::filesystem::path(h->PicturePath).filename().string() +
                         " is missing from " + app_.StaticFolder + ".",
                     MsgButtons::OK, MsgIcon::Exclamation, "Ornivale");
    return;
  }
  app_.ShowMode = 0;
  // Files are opened by their real names; the program compares paths in upper case.
  app_.PicturePath = real->string();
  app_.SavedStartMode = app_.StartMode;
  app_.OpenForEditing = h->OpenForEditing;
  app_.LoadOption = h->LoadOption;
  ReturnedFromEditor = true;
  MainRaft->hide();
  QCoreApplication::processEvents();
  ShowSymPaint();
}

void MainMenu::ShowSymPaint() {
  if (!editor_) {
    editor_ = newEditor_(host_, app_, dialogs_, &profile_);
    editor_->setAttribute(Qt::WA_DeleteOnClose);
    editor_->onExit = [this] { WakeUp->start(); };
    editor_->setHelp([this](int topic, QWidget& asker) { showHelp(topic, asker); });
    // The model samples show the menu's pictures of their folded models.
    editor_->setModelPictures([this](int PMod) -> std::optional<Surface> {
      if (!previews_) return std::nullopt;
      return previews_->preview(samplePath(kArtModel, PMod), kMenuPreviewSize, kMenuPreviewSize);
    });
    if (auto* qtHost = dynamic_cast<QtHost*>(&host_)) qtHost->setParentWindow(editor_);
    // The editor fills the screen, also where no window manager maximises it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      editor_->setGeometry(screen->availableGeometry());
  }
  editor_->showMaximized();
  hide();
  app_.MenuBackFlag = false;
}

// ---- and back --------------------------------------------------------------------

void MainMenu::WakeUp_Timer() {
  WakeUp->stop();
  show();
  app_.MenuBackFlag = true;
  if (auto* qtHost = dynamic_cast<QtHost*>(&host_)) qtHost->setParentWindow(this);
  // Only now, with the menu on the screen, does the editor go.
  if (editor_) editor_->finishExit();
  editor_ = nullptr;
  MainMenu_Form_Activate();
}

void MainMenu::MainMenu_Form_Activate() {
  if (!ReturnedFromEditor) return;
  ReturnedFromEditor = false;
  MainRaftUp->start();
}

void MainMenu::MainRaftUp_Timer() {
  if (PendingArtType != -1) {
    MaPat_Click(PendingArtType);
    PendingArtType = -1;
  }
  QCoreApplication::processEvents();
  MainRaft->show();
}

}  // namespace orn
