#pragma once
// A small editor for the print and export commands: a real canvas and
// drawing list (the canvas tests' Scene), a printer that records its jobs,
// a page-layout dialog answered by a script through the dialog's own logic,
// and an image writer that keeps what it was asked to write.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "canvas/canvas_fixture.h"
#include "print/page_layout.h"
#include "print/print_command.h"

namespace orn::test {

class RecordingPrinter : public PrinterDevice {
 public:
  std::string name() const override { return "Laser"; }
  std::optional<PrinterInfo> pageInfo() override { return page; }
  PrintOutcome print(const PrintJob& job, const PumpEvents& pump) override {
    if (fail) throw std::runtime_error("the printer went away");
    if (whilePrinting) whilePrinting();
    if (pump) pump();
    jobs.push_back(job);
    return {true, "", toFile};
  }
  void printSetup(int& orientation) override {
    ++setups;
    if (chosenOrientation) orientation = *chosenOrientation;
  }
  void pageSetup(int& orientation) override {
    ++setups;
    if (chosenOrientation) orientation = *chosenOrientation;
  }

  std::optional<PrinterInfo> page = PrinterInfo{2400, 3300, 300, 300};
  std::vector<PrintJob> jobs;
  std::function<void()> whilePrinting;  // runs as each job is taken
  std::string toFile;
  int setups = 0;
  std::optional<int> chosenOrientation;  // what the set-up dialogs answer
  bool fail = false;
};

class KeptImages : public ImageWriter {
 public:
  using ImageWriter::writeBmp;
  std::optional<std::string> writeBmp(const Surface& s, int x, int y, int w, int h,
                                      const std::string& path) override {
    Surface part(w, h);
    part.blit(0, 0, w, h, s, x, y);
    files[path] = part;
    if (fail) return NotWrittenText(path);
    return std::nullopt;
  }
  std::map<std::string, Surface> files;
  bool fail = false;
};

// The dialog: each showing runs the next step of the script on the opened
// layout; a step that returns false leaves the closing to "Print".
class ScriptedPrintWindow : public PrintWindow {
 public:
  using Step = std::function<bool(PageLayout&)>;
  ScriptedPrintWindow(PrintState& ps, int& PrintMode) : ps_(ps), mode_(PrintMode) {}
  void showPrintFrm() override {
    PageLayout layout(ps_, mode_);
    layout.open();
    opened.push_back(ps_);
    bool closed = false;
    if (opened.size() <= steps.size()) closed = steps[opened.size() - 1](layout);
    if (!closed) layout.PrtGlob_Click(0);
  }
  void canvasChanged() override {}
  void hideWorkspace() override { workspaceHidden = true; }
  void restoreWorkspace() override { workspaceHidden = false; }
  void showPrintMessage(const std::string& text) override { messages.push_back(text); }

  static bool Cancel(PageLayout& l) {
    l.PrtGlob_Click(1);
    return true;
  }

  std::vector<Step> steps;
  std::vector<PrintState> opened;  // the settings as each dialog opened
  std::vector<std::string> messages;
  bool workspaceHidden = false;

 private:
  PrintState& ps_;
  int& mode_;
};

struct PrintScene : Scene {
  PrintState ps;
  int PrintMode = 0;
  bool PrintInitDone = false;
  int iMeasure = 1;
  RecordingPrinter printer;
  ScriptedPrintWindow window{ps, PrintMode};
  KeptImages images;
  RedrawEnv redraw = env();

  PrintScene() {
    ed.ColorToolsOn = true;
    // A black square with a red fill inside it.
    AddShape(list, kTypePolyLine, {{20, 20}, {100, 20}, {100, 100}, {20, 100}, {20, 20}});
    AddPaint(list, {{rgb(255, 0, 0), {60, 60}}});
    DrawAll(redraw, 1);
  }

  void print() {
    PrintEnv e{redraw, ps, PrintMode, PrintInitDone, iMeasure, printer, window, images, "temp626.bmp"};
    MenFilePrint(e);
  }
};

}  // namespace orn::test
