// The editor window's printing and image export: the File menu's print,
// printer set-up, bitmap and wallpaper commands, and what the print command
// asks of the window (the page-layout dialog, the tools hidden while a print
// is drawn, the help box's message).
#include <QAction>
#include <QLabel>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

#include "canvas/ui/part_labels.h"
#include "editor/ui/pic_edit.h"
#include "model/list_edit.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"
#include "print/bitmap_export.h"
#include "print/print_command.h"
#include "print/printer_setup.h"
#include "print/ui/print_frm.h"
#include "print/ui/qt_image_writer.h"
#include "print/ui/qt_printer.h"

namespace orn {

namespace {

constexpr const char* kPrintFileName = "Printout.pdf";
constexpr const char* kWallpaperFolderName = "Ornivale Wallpapers";
// The help box while a black-and-white print is drawn.
constexpr Rgb kPrintMessageBack = 0x00FFFF;
constexpr int kPrintMessagePoints = 12;

}  // namespace

class PrintCommands::Printing : public PrintWindow {
 public:
  explicit Printing(PicEdit& w) : w_(w) {}

  // The measurement setting: 0 metric, else inches.
  int iMeasure() const { return Profile(w_.profile()).getInt("intl", "iMeasure", 1); }

  PrinterDevice& printer() {
    if (printerOverride) return *printerOverride;
    if (!own_) {
      own_ = std::make_unique<QtPrinterDevice>(&w_, w_.prints().printFilePath().string(), iMeasure() == 0);
    }
    return *own_;
  }

  void showPrintFrm() override {
    PrintFrm dialog(w_.printState(), w_.file().PrintMode, w_.canvasSurface(),
                    [this](int topic, QWidget& dialog) { w_.showHelp(topic, dialog); }, &w_);
    dialog.exec();
  }

  void canvasChanged() override { w_.Picture1->update(); }

  void hideWorkspace() override {
    if (w_.showMode()) return;  // show mode has no tools to hide
    w_.symHost().SetDrawButtons(false);
    partsShown_ = w_.Picture7 != nullptr && w_.Picture7->isVisible();
    if (w_.Picture7 != nullptr) w_.Picture7->hide();
    // The colour tools go while the print is drawn and come back after it.
    const bool tools = w_.editor().ColorToolsOn;
    if (tools) w_.ToggleColorTools();
    w_.editor().ColorToolsOn = tools;
  }

  void restoreWorkspace() override {
    if (w_.showMode()) return;
    w_.symHost().SetDrawButtons(true);
    if (w_.Picture7 != nullptr && partsShown_ && w_.editor().PaintOnlyMode == 0) w_.Picture7->show();
    if (w_.editor().ColorToolsOn) {
      w_.editor().ColorToolsOn = false;
      w_.ToggleColorTools();
      w_.editor().ColorToolsOn = true;
    }
    w_.host().pumpEvents();
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

void PrintCommands::PrintingDeleter::operator()(Printing* p) const { delete p; }

PrintCommands::Printing& PrintCommands::printing() {
  if (!printing_) printing_.reset(new Printing(w_));
  return *printing_;
}

void PrintCommands::wirePrintMenu() {
  const std::pair<const char*, void (PrintCommands::*)()> commands[] = {
      {"MenFilePrint", &PrintCommands::MenFilePrint_Click},
      {"MenFilePset", &PrintCommands::MenFilePset_Click},
      {"MenSaveBitmap", &PrintCommands::MenSaveBitmap_Click},
      {"MenSaveWall", &PrintCommands::MenSaveWall_Click},
  };
  for (const auto& [name, command] : commands) {
    QAction* item = w_.menus().menuItem(name);
    item->setProperty("ornBuilt", true);
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, &w_,
                     w_.trapped(name, kNoIndex, [this, command] { (this->*command)(); }));
  }
}

void PrintCommands::setPrinter(PrinterDevice* printer) { printing().printerOverride = printer; }

PrinterDevice& PrintCommands::listingPrinter() { return printing().printer(); }

std::filesystem::path PrintCommands::printFilePath() const {
  const std::filesystem::path folder =
      w_.dataFolder().empty() ? std::filesystem::current_path() : w_.dataFolder();
  return folder / kPrintFileName;
}

std::filesystem::path PrintCommands::wallpaperFolder() const {
  QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (pictures.isEmpty()) pictures = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
  return std::filesystem::path(pictures.toStdString()) / kWallpaperFolderName;
}

// ---- commands ----------------------------------------------------------------------

void PrintCommands::MenFilePrint_Click() {
  w_.errors().Trap("MenFilePrint", [this] {
    Printing& p = printing();
    if (w_.list().PackFrom > 0) orn::PackBad(w_.list());
    RedrawEnv redraw = w_.document().redrawEnv(w_.controls());
    const std::string capture =
        w_.dataFolder().empty() ? std::string() : (w_.dataFolder() / kPrintCaptureName).string();
    PrintEnv env{redraw, w_.printState(), w_.file().PrintMode, w_.layout().PrintInitDone, p.iMeasure(), p.printer(), p,
                 p.images, capture};
    MenFilePrint(env);
  });
  w_.Picture1->update();
}

void PrintCommands::MenFilePset_Click() {
  w_.errors().Trap("PrtMen", [this] {
    w_.CopyToBmap();
    if (w_.list().PackFrom > 0) orn::PackBad(w_.list());
    PrtMen(printing().printer(), w_.printState());
    // A new page shape is read at the next print.
    w_.layout().PrintInitDone = false;
  });
}

void PrintCommands::MenSaveBitmap_Click() {
  w_.errors().Trap("MenSaveBitmap", [this] {
    // A picture without a file name goes by its title, or by the title of
    // the sample it was opened from.
    const std::string& name =
        !w_.picture().PictureTitle.empty() ? w_.picture().PictureTitle : w_.files().loadedTitle_;
    MenSaveBitmap(w_.canvasSurface(), BitmapSaveRequest(w_.file(), name, false), w_.dialogs(), w_.host(),
                  printing().images);
  });
}

void PrintCommands::MenSaveWall_Click() {
  // The wallpaper folder does not become the folder the user works in.
  std::error_code ec;
  const std::filesystem::path here = std::filesystem::current_path(ec);
  w_.errors().Trap("MenWallSv", [this] {
    FileContext ctx = w_.files().fileContext();
    MenSaveWall(ctx, w_.canvasSurface(), wallpaperFolder().string());
  });
  if (!here.empty()) std::filesystem::current_path(here, ec);
  w_.Picture1->update();
}

std::optional<std::string> PrintCommands::saveCanvasBitmap(const std::string& path) {
  return SaveCanvasBitmap(w_.canvasSurface(), w_.draw(), printing().images, path);
}

}  // namespace orn
