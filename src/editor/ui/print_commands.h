#pragma once
// PrintCommands: the editor window's printing and image export: the File
// menu's print, printer set-up, bitmap and wallpaper commands, and what the
// print command asks of the window (the page-layout dialog, the tools hidden
// while a print is drawn, the help box's message).
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orn {

class PicEdit;
class PrinterDevice;

class PrintCommands {
 public:
  explicit PrintCommands(PicEdit& w) : w_(w) {}

  void MenFilePrint_Click();
  void MenFilePset_Click();
  void MenSaveBitmap_Click();
  void MenSaveWall_Click();
  // What the picture save writes for a bitmap: the wallpaper tile while the
  // wallpaper command measures, else the canvas. An error text on failure.
  std::optional<std::string> saveCanvasBitmap(const std::string& path);
  // Prints on `printer` (kept by the caller) instead of the default printer
  // or its stand-in file; null: back to those.
  void setPrinter(PrinterDevice* printer);
  // The PDF file that stands in for a missing printer, and the wallpaper
  // folder.
  std::filesystem::path printFilePath() const;
  std::filesystem::path wallpaperFolder() const;
  // The printer the Special menu's listings go to.
  PrinterDevice& listingPrinter();
  void wirePrintMenu();

  // What the print command asks of the window, made at the first print.
  class Printing;

 private:
  struct PrintingDeleter {
    void operator()(Printing* p) const;
  };
  Printing& printing();
  std::unique_ptr<Printing, PrintingDeleter> printing_;
  PicEdit& w_;
};

}  // namespace orn
