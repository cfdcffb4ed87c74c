#include "print/page_layout.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "print/model_size.h"

namespace orn {

namespace {

// Page units a rectangle may reach: the image rectangle is kept in 16-bit
// whole numbers.
constexpr double kMaxPageUnits = 32767.0;
// A corner drag is refused when it would leave the side that follows the
// aspect ratio at this size or less while the dragged side is below the next.
constexpr double kSmallestSide = 5.0;
constexpr double kSmallestDraggedSide = 6.0;

int roundEven(double v) {
  return static_cast<int>(std::clamp(std::nearbyint(v), -kMaxPageUnits, kMaxPageUnits));
}

// Cuts toward minus infinity, as the size arithmetic of the drags does.
double cut(double v) { return std::floor(v); }

std::string trimLeadingZero(std::string s) {
  const std::size_t digit = s[0] == '-' ? 1 : 0;
  if (s.compare(digit, 2, "0.") == 0) s.erase(digit, 1);
  return s;
}

}  // namespace

std::string PrintSizeText(double pageUnits, int dpi, double unitFactor) {
  if (dpi <= 0) dpi = 1;
  const double value = pageUnits / dpi * unitFactor;
  // Cut to hundredths; the small allowance keeps a size that is exactly on a
  // hundredth (600 pixels at 300 dpi is 5.08 cm) from losing one to the
  // arithmetic's last bit.
  const double hundredths = std::floor(value * 100.0 + 1e-3);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.2f", hundredths / 100.0);
  return trimLeadingZero(buf);
}

std::string ExportSizeText(double pageUnits) {
  const long v = std::lround(std::floor(pageUnits + 0.5));
  return v == 0 ? std::string() : std::to_string(v);
}

// ---- opening ---------------------------------------------------------------------

void PageLayout::open() {
  if (mode_ == kLastFormat) {
    mode_ = ps_.LastBitmapFormat != 0 ? ps_.LastBitmapFormat : kFormatBmp8;
    ps_.LastBitmapFormat = mode_;
  }
  ClampPrintSettings(ps_);
  if (exportLayout()) {
    fmt_Click(IsFormatCode(mode_) ? mode_ : kFormatBmp8);
  } else {
    Quality_Click(ps_.PrintQuality - 1);
    if (ps_.PrintStyle != kStyleBlackWhite) ps_.PrintStyle = kStyleColor;
    Style_Click(ps_.PrintStyle);
    Border_Click(ps_.PrintBorder);
    label1_ = "Printer Resolution: " + std::to_string(ps_.PrinterDpiX) + "dpi";
  }
  openPreview();
  ShowSizes();
  if (ps_.ModelNumber != 0) ShowModelSize();
}

void PageLayout::openPreview() {
  const double ar = ps_.AspectRatio > 0 && std::isfinite(ps_.AspectRatio) ? ps_.AspectRatio : 1.0;
  if (ar <= 1.0) {
    thumbW_ = std::max(1, roundEven(ar * kPreviewSide));
    thumbH_ = kPreviewSide;
  } else {
    thumbW_ = kPreviewSide;
    thumbH_ = std::max(1, roundEven(kPreviewSide / ar));
  }
  const int longer = std::max({ps_.PageWidth, ps_.PageHeight, 1});
  scale_ = double(kPreviewSide) / longer;
  p1_ = {ps_.ImageX * scale_, ps_.ImageY * scale_, ps_.ImageW * scale_, ps_.ImageH * scale_};
  bm_ = p1_;
  dragging_ = false;
  noDrag_ = true;
  ++revision_;
}

std::string PageLayout::caption() const {
  return exportLayout() ? "Save Bitmap Menu" : "Print Menu - " + ps_.PrinterName;
}

std::string PageLayout::capBoxCaption() const {
  return exportLayout() ? "Size: (pixels)" : "Size: (" + ps_.UnitName + ")";
}

// ---- options ---------------------------------------------------------------------

void PageLayout::Quality_Click(int Index) { ps_.PrintQuality = std::clamp(Index, 0, 3) + 1; }

void PageLayout::Style_Click(int Index) {
  ps_.PrintStyle = Index == kStyleBlackWhite ? kStyleBlackWhite : kStyleColor;
}

void PageLayout::Border_Click(int Index) { ps_.PrintBorder = Index == 0 ? 0 : 1; }

void PageLayout::fmt_Click(int Index) {
  if (!IsFormatCode(Index)) return;
  ps_.LastBitmapFormat = Index;
  mode_ = Index;
}

void PageLayout::PortLand_Click(int Index) {
  if (Index != kPortrait && Index != kLandscape) return;
  if (Index == ps_.PrintOrientation) return;
  std::swap(ps_.PageWidth, ps_.PageHeight);
  ps_.PrintOrientation = Index;
  keepOnPage();
  ++revision_;
}

// Moves the image rectangle onto the page, made smaller (its shape kept)
// where it is larger than the page; a rectangle on the page stays as it is.
// Worked in page units so that the rectangle the closing buttons store lies
// on the page too.
void PageLayout::keepOnPage() {
  const double pw = ps_.PageWidth, ph = ps_.PageHeight;
  if (pw < 1 || ph < 1 || bm_.width <= 0 || bm_.height <= 0) return;
  double L = bm_.left / scale_, T = bm_.top / scale_, W = bm_.width / scale_, H = bm_.height / scale_;
  if (L >= 0 && T >= 0 && roundEven(L) + roundEven(W) <= pw && roundEven(T) + roundEven(H) <= ph) return;
  if (W > pw || H > ph) {
    const double f = std::min(pw / W, ph / H);
    W = std::min(W * f, pw);
    H = std::min(H * f, ph);
  }
  L = std::clamp(L, 0.0, pw - roundEven(W));
  T = std::clamp(T, 0.0, ph - roundEven(H));
  if (roundEven(L) + roundEven(W) > pw) L = pw - roundEven(W);
  if (roundEven(T) + roundEven(H) > ph) T = ph - roundEven(H);
  bm_ = {L * scale_, T * scale_, W * scale_, H * scale_};
  p1_ = bm_;
  if (ps_.ImageW != 0) ps_.ImageScale = float(p1_.width / ps_.ImageW);
  writeSizeBoxes();
}

PreviewRect PageLayout::page() const { return {0, 0, ps_.PageWidth * scale_, ps_.PageHeight * scale_}; }

PreviewRect PageLayout::frame() const {
  const PreviewRect pg = page();
  return {0, 0, pg.width + kFrameExtraWidth, pg.height + kFrameExtraHeight};
}

std::array<PreviewPoint, 4> PageLayout::handles() const {
  const double L = bm_.left, T = bm_.top, W = bm_.width, H = bm_.height;
  return {PreviewPoint{L - 6, T - 6}, PreviewPoint{L + W - 2, T - 6}, PreviewPoint{L - 6, T + H - 2},
          PreviewPoint{L + W - 2, T + H - 2}};
}

// ---- the boxes -------------------------------------------------------------------

std::string PageLayout::sizeText(double previewPx, int dpi) const {
  const double units = previewPx / scale_;
  return exportLayout() ? ExportSizeText(units) : PrintSizeText(units, dpi, ps_.UnitFactor);
}

void PageLayout::writeSizeBoxes() {
  SizeEditBusy = true;
  wBox_ = sizeText(p1_.width, ps_.PrinterDpiX);
  hBox_ = sizeText(p1_.height, ps_.PrinterDpiY);
  if (!exportLayout()) {
    lBox_ = sizeText(p1_.left, ps_.PrinterDpiX);
    tBox_ = sizeText(p1_.top, ps_.PrinterDpiY);
    if (ps_.ModelNumber != 0) ShowModelSize();
  }
  SizeEditBusy = false;
  ++revision_;
}

void PageLayout::ShowSizes() {
  writeSizeBoxes();
  if (!exportLayout()) tCopy_ = std::to_string(ps_.Copies);
}

void PageLayout::ShowModelSize() {
  const bool metric = ps_.UnitFactor != 1.0f;
  const std::string text = ModelSizeText(ps_.ModelNumber, LeadingNumber(wBox_), metric);
  // A model the program does not know keeps the resolution line.
  if (!text.empty()) label1_ = text;
  ++revision_;
}

double PageLayout::typedToPreview(double v, int dpi) const {
  if (!exportLayout()) v = v / ps_.UnitFactor * dpi;
  return v * scale_;
}

bool PageLayout::sideTooLarge(double previewPx) const {
  return !(std::fabs(previewPx / scale_) <= kMaxPageUnits);
}

void PageLayout::WBox_Change(const std::string& text) {
  if (SizeEditBusy) return;
  wBox_ = text;
  const double ar = ps_.AspectRatio;
  const double typed = typedToPreview(LeadingNumber(text), ps_.PrinterDpiX);
  if (!(typed >= kSmallestSide && typed / ar >= kSmallestSide) || sideTooLarge(typed) ||
      sideTooLarge(typed / ar)) {
    return;
  }
  p1_.width = typed;
  p1_.height = typed / ar;
  bm_.width = p1_.width;
  bm_.height = p1_.height;
  SizeEditBusy = true;
  hBox_ = sizeText(p1_.height, ps_.PrinterDpiY);
  SizeEditBusy = false;
  if (ps_.ImageW != 0) ps_.ImageScale = float(p1_.width / ps_.ImageW);
  if (ps_.ModelNumber != 0) ShowModelSize();
  ++revision_;
}

void PageLayout::HBox_Change(const std::string& text) {
  if (SizeEditBusy) return;
  hBox_ = text;
  const double ar = ps_.AspectRatio;
  const double typed = typedToPreview(LeadingNumber(text), ps_.PrinterDpiY);
  if (!(typed >= kSmallestSide && ar * typed >= kSmallestSide) || sideTooLarge(typed) ||
      sideTooLarge(ar * typed)) {
    return;
  }
  p1_.height = typed;
  p1_.width = ar * typed;
  bm_.width = p1_.width;
  bm_.height = p1_.height;
  SizeEditBusy = true;
  wBox_ = sizeText(p1_.width, ps_.PrinterDpiX);
  SizeEditBusy = false;
  if (ps_.ImageW != 0) ps_.ImageScale = float(p1_.width / ps_.ImageW);
  if (ps_.ModelNumber != 0) ShowModelSize();
  ++revision_;
}

void PageLayout::LBox_Change(const std::string& text) {
  if (SizeEditBusy || exportLayout()) return;
  lBox_ = text;
  const double v = typedToPreview(LeadingNumber(text), ps_.PrinterDpiX);
  if (sideTooLarge(v)) return;
  p1_.left = v;
  bm_.left = v;
  ++revision_;
}

void PageLayout::TBox_Change(const std::string& text) {
  if (SizeEditBusy || exportLayout()) return;
  tBox_ = text;
  const double v = typedToPreview(LeadingNumber(text), ps_.PrinterDpiY);
  if (sideTooLarge(v)) return;
  p1_.top = v;
  bm_.top = v;
  ++revision_;
}

void PageLayout::TCopy_Change(const std::string& text) {
  if (SizeEditBusy) return;
  const double v = std::nearbyint(LeadingNumber(text));
  if (v < 1) {
    ps_.Copies = 1;
    tCopy_ = std::to_string(1);
  } else if (v > kMaxCopies) {
    ps_.Copies = kMaxCopies;
    tCopy_ = std::to_string(kMaxCopies);
  } else {
    ps_.Copies = static_cast<int>(v);
    tCopy_ = text;
  }
  ++revision_;
}

// ---- drags -------------------------------------------------------------------------

void PageLayout::pg_MouseDown(double X, double Y) {
  const double gl = bm_.left, gr = bm_.right(), gt = bm_.top, gb = bm_.bottom();
  noDrag_ = false;
  if (gl <= X && X <= gr && gt <= Y && Y <= gb) {
    dragHandle_ = kDragMove;
  } else {
    // The corner targets lie a handle's width outside the corners, tried
    // bottom-right first.
    const struct {
      double x, y;
      int handle;
    } targets[] = {{gr + kHandleSize, gb + kHandleSize, kDragBottomRight},
                   {gl - kHandleSize, gt - kHandleSize, kDragTopLeft},
                   {gr + kHandleSize, gt - kHandleSize, kDragTopRight},
                   {gl - kHandleSize, gb + kHandleSize, kDragBottomLeft}};
    noDrag_ = true;
    for (const auto& t : targets) {
      if (std::fabs(X - t.x) < kHandleSize && std::fabs(Y - t.y) < kHandleSize) {
        dragHandle_ = t.handle;
        noDrag_ = false;
        break;
      }
    }
    if (noDrag_) return;
  }
  dragLastX_ = roundEven(X);
  dragLastY_ = roundEven(Y);
  p1_ = bm_;
  dragging_ = true;
  ++revision_;
}

void PageLayout::pg_MouseMove(bool buttonHeld, double X, double Y) {
  if (noDrag_ || !buttonHeld) return;
  const int x = roundEven(X), y = roundEven(Y);
  if (x == dragLastX_ && y == dragLastY_) return;
  const int dx = x - dragLastX_, dy = y - dragLastY_;
  dragLastX_ = x;
  dragLastY_ = y;
  dragStep(dx, dy);
  // The boxes follow the rubber band, also after a refused step.
  writeSizeBoxes();
}

// One step of a drag on p1. A corner is driven by the width when the mouse
// moved sideways, else by the height; the other side follows the aspect
// ratio and the opposite corner stays. Returns false when refused.
bool PageLayout::dragStep(int dx, int dy) {
  const double ar = ps_.AspectRatio;
  const double L = p1_.left, T = p1_.top, W = p1_.width, H = p1_.height;
  if (dragHandle_ == kDragMove) {
    p1_.left = L + dx;
    p1_.top = T + dy;
    return true;
  }
  const bool byWidth = dx != 0;
  const bool exact = dragHandle_ == kDragBottomRight;  // this corner is not rounded
  auto driven = [&](double v) { return exact ? v : std::nearbyint(v); };
  double nw, nh, other, side;
  PreviewRect r = p1_;
  if (byWidth) {
    const bool leftEdge = dragHandle_ == kDragTopLeft || dragHandle_ == kDragBottomLeft;
    nw = driven(leftEdge ? W - dx : W + dx);
    other = nw / ar;
    nh = exact ? other : cut(other);
    side = nw;
    if (leftEdge) r.left = L + dx;
    if (dragHandle_ == kDragTopLeft || dragHandle_ == kDragTopRight) r.top = T + std::nearbyint(H) - nh;
  } else {
    const bool topEdge = dragHandle_ == kDragTopLeft || dragHandle_ == kDragTopRight;
    nh = driven(topEdge ? H - dy : H + dy);
    other = ar * nh;
    nw = exact ? other : cut(other);
    side = nh;
    if (topEdge) r.top = T + dy;
    if (dragHandle_ == kDragTopLeft || dragHandle_ == kDragBottomLeft) r.left = L + std::nearbyint(W) - nw;
  }
  // Too small to see, or (also for very wide or tall pictures) no size left
  // at all on one side.
  if ((other <= kSmallestSide && std::nearbyint(side) < kSmallestDraggedSide) || nw < 1 || nh < 1 ||
      sideTooLarge(nw) || sideTooLarge(nh)) {
    return false;
  }
  r.width = nw;
  r.height = nh;
  p1_ = r;
  return true;
}

void PageLayout::pg_MouseUp() {
  if (noDrag_) return;
  noDrag_ = true;
  dragging_ = false;
  bm_ = p1_;
  if (ps_.ImageW != 0) ps_.ImageScale = float(p1_.width / ps_.ImageW);
  ++revision_;
}

// ---- closing -----------------------------------------------------------------------

void PageLayout::PrtGlob_Click(int Index) {
  ps_.ImageX = roundEven(bm_.left / scale_);
  ps_.ImageY = roundEven(bm_.top / scale_);
  if (exportLayout()) {
    // The sizes the boxes show for the rectangle; a typed size that was
    // refused does not count.
    ps_.ImageW = roundEven(cut(bm_.width / scale_ + 0.5));
    ps_.ImageH = roundEven(cut(bm_.height / scale_ + 0.5));
    ps_.PrintStyle = kStyleColor;
  } else {
    ps_.ImageW = roundEven(bm_.width / scale_);
    ps_.ImageH = roundEven(bm_.height / scale_);
  }
  ps_.GoFlag = Index == 0;
  ps_.PreviewFlag = false;
}

int PageLayout::HelpCmd_Click() {
  ps_.HelpContext = exportLayout() ? kHelpExportLayout : kHelpPrintLayout;
  return ps_.HelpContext;
}

}  // namespace orn
