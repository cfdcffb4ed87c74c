#include "colour/ui/colour_panel.h"

#include <QFrame>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

#include "colour/colour_wheel.h"
#include "colour/palette.h"
#include "platform/qt_colour.h"

namespace orn {

namespace {

// The frame of the colour panel and its label at rest, and while a swap is
// armed.
constexpr Rgb kUseColor = 0xC0C0C0;
constexpr Rgb kSwapArmed = 0x0000FF;
// Beside the canvas.
constexpr int kSideGap = 8;       // between the canvas and the current colour
constexpr int kSwatch = 56;       // the current colour's box, the strip's width
constexpr int kSwatchTop = 8;
// The wheel, while it is shown: its rim (3 pixels inside its top) midway
// between the current colour and the label, which moves down by its height.
constexpr int kWheelTop = kSwatchTop + kSwatch + 2;
constexpr int kLabelTop = 72;     // the strip's label, below the current colour
constexpr int kLabelHeight = 28;
constexpr int kStripBelowLabel = kLabelHeight + 4;
constexpr int kStripFoot = 68;    // kept free below the strip: the bottom strip
constexpr int kFrameWidth = 3;    // the frame around the strip
// Below the canvas, in the 64 pixels of the bottom strip.
constexpr int kBottomStrip = 64;
constexpr int kRowsTop = 6;
constexpr int kPaletteWidth = 8 * 24 + 1;
constexpr int kPaletteHeight = 4 * 13 + 1;
constexpr int kScrollWidth = 16;
constexpr int kCustomWidth = 8 * 20 + 1;
constexpr int kCustomHeight = 2 * 13 + 1;
constexpr int kFramePad = 4;
constexpr int kGap = 6;
constexpr int kPanelWidth = kPaletteWidth + kGap + kScrollWidth + 2 * kGap + 2 * kFramePad +
                            kCustomWidth + kGap + kCustomHeight;
// The wheel's panel at the top of the tool column.
constexpr int kWheelPanelPos = 2;

// The harmony scroll bar is short: its slider may be short too, so that it
// shows where in the harmony's sets the palette is.
class ShortSliderStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
    return m == PM_ScrollBarSliderMin ? 6 : QProxyStyle::pixelMetric(m, o, w);
  }
};

}  // namespace

ColourPanel::ColourPanel(ColourState& colour, const Surface& wheel, QWidget* form, Rgb back)
    : QObject(form), colour_(colour), back_(back), useColor_(kUseColor) {
  Picture3 = new PaletteBox(colour, back, form);
  Picture3->resize(kPaletteWidth, kPaletteHeight);

  VScroll2 = new QScrollBar(Qt::Vertical, form);
  VScroll2->setObjectName("VScroll2");
  VScroll2->resize(kScrollWidth, kPaletteHeight);
  VScroll2->setFocusPolicy(Qt::NoFocus);
  auto* style = new ShortSliderStyle;
  style->setParent(VScroll2);
  VScroll2->setStyle(style);
  connect(VScroll2, &QScrollBar::valueChanged, this, [this](int v) {
    // Qt's value grows downwards; the palette's value grows upwards.
    if (!syncing_ && onScroll) onScroll(-v);
  });

  Picture4 = new CurrentColorBox(form);
  Picture4->resize(kSwatch, kSwatch);

  Label19 = new QLabel("Colors in Use", form);
  Label19->setObjectName("Label19");
  Label19->setWordWrap(true);
  Label19->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label19->setAutoFillBackground(true);

  CinUseFrame = new QFrame(form);
  CinUseFrame->setObjectName("CinUseFrame");
  CinUseFrame->setAutoFillBackground(true);
  CinUse = new ColorsInUseStrip(colour, back, form);
  CinUse->raise();

  Picture11 = new QFrame(form);
  Picture11->setObjectName("Picture11");
  Picture11->setAutoFillBackground(true);
  Picture11->resize(2 * kFramePad + kCustomWidth + kGap + kCustomHeight, 2 * kFramePad + kCustomHeight);
  Picture10 = new CustomColorsBox(colour, back, Picture11);
  Picture10->setGeometry(kFramePad, kFramePad, kCustomWidth, kCustomHeight);
  Command4 = new QPushButton("#", Picture11);
  Command4->setObjectName("Command4");
  Command4->setToolTip("Make Custom Color");
  Command4->setFocusPolicy(Qt::NoFocus);
  Command4->setGeometry(kFramePad + kCustomWidth + kGap, kFramePad, kCustomHeight, kCustomHeight);

  Wheel = new CanvasWidget(form);
  Wheel->setObjectName("Wheel");
  Wheel->setFocusPolicy(Qt::NoFocus);
  Wheel->setSurface(&wheel);
  Wheel->resize(kWheelWidth, kWheelHeight);
  Wheel->onMouseDown = [this](int b, int s, int x, int y) {
    if (onWheel) onWheel(b, s, float(x), float(y));
  };
  Picture12 = new WheelPanel(form);
  Picture12->move(kWheelPanelPos, kWheelPanelPos);
  setWheelVisible(false);

  showSwapArmed(false);
  syncScroll();
}

int ColourPanel::rowWidth() { return kPanelWidth; }

void ColourPanel::place(const QRect& canvas, const QSize& form, int keepRight, int leftmost, int least) {
  // Beside the canvas, with the frame around the colours in use inside the
  // form where the canvas leaves the column no more room.
  PositionPic4(std::min(canvas.x() + canvas.width() + kSideGap, form.width() - kSwatch - kFrameWidth));
  const int x = Picture4->x();

  // The palette, its scroll bar and the frame end in the bottom strip, left
  // of what it keeps at its right end, and move left of `leftmost` only as
  // far as the form's width asks.
  const int top = std::max(form.height() - kBottomStrip, 0) + kRowsTop;
  int left = std::max(x + kSwatch - keepRight - kPanelWidth, leftmost);
  left = std::max(std::min(left, form.width() - keepRight - kPanelWidth), least);
  Picture3->move(left, top);
  left += kPaletteWidth + kGap;
  VScroll2->move(left, top);
  left += kScrollWidth + 2 * kGap;
  Picture11->move(left, top);
}

void ColourPanel::PositionPic4(int x) {
  Picture4->move(x, kSwatchTop);
  const QSize form = Picture4->parentWidget()->size();
  // The wheel under the current colour, whose hue it marks, centred on it
  // where the window leaves room, never over the canvas to its left.
  const int centred = x + (kSwatch - kWheelWidth) / 2;
  Wheel->move(std::max(std::min(centred, form.width() - kWheelWidth), x - kSideGap), kWheelTop);
  // The caption stands right above its swatches, the frame around them;
  // both make room for the wheel while it is shown.
  const int labelTop = kLabelTop + (wheelShown_ ? kWheelHeight : 0);
  const int stripTop = labelTop + kStripBelowLabel;
  const int stripHeight = std::max(form.height() - stripTop - kStripFoot, 20);
  Label19->setGeometry(x - kFrameWidth, labelTop, kSwatch + 2 * kFrameWidth, kLabelHeight);
  CinUse->setGeometry(x, stripTop, kSwatch, stripHeight);
  CinUseFrame->setGeometry(CinUse->geometry().adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth));
}

void ColourPanel::setShown(bool shown) {
  for (QWidget* w : {static_cast<QWidget*>(Picture3), static_cast<QWidget*>(Picture4),
                     static_cast<QWidget*>(Label19), static_cast<QWidget*>(CinUseFrame),
                     static_cast<QWidget*>(CinUse)}) {
    w->setVisible(shown);
    w->setEnabled(shown);
  }
  if (shown) CinUse->ShowCInUse(-1);
  for (QWidget* w : {static_cast<QWidget*>(Picture11), static_cast<QWidget*>(Picture10),
                     static_cast<QWidget*>(Command4), static_cast<QWidget*>(VScroll2)}) {
    w->setVisible(shown);
    w->setEnabled(shown);
  }
}

void ColourPanel::showSwapArmed(bool armed) {
  armed_ = armed;
  const QString style = colourStyle(armed ? kSwapArmed : useColor_);
  Picture11->setStyleSheet("QFrame#Picture11 { " + style + " }");
  CinUseFrame->setStyleSheet("QFrame#CinUseFrame { " + style + " }");
  Label19->setStyleSheet(style);
}

void ColourPanel::setUseColor(Rgb colour) {
  useColor_ = colour;
  showSwapArmed(armed_);
  Picture12->setStyleSheet(colour == kUseColor ? QString() : "QFrame#Picture12 { " + colourStyle(colour) + " }");
  CinUse->setBack(colour == kUseColor ? back_ : colour);
  CinUse->redraw();
}

void ColourPanel::setWheelVisible(bool visible) {
  wheelShown_ = visible;
  PositionPic4(Picture4->x());
  Picture12->setVisible(visible);
  Wheel->setVisible(visible);
  if (visible) {
    Wheel->raise();
    Picture12->raise();
    Wheel->update();
  }
}

void ColourPanel::syncScroll() {
  syncing_ = true;
  VScroll2->setRange(-HarmonyTop(colour_.HarmonyMode), 2);
  VScroll2->setPageStep(1);
  VScroll2->setValue(-colour_.HarmonyScroll);
  syncing_ = false;
}

void ColourPanel::showCurrent() { Picture4->setColour(colour_.CurrentColor); }

}  // namespace orn
