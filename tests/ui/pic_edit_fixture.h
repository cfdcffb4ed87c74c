#pragma once
// A real editor window under offscreen Qt, with the scripted host and file
// dialogs, and a scratch folder for real files.
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "canvas/ui/file_dialogs.h"
#include "colour/ui/colour_panel.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "platform/core/host.h"
#include "support/list_builder.h"
#include "support/qt_app.h"
#include "support/scratch_folder.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_host.h"
#include "symmetry/setup_state.h"
#include "symmetry/ui/click_label.h"

namespace orn::test {

// The number of pixels of the colour.
inline int PixelsOf(const Surface& s, Rgb c) {
  return int(std::count(s.pixels(), s.pixels() + std::size_t(s.width()) * std::size_t(s.height()), c));
}

// Runs the event loop until `timer` has fired `times` more times: a retry
// the program is meant to refuse has then had its turns, however slow the
// machine.
inline bool waitForTimeouts(QTimer* timer, int times) {
  int fired = 0;
  const QMetaObject::Connection counting = QObject::connect(timer, &QTimer::timeout, [&fired] { ++fired; });
  const bool done = waitFor([&fired, times] { return fired >= times; });
  QObject::disconnect(counting);
  return done;
}

// Runs `act` on the modal dialog of type D once it is up; `ran` (if given)
// tells the test that the dialog really came up.
template <class D>
void whenModal(std::function<void(D&)> act, bool* ran = nullptr) {
  QTimer::singleShot(0, [ran, act] {
    auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    if (ran) *ran = true;
    act(*d);
  });
}

class PicEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app();
    // A program folder with the standard colours the program ships.
    std::filesystem::copy_file(std::filesystem::path(ORNIVALE_SOURCE_DIR) / "data" / "Standard.Clr",
                               dir / "Standard.Clr");
    appState.AppFolder = appState.DataFolder = dir.string() + "/";
    w = std::make_unique<PicEdit>(host, appState, &dialogs);
    w->errors().setEndProgram([this] { ++programEnds; });
    w->show();
    // The start's two timers fire at once: the editor is open for clicks.
    w->start().LoadTimer_Timer();
    w->start().StartTimer_Timer();
    QApplication::processEvents();
  }
  void TearDown() override {
    w->editor().PicChanged = false;
    w.reset();
  }

  // Sizes the window so that its inner area is exactly w x h, or its least
  // size where that is larger, and lays it out.
  void setInnerSize(int iw, int ih) {
    w->resize(iw, ih + w->menuBar()->height());
    QApplication::processEvents();
    ASSERT_EQ(w->formArea()->size(), QSize(iw, ih).expandedTo(w->formArea()->minimumSize()));
    w->layout().FormRSZ();
  }

  std::string path(const std::string& name) const { return (dir / name).string(); }

  void trigger(const std::string& item) {
    QAction* a = w->menus().menuItem(item);
    ASSERT_NE(a, nullptr) << item;
    ASSERT_TRUE(a->isEnabled()) << item;
    a->trigger();
    QApplication::processEvents();
  }

  // File > Save As and File > Load Picture, with the dialog answered `file`.
  void saveAs(const std::string& file) {
    dialogs.saves = {file};
    trigger("MenFileSaveAs");
  }
  void load(const std::string& file) {
    dialogs.opens = {file};
    trigger("MenFileLoad(0)");
  }

  bool enabled(const std::string& item) { return w->menus().menuItem(item)->isEnabled(); }

  // ---- the mouse, as the platform delivers it ----
  void send(QWidget* to, QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), to->mapToGlobal(QPointF(p)), b, held, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
  }
  void move(QPoint p, Qt::MouseButtons held = Qt::NoButton) {
    send(w->Picture1, QEvent::MouseMove, p, Qt::NoButton, held);
  }
  void click(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    move(p);
    send(w->Picture1, QEvent::MouseButtonPress, p, b, b);
    send(w->Picture1, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
  }
  // Press, release, double click in place of the second press, release.
  void dbl(QPoint p) {
    click(p);
    send(w->Picture1, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    send(w->Picture1, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
  }
  // A closed 100-pixel square from (x, y), drawn with the tool in hand (the
  // Poly Line: four clicks and a double click back at the start).
  void drawSquare(int x, int y) {
    for (QPoint p : {QPoint{x, y}, {x + 100, y}, {x + 100, y + 100}, {x, y + 100}}) click(p);
    dbl({x, y});
  }
  void chooseTool(int tool) {
    ToolButton* b = w->tools().DrawType(tool);
    ASSERT_NE(b, nullptr);
    send(b, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    send(b, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  }
  void clickLabel6(bool withCtrl) {
    host.ctrl = withCtrl;
    QTest::mouseClick(w->special().Label6, Qt::LeftButton, withCtrl ? Qt::ControlModifier : Qt::NoModifier);
    host.ctrl = false;
    QApplication::processEvents();
  }

  // ---- the symmetry set-up's handles ----
  // Two squares side by side in a 729 x 664 window (eight edges, eight
  // copies), with Symmetry > Setup Symmetry offered.
  void layTwoSquares() {
    setInnerSize(729, 664);
    AddPolygon(w->list(), w->polyShape(), 200, 300, 300, 300);
    AddPolygon(w->list(), w->polyShape(), 300, 300, 400, 300);
    w->symmetry().setEditsymEnabled(true);
  }
  QPoint handleAt(int k) const {
    const auto& f = w->sym().SymData[static_cast<std::size_t>(k)];
    return {toPixel(f[kHandlePosX]), toPixel(f[kHandlePosY])};
  }
  void clickHandle(int k) { QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, handleAt(k)); }
  float group(int k) const { return w->sym().SymData[static_cast<std::size_t>(k)][kGroup]; }
  float orient(int k) const { return w->sym().SymData[static_cast<std::size_t>(k)][kOrient]; }

  // A full redraw of the present list, leaving the canvas as it was.
  Surface redrawn() {
    const Surface before = w->canvasSurface();
    w->DrawAll(1);
    Surface after = w->canvasSurface();
    w->canvasSurface() = before;
    return after;
  }

  ScriptedHost host;
  ScriptedDialogs dialogs;
  AppState appState;
  std::unique_ptr<PicEdit> w;
  ScratchFolder scratch;
  const std::filesystem::path& dir = scratch.dir();
  int programEnds = 0;
};

}  // namespace orn::test
