// The editor's menu bar: every menu and item, named as the editor's code
// names them, and the menu states reached through those names.
//
// Items whose commands the editor does not have yet are present but stay
// disabled whatever the menu states say; they are marked "built" = false.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "canvas/redraw.h"
#include "editor/ui/pic_edit.h"

namespace orn {

namespace {

constexpr const char* kBuilt = "ornBuilt";
// The caption of an item of the menu bar, with its "&" key.
constexpr const char* kCaption = "ornCaption";

bool isBuilt(const QAction* a) { return a->property(kBuilt).toBool(); }

}  // namespace

QMenu* EditorMenus::addMenu(QMenu* parent, const char* name, const char* caption) {
  QMenu* m = parent ? parent->addMenu(QString::fromUtf8(caption))
                    : w_.menuBar()->addMenu(QString::fromUtf8(caption));
  m->setObjectName(name);
  m->menuAction()->setObjectName(name);
  // A menu is a container: it follows the menu states; its items keep
  // their own.
  m->menuAction()->setProperty(kBuilt, true);
  items_[name] = m->menuAction();
  return m;
}

QAction* EditorMenus::addItem(QMenu* menu, const char* name, const char* caption, bool built,
                          bool checkable) {
  QAction* a = menu ? menu->addAction(QString::fromUtf8(caption))
                    : w_.menuBar()->addAction(QString::fromUtf8(caption));
  a->setObjectName(name);
  a->setProperty(kBuilt, built);
  a->setCheckable(checkable);
  a->setEnabled(built);
  items_[name] = a;
  return a;
}

void EditorMenus::addSeparator(QMenu* menu, const char* name) {
  QAction* s = menu->addSeparator();
  s->setObjectName(name);
  s->setProperty(kBuilt, true);
  items_[name] = s;
}

void EditorMenus::buildMenus() {
  // "&File": new, load, save, export, print, exit, and the recent files.
  QMenu* file = addMenu(nullptr, "MenFile", "&File");
  addItem(file, "MenFileNew", "&New Picture", true);
  addItem(file, "MenFileLoad(0)", "&Load Picture ...", true);
  addItem(file, "MenFileLoad(1)", "Load &Halvik File...", true);
  addItem(file, "MenFileSave", "&Save Picture", true);
  addItem(file, "MenFileSaveAs", "Save Picture &As ...", true);
  addSeparator(file, "linFile1");
  addItem(file, "MenSaveBitmap", "Save as &Bitmap...");
  addItem(file, "MenSaveWall", "Save as &Wallpaper");
  addSeparator(file, "linFile2");
  addItem(file, "MenFilePrint", "&Print Picture...");
  addItem(file, "MenFilePset", "P&rinter Setup...");
  addSeparator(file, "linFile3");
  addItem(file, "MenFileExit", "E&xit", true);
  addSeparator(file, "linFile4");
  for (int i = 0; i < 4; ++i) {
    const std::string name = "FName(" + std::to_string(i) + ")";
    addItem(file, name.c_str(), "", true)->setVisible(false);
  }

  // "&Options": drawing options, marks, picture shape, show mode.
  QMenu* options = addMenu(nullptr, "MenOptionS", "&Options");
  addItem(options, "MenOptionsGravity", "S&nap 0...", true);
  addItem(options, "MenOptionsLine", "&Line Width 1...", true);
  addItem(options, "MenOpSpline", "&Allow Spline Lines", true, true);
  addItem(options, "MenOptionSound", "S&ound On", true, true);
  QMenu* cursor = addMenu(options, "MenDrawCursor", "&Drawing Cursor");
  addItem(cursor, "PickDrawCurse(1)", "&Arrow", true);
  addItem(cursor, "PickDrawCurse(2)", "&Cross", true);
  addItem(cursor, "PickDrawCurse(10)", "&Up Arrow", true);
  QMenu* extend = addMenu(options, "ExtendLn", "Extend Lines .5");
  addItem(extend, "ExtendV(0)", "0", true);
  addItem(extend, "ExtendV(1)", ".25", true);
  addItem(extend, "ExtendV(2)", ".5", true);
  addItem(extend, "ExtendV(3)", "1", true);
  addItem(extend, "ExtendV(4)", "2", true);
  addSeparator(options, "menuline");
  addItem(options, "MenEditMark", "&Mark");
  addItem(options, "MenEditUndo", "&Undo to Mark");
  addSeparator(options, "Lin099");
  QMenu* shape = addMenu(options, "MenPageSh", "Set &Picture Shape");
  addItem(shape, "MenPageShape(0)", "&Horizontal", true);
  addItem(shape, "MenPageShape(1)", "&Vertical", true);
  addItem(shape, "MenPageShape(2)", "&Square", true);
  addItem(shape, "MenPageShape(3)", "&Fill Window", true);
  addItem(shape, "MenPageShape(4)", "&Enter Ratio...", true);
  addItem(options, "MenProjPages", "&Screen is Picture...", true);
  addSeparator(options, "menline37");
  QMenu* thumbs = addMenu(options, "Th", "&ThumbNails");
  addItem(thumbs, "Thum(0)", "&Remake Painting ThumbNails");
  addItem(thumbs, "Thum(1)", "&Kill Painting ThumbNails");
  addSeparator(options, "lingal");
  addItem(options, "Gallery", "&Switch to Show Mode", false, true);

  // "&Symmetry": set-up, working symmetry and the grid.
  QMenu* sym = addMenu(nullptr, "MenSym", "&Symmetry");
  addItem(sym, "Editsym", "&Setup Symmetry", true);
  addItem(sym, "SymWorking", "&Working Symmetry...", true);
  QMenu* grid = addMenu(sym, "MenGrid", "&Grid Color");
  addItem(grid, "MenGridBlack", "&Black", true, true);
  addItem(grid, "MenGridRed", "&Red", true, true);
  addItem(grid, "MenGridOff", "&Hide", true, true);

  // "&Color": wheel, harmony, highlights and the colour commands.
  QMenu* colour = addMenu(nullptr, "MenColor", "&Color");
  addItem(colour, "MenRotateColors", "Display Color &Wheel", false, true);
  QMenu* harmony = addMenu(colour, "MenPalHarmony", "&Pallette Harmony");
  addItem(harmony, "MenHarmony(0)", "&Normal", false, true);
  addItem(harmony, "MenHarmony(1)", "&Opposite", false, true);
  addItem(harmony, "MenHarmony(2)", "&Three Fold", false, true);
  addItem(harmony, "MenHarmony(3)", "&Adjacent", false, true);
  addItem(colour, "Yellow", "&Yellow Base Shape ", true, true);
  addItem(colour, "PaintOrder", "&High Speed Repaint", true, true);
  addItem(colour, "MenColorGray", "Paint Picture &Gray ", false, true);
  addItem(colour, "OptionsShowColor", "Hide &Colors Temporarily");
  addItem(colour, "OptionsCustGray(0)", "&Set Custom to Base Colors");
  QMenu* back = addMenu(colour, "MenSetBack", "Set &Background Color to..");
  addItem(back, "MenSetBackCol(0)", "&Current Color");
  addItem(back, "MenSetBackCol(1)", "&White");
  addItem(colour, "MenEditErase", "&Erase All Colors...");

  // "&Zoom": the zoom box, history and the stored views.
  QMenu* zoom = addMenu(nullptr, "MenZoom", "&Zoom");
  addItem(zoom, "ZoomSS(2)", "Set &Zoom", true);
  addItem(zoom, "ZoomS(0)", "&Back", true)->setVisible(false);
  addItem(zoom, "ZoomS(1)", "&Restore", true)->setVisible(false);
  addSeparator(zoom, "linZoom");
  addItem(zoom, "Zoom(0)", "&Symmetry", true)->setVisible(false);
  addItem(zoom, "Zoom(1)", "&Full Picture", true);
  for (int i = 2; i <= 6; ++i) {
    const std::string name = "Zoom(" + std::to_string(i) + ")";
    const std::string caption = "Part &" + std::to_string(i);
    addItem(zoom, name.c_str(), caption.c_str(), true)->setVisible(false);
  }
  addItem(zoom, "Zoom(7)", "&Project", true)->setVisible(false);

  // "&Modify": show mode's commands.
  QMenu* modify = addMenu(nullptr, "MenGalEdit", "&Modify");
  addItem(modify, "MenEditR(0)", "&Edit this Picture");
  addItem(modify, "MenEditR(1)", "re&Color this Picture");
  addItem(modify, "MenEditR(2)", "&reCreate this Picture");
  addSeparator(modify, "lineo");
  addItem(modify, "GalBackColor", "&Set BackGround Color");
  addItem(modify, "GalTitle", "&Title this Picture");

  // Commands on the bar itself.
  addItem(nullptr, "mnuRedraw", "&Redraw", true);
  addItem(nullptr, "HelpP", "&Help");
  addItem(nullptr, "GalHelp", "&Help");
  addItem(nullptr, "MenQuit", "e&Xit", true);

  // The hidden developer menu.
  QMenu* special = addMenu(nullptr, "DebugXX", "S&pecial");
  const char* const debugCaptions[] = {"&Stamp Buttons",
                                       "&Geometry Buttons",
                                       "Show &Numbers",
                                       "&Dump Picture Data",
                                       "Strip Symmetry - be careful!",
                                       "&Zot Name && List",
                                       "&Toggle Menu Color",
                                       "Show &All \"Options\"",
                                       "&Halvik3-Paint"};
  for (int i = 0; i < 9; ++i) {
    const std::string name = "DebugX(" + std::to_string(i) + ")";
    const bool checkable = i == 0 || i == 1 || i == 2 || i == 7;
    addItem(special, name.c_str(), debugCaptions[i], false, checkable);
  }

  w_.files().wireFileMenu();
  w_.symmetry().wireSymmetryMenu();
  w_.special().wireSpecialMenu();
  w_.shows().wireGalleryMenu();
  w_.helpMenu().wireHelp();
  w_.viewing().wireZoomMenu();
  w_.options().wireOptionsMenu();
  w_.prints().wirePrintMenu();
  w_.colours().wireColourMenu();
  QObject::connect(items_["mnuRedraw"], &QAction::triggered, &w_,
                   w_.trapped("mnuRedraw", kNoIndex, [this] { w_.DrawAll(1); }));
  QObject::connect(items_["PaintOrder"], &QAction::triggered, &w_, w_.trapped("PaintOrder", kNoIndex, [this] {
            items_["PaintOrder"]->setChecked(PaintOrder_Click(w_.draw()));
          }));
}

QAction* EditorMenus::menuItem(const std::string& name) const {
  const auto it = items_.find(name);
  return it == items_.end() ? nullptr : it->second;
}

void EditorMenus::setItemEnabled(std::string_view name, bool enabled) {
  const auto it = items_.find(name);
  if (it == items_.end()) return;
  it->second->setEnabled(enabled && isBuilt(it->second));
}

// Qt gives every item of the menu bar its "&" key, shown or not, so the
// editing "&Help" and the show-mode "&Help" would take Alt+H from each
// other: a hidden item of the bar gives its key up until it is shown again.
void EditorMenus::setItemVisible(std::string_view name, bool visible) {
  const auto it = items_.find(name);
  if (it == items_.end()) return;
  QAction* a = it->second;
  a->setVisible(visible);
  if (!w_.menuBar()->actions().contains(a)) return;
  if (!a->property(kCaption).isValid()) a->setProperty(kCaption, a->text());
  const QString caption = a->property(kCaption).toString();
  a->setText(visible ? caption : QString(caption).remove('&'));
}

void EditorMenus::setItemChecked(std::string_view name, bool checked) {
  const auto it = items_.find(name);
  if (it == items_.end()) return;
  it->second->setCheckable(true);
  it->second->setChecked(checked);
}

void PicEdit::MenEnable(bool enable) {
  orn::MenEnable(parts_->menus, enable, sym().SymStart, sym().SymEnd);
  // A drawing that starts with base shapes but has no symmetry yet reaches
  // "&Setup Symmetry" through the same menu.
  if (enable && parts_->symmetry.setupOffered()) parts_->menus.setItemEnabled("MenSym", true);
}

void EditorMenus::MenusShowMode(bool edit) { orn::MenusShowMode(*this, edit); }

void EditorMenus::MenusAllOptions(bool show) { orn::MenusAllOptions(*this, show); }

void EditorMenus::ShowFileName(const std::string& name, bool asIs) {
  w_.setWindowTitle(QString::fromStdString(ShowFileNameCaption(name, asIs, w_.file().DocWord)));
}

bool PicEdit::showMode() const {
  const QAction* g = parts_->menus.menuItem("Gallery");
  return g && g->isChecked();
}

}  // namespace orn
