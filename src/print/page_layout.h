#pragma once
// The page-layout dialog's logic, apart from its widgets: the two layouts
// (print and bitmap export), the page preview with the image rectangle, its
// handles and drags, the size boxes and the copies box, and the closing
// buttons. The dialog window (PrintFrm) shows what this holds and forwards
// the user's input to it.
//
// Preview pixels are the dialog's own pixels: the page is drawn with its
// longer side 200 pixels long.
#include <array>
#include <string>

#include "model/leading_number.h"

#include "print/print_state.h"

namespace orn {

struct PreviewRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
};

struct PreviewPoint {
  double x = 0;
  double y = 0;
};

// Longer side of the page preview and of the thumbnail, in preview pixels.
constexpr int kPreviewSide = 200;
// The frame around the page preview is this much wider and higher.
constexpr int kFrameExtraWidth = 32;
constexpr int kFrameExtraHeight = 42;
// Size of a corner handle.
constexpr int kHandleSize = 7;

// What a press on the preview took hold of.
constexpr int kDragTopLeft = 0;
constexpr int kDragTopRight = 1;
constexpr int kDragBottomLeft = 2;
constexpr int kDragBottomRight = 3;
constexpr int kDragMove = 4;

// A size in page units as the print layout shows it: converted to the
// user's unit and cut (not rounded) to hundredths, with two decimals and no
// leading zero below 1 ("3.33", ".33", "-.50").
std::string PrintSizeText(double pageUnits, int dpi, double unitFactor);
// A size in page units as the export layout shows it: whole pixels ("" for 0).
std::string ExportSizeText(double pageUnits);

class PageLayout {
 public:
  // Works on the print settings and on PrintMode (the file commands' value:
  // 0 opens the print layout, otherwise the export layout).
  PageLayout(PrintState& ps, int& PrintMode) : ps_(ps), mode_(PrintMode) {}

  // The opening: resolves "the format chosen last", brings the settings
  // into range, selects the options, sizes the preview, places the image
  // rectangle and writes the boxes.
  void open();

  bool exportLayout() const { return mode_ != 0; }
  const PrintState& settings() const { return ps_; }
  // The format chosen in the export layout.
  int format() const { return mode_; }
  // The print layout offers "Print Setup".
  bool setupOffered() const { return ps_.SetupPanelOn; }
  std::string caption() const;
  std::string capBoxCaption() const;
  std::string closeButtonCaption() const { return exportLayout() ? "Save" : "Print"; }
  // The line under the options: the printer's resolution, or the model
  // net's printed size.
  const std::string& label1() const { return label1_; }

  // ---- options ----
  void Quality_Click(int Index);
  void Style_Click(int Index);
  void Border_Click(int Index);
  void fmt_Click(int Index);
  void PageProj_Click(int Index) { ps_.PrintWhat = Index; }
  // Swaps the page's sides for the other orientation; the scale stays, and
  // so does the image rectangle as long as it lies on the turned page, else
  // it is moved (and if need be made smaller) onto it.
  void PortLand_Click(int Index);

  // ---- the preview ----
  double PreviewScale() const { return scale_; }
  // The page, and the frame label around it (left and top 0).
  PreviewRect page() const;
  PreviewRect frame() const;
  int ThumbWidth() const { return thumbW_; }
  int ThumbHeight() const { return thumbH_; }
  // The image rectangle (bm) and the rubber band that follows a drag (p1).
  const PreviewRect& bm() const { return bm_; }
  const PreviewRect& p1() const { return p1_; }
  // True while a drag runs: the image and its handles are hidden and the
  // rubber band shows the rectangle.
  bool dragging() const { return dragging_; }
  // Top-left corners of the four handles around bm.
  std::array<PreviewPoint, 4> handles() const;

  void pg_MouseDown(double X, double Y);
  void pg_MouseMove(bool buttonHeld, double X, double Y);
  void pg_MouseUp();
  int DragHandle() const { return dragHandle_; }
  bool NoDrag() const { return noDrag_; }

  // ---- the boxes ----
  const std::string& WBox() const { return wBox_; }
  const std::string& HBox() const { return hBox_; }
  const std::string& LBox() const { return lBox_; }
  const std::string& TBox() const { return tBox_; }
  const std::string& TCopy() const { return tCopy_; }
  // Typed text. A refused size leaves the rectangle as it was and keeps the
  // typed text; nothing happens while the program itself writes the boxes.
  void WBox_Change(const std::string& text);
  void HBox_Change(const std::string& text);
  void LBox_Change(const std::string& text);
  void TBox_Change(const std::string& text);
  void TCopy_Change(const std::string& text);

  // ---- closing ----
  // Index 0 "Print"/"Save", 1 "Cancel": stores the image rectangle in page
  // units and the verdict.
  void PrtGlob_Click(int Index);
  // "Print Setup": the caller runs the printer set-up and opens the dialog
  // again.
  void PrtSetup_Click() { ps_.ReopenReason = kReopenAfterPageSetup; }
  // The help topic of the layout (also stored in HelpContext).
  int HelpCmd_Click();

  // Bumped whenever the boxes, the label or the rectangle change, so that a
  // view knows when to show them again.
  int revision() const { return revision_; }

 private:
  void openPreview();
  void keepOnPage();
  void ShowSizes();
  void writeSizeBoxes();
  void ShowModelSize();
  std::string sizeText(double previewPx, int dpi) const;
  double typedToPreview(double v, int dpi) const;
  bool sideTooLarge(double previewPx) const;
  bool dragStep(int dx, int dy);

  PrintState& ps_;
  int& mode_;
  double scale_ = 1.0;
  int thumbW_ = kPreviewSide;
  int thumbH_ = kPreviewSide;
  PreviewRect bm_;
  PreviewRect p1_;
  std::string wBox_, hBox_, lBox_, tBox_, tCopy_;
  std::string label1_;

  bool SizeEditBusy = false;
  bool noDrag_ = true;
  bool dragging_ = false;
  int dragHandle_ = kDragMove;
  int dragLastX_ = 0;
  int dragLastY_ = 0;
  int revision_ = 0;
};

}  // namespace orn
