#pragma once
// EditorStart: the editor's start and exit. Form_Load prepares the empty editor;
// StartTimer (300 ms) loads the handed-over picture; LoadTimer (300 ms) ends
// the guard that keeps canvas clicks off a half-built editor. ExitC leaves the
// editor: it waits for a running redraw or load, offers to save a changed
// picture and writes "Paint.Dat".
#include "shell/paint_dat.h"

class QTimer;

namespace orn {

class PicEdit;

class EditorStart {
 public:
  explicit EditorStart(PicEdit& w) : w_(w) {}

  // The start: Form_Load prepares the empty editor; StartTimer (300 ms)
  // loads the handed-over picture; LoadTimer (300 ms) ends the guard that
  // keeps canvas clicks off a half-built editor.
  void Form_Load();
  void StartTimer_Timer();
  void LoadTimer_Timer();
  QTimer* StartTimer = nullptr;
  QTimer* LoadTimer = nullptr;
  QTimer* ReturnToMain = nullptr;
  bool StartLoading = false;
  bool StartDone = false;
  // Leaves the editor: waits for a running redraw or load, offers to save a
  // changed picture, writes "Paint.Dat". False when the editor stays open.
  bool ExitC();
  void SaveSettings();
  void buildStartTimers();
  void readSettings();
  void applySplineOption();
  // The settings as read, for the values only written back.
  EditorSettings settings_;
  bool exitDone_ = false;
  // The editor is on its way out: nothing more is drawn or loaded.
  bool exiting_ = false;

 private:
  PicEdit& w_;
};

}  // namespace orn
