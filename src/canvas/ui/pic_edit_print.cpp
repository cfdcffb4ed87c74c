// The editor window's printing and image export: the File menu's print,
// printer set-up, bitmap and wallpaper commands, and what the print command
// asks of the window (the page-layout dialog, the tools hidden while a print
// is drawn, the help box's message).
#include <QAction>
#include <QLabel>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

#include "canvas/ui/pic_edit.h"
#include "model/list_edit.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"
#include "print/bitmap_export.h"
#include "print/print_command.h"
#include "print/printer_setup.h"
#include "print/ui/print_frm.h"
#include "print/ui/qt_image_writer.h"
#include "print/ui/qt_printer.h"
#include "symmetry/ui/part_labels.h"

namespace orn {

namespace {

constexpr const char* kPrintFileName = "Printout.pdf";
constexpr const char* kWallpaperFolderName = "Ornivale Wallpapers";
// The help box while a black-and-white print is drawn.
constexpr Rgb kPrintMessageBack = 0x00FFFF;
constexpr int kPrintMessagePoints = 12;

}  // namespace

class PicEdit::Printing : public PrintWindow {
 public:
  explicit Printing(PicEdit& w) : w_(w) {}

  // The measurement setting: 0 metric, else inches.
  int iMeasure() const { return Profile(*w_.profile_).getInt("intl", "iMeasure", 1); }

  PrinterDevice& printer() {
    if (printerOverride) return *printerOverride;
    if (!own_) {
      own_ = std::make_unique<QtPrinterDevice>(&w_, w_.printFilePath().string(), iMeasure() == 0);
    }
    return *own_;
  }

  void showPrintFrm() override {
    PrintFrm dialog(w_.printState(), w_.file_.PrintMode, w_.canvas_,
                    [this](int topic) { w_.showHelp(topic); }, &w_);
    dialog.exec();
  }

  void canvasChanged() override { w_.Picture1->update(); }

  void hideWorkspace() override {
    if (w_.showMode()) return;  // show mode has no tools to hide
    w_.SetDrawButtons(false);
    partsShown_ = w_.Picture7 != nullptr && w_.Picture7->isVisible();
    if (w_.Picture7 != nullptr) w_.Picture7->hide();
    // The colour tools go while the print is drawn and come back after it.
    const bool tools = w_.editor_.ColorToolsOn;
    if (tools) w_.ToggleColorTools();
    w_.editor_.ColorToolsOn = tools;
  }

  void restoreWorkspace() override {
    if (w_.showMode()) return;
    w_.SetDrawButtons(true);
    if (w_.Picture7 != nullptr && partsShown_ && w_.editor_.PaintOnlyMode == 0) w_.Picture7->show();
    if (w_.editor_.ColorToolsOn) {
      w_.editor_.ColorToolsOn = false;
      w_.ToggleColorTools();
      w_.editor_.ColorToolsOn = true;
    }
    w_.host_.pumpEvents();
  }

  void showPrintMessage(const std::string& text) override {
    QLabel* box = w_.Text1;
    if (!text.empty()) {
      saved_ = {box->text(), box->styleSheet(), box->font(), box->isVisible()};
      messageShown_ = true;
      QFont f = box->font();
      f.setPointSize(kPrintMessagePoints);
      box->setFont(f);
      box->setStyleSheet(colourStyle(kPrintMessageBack));
      box->setText(QString::fromStdString(text));
      box->show();
    } else if (messageShown_) {
      messageShown_ = false;
      box->setText(saved_.text);
      box->setStyleSheet(saved_.style);
      box->setFont(saved_.font);
      box->setVisible(saved_.visible);
    }
  }

  QtImageWriter images;
  PrinterDevice* printerOverride = nullptr;

 private:
  struct HelpBox {
    QString text;
    QString style;
    QFont font;
    bool visible = false;
  };

  PicEdit& w_;
  std::unique_ptr<QtPrinterDevice> own_;
  bool partsShown_ = false;
  bool messageShown_ = false;
  HelpBox saved_;
};

void PicEdit::PrintingDeleter::operator()(Printing* p) const { delete p; }

PicEdit::Printing& PicEdit::printing() {
  if (!printing_) printing_.reset(new Printing(*this));
  return *printing_;
}

void PicEdit::wirePrintMenu() {
  const std::pair<const char*, void (PicEdit::*)()> commands[] = {
      {"MenFilePrint", &PicEdit::MenFilePrint_Click},
      {"MenFilePset", &PicEdit::MenFilePset_Click},
      {"MenSaveBitmap", &PicEdit::MenSaveBitmap_Click},
      {"MenSaveWall", &PicEdit::MenSaveWall_Click},
  };
  for (const auto& [name, command] : commands) {
    QAction* item = menuItem(name);
    item->setProperty("ornBuilt", true);
    item->setEnabled(true);
    connect(item, &QAction::triggered, this, trapped(name, kNoIndex, [this, command] { (this->*command)(); }));
  }
}

void PicEdit::setPrinter(PrinterDevice* printer) { printing().printerOverride = printer; }

PrinterDevice& PicEdit::listingPrinter() { return printing().printer(); }

std::filesystem::path PicEdit::printFilePath() const {
  const std::filesystem::path folder = dataFolder().empty() ? std::filesystem::current_path() : dataFolder();
  return folder / kPrintFileName;
}

std::filesystem::path PicEdit::wallpaperFolder() const {
  QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (pictures.isEmpty()) pictures = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
  return std::filesystem::path(pictures.toStdString()) / kWallpaperFolderName;
}

// ---- commands ----------------------------------------------------------------------

void PicEdit::MenFilePrint_Click() {
  errors_.Trap("MenFilePrint", [this] {
    Printing& p = printing();
    if (list_.PackFrom > 0) orn::PackBad(list_);
    RedrawEnv redraw{list_, sym_, draw_, editor_, pick_, colour_, views_, host_, *this};
    const std::string capture =
        dataFolder().empty() ? std::string() : (dataFolder() / kPrintCaptureName).string();
    PrintEnv env{redraw, printState(), file_.PrintMode, PrintInitDone, p.iMeasure(), p.printer(), p,
                 p.images, capture};
    MenFilePrint(env);
  });
  Picture1->update();
}

void PicEdit::MenFilePset_Click() {
  errors_.Trap("PrtMen", [this] {
    CopyToBmap();
    if (list_.PackFrom > 0) orn::PackBad(list_);
    PrtMen(printing().printer(), printState());
    // A new page shape is read at the next print.
    PrintInitDone = false;
  });
}

void PicEdit::MenSaveBitmap_Click() {
  errors_.Trap("MenSaveBitmap", [this] {
    // A picture without a file name goes by its title, or by the title of
    // the sample it was opened from.
    const std::string& name = !pic_.PictureTitle.empty() ? pic_.PictureTitle : loadedTitle_;
    MenSaveBitmap(canvas_, BitmapSaveRequest(file_, name, false), *dialogs_, host_, printing().images);
  });
}

void PicEdit::MenSaveWall_Click() {
  // The wallpaper folder does not become the folder the user works in.
  std::error_code ec;
  const std::filesystem::path here = std::filesystem::current_path(ec);
  errors_.Trap("MenWallSv", [this] {
    FileContext ctx = fileContext();
    MenSaveWall(ctx, canvas_, wallpaperFolder().string());
  });
  if (!here.empty()) std::filesystem::current_path(here, ec);
  Picture1->update();
}

std::optional<std::string> PicEdit::saveCanvasBitmap(const std::string& path) {
  return SaveCanvasBitmap(canvas_, draw_, printing().images, path);
}

}  // namespace orn
