#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <string>
#include <vector>

#include "platform/canvas_widget.h"
#include "support/qt_app.h"

namespace orn {
namespace {

// A canvas in a shown window that writes down every mouse report.
class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    surface = Surface(120, 90, kWhite);
    surface.clear();
    canvas.setSurface(&surface);
    canvas.resize(120, 90);
    auto log = [this](const char* what) {
      return [this, what](int b, int s, int x, int y) {
        events.push_back(std::string(what) + " b" + std::to_string(b) + " s" + std::to_string(s) +
                         " " + std::to_string(x) + "," + std::to_string(y));
      };
    };
    canvas.onMouseDown = log("down");
    canvas.onMouseMove = log("move");
    canvas.onMouseUp = log("up");
    canvas.onDoubleClick = log("dbl");
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    events.clear();
  }

  void send(QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons held,
            Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent e(type, pos, canvas.mapToGlobal(pos), button, held, mods);
    QApplication::sendEvent(&canvas, &e);
  }

  QApplication& app = test::app();  // before any widget
  Surface surface;
  CanvasWidget canvas;
  std::vector<std::string> events;
};

TEST_F(CanvasTest, PressMoveReleaseReportButtonsShiftAndWholePixel) {
  QTest::mousePress(&canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
  send(QEvent::MouseMove, QPointF(11, 22), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
  QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(12, 23));
  QTest::mousePress(&canvas, Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(5, 6));
  QTest::mouseRelease(&canvas, Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(5, 6));
  QTest::mousePress(&canvas, Qt::MiddleButton, Qt::NoModifier, QPoint(119, 89));
  QTest::mouseRelease(&canvas, Qt::MiddleButton, Qt::NoModifier, QPoint(119, 89));
  // Moves report every button held, and none when free.
  send(QEvent::MouseMove, QPointF(30, 40), Qt::NoButton, Qt::NoButton);
  send(QEvent::MouseMove, QPointF(31, 40), Qt::NoButton, Qt::LeftButton | Qt::RightButton);
  send(QEvent::MouseMove, QPointF(32, 40), Qt::NoButton, Qt::MiddleButton,
       Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  // Positions are the whole pixel under the pointer.
  send(QEvent::MouseButtonPress, QPointF(10.7, 20.2), Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, QPointF(10.999, 0.5), Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, QPointF(-0.5, 89.9), Qt::LeftButton, Qt::NoButton);
  const std::vector<std::string> want = {
      "down b1 s1 10,20", "move b1 s1 11,22", "up b1 s1 12,23",   "down b2 s6 5,6",   "up b2 s6 5,6",
      "down b4 s0 119,89", "up b4 s0 119,89", "move b0 s0 30,40", "move b3 s0 31,40", "move b4 s7 32,40",
      "down b1 s0 10,20", "move b1 s0 10,0",  "up b1 s0 -1,89"};
  EXPECT_EQ(events, want);
}

TEST_F(CanvasTest, DoubleClickIsNotASecondPress) {
  // The window system's second press arrives as a double click.
  QWindow* win = canvas.windowHandle();
  ASSERT_NE(win, nullptr);
  QTest::mouseDClick(win, Qt::LeftButton, Qt::NoModifier, QPoint(40, 50));
  const std::vector<std::string> want = {"down b1 s0 40,50", "up b1 s0 40,50", "dbl b1 s0 40,50",
                                         "up b1 s0 40,50"};
  std::vector<std::string> clicks;
  for (const auto& e : events)
    if (e.rfind("move", 0) != 0) clicks.push_back(e);
  EXPECT_EQ(clicks, want);
}

TEST_F(CanvasTest, ShowsTheSurfaceOnePixelPerPixel) {
  for (int y = 0; y < surface.height(); ++y)
    for (int x = 0; x < surface.width(); ++x)
      surface.pset(x, y, rgb(x * 2, y * 2, (x ^ y) & 0xFF));
  canvas.update();
  const QImage shot = canvas.grab().toImage();
  ASSERT_EQ(shot.size(), QSize(120, 90));
  int wrong = 0;
  for (int y = 0; y < surface.height(); ++y)
    for (int x = 0; x < surface.width(); ++x) {
      const QRgb c = shot.pixel(x, y);
      const Rgb seen = rgb(qRed(c), qGreen(c), qBlue(c));
      wrong += seen != surface.point(x, y);
    }
  EXPECT_EQ(wrong, 0);
}

TEST_F(CanvasTest, AreaBeyondTheSurfaceIsPlainAndTheSurfaceIsNotStretched) {
  canvas.resize(200, 150);
  surface.pset(119, 89, kBlack);
  const QImage shot = canvas.grab().toImage();
  const QRgb back = canvas.palette().window().color().rgb();
  EXPECT_EQ(shot.pixel(119, 89) & 0xFFFFFF, 0u);
  EXPECT_EQ(shot.pixel(120, 89), back);
  EXPECT_EQ(shot.pixel(119, 90), back);
  EXPECT_EQ(shot.pixel(199, 149), back);
  EXPECT_EQ(canvas.sizeHint(), QSize(120, 90));

  canvas.setSurface(nullptr);  // nothing to show is not an error
  EXPECT_EQ(canvas.grab().toImage().pixel(5, 5), back);
}

TEST_F(CanvasTest, CursorFollowsTheDrawingTool) {
  for (auto [c, shape] : {std::pair{CanvasCursor::Cross, Qt::CrossCursor}, {CanvasCursor::UpArrow, Qt::UpArrowCursor},
                          {CanvasCursor::Hourglass, Qt::WaitCursor}, {CanvasCursor::Arrow, Qt::ArrowCursor}}) {
    canvas.setCanvasCursor(c);
    EXPECT_EQ(canvas.cursor().shape(), shape);
  }
}

}  // namespace
}  // namespace orn
