#pragma once
// FileCommands: the editor window's File menu (new, load, save, save as, the
// recent files, exit) and what the window does around the file commands:
// the loading window, the caption, the canvas size stored with a picture,
// the menus that follow the picture, the redraw after a load.
#include <memory>
#include <string>
#include <utility>

#include "canvas/picture_commands.h"

namespace orn {

class PicEdit;
class WindowFileHooks;

class FileCommands {
 public:
  explicit FileCommands(PicEdit& w);
  ~FileCommands();

  // Connects the File menu's items to their commands.
  void wireFileMenu();

  // ---- the File menu's commands ----
  void MenFileNew_Click();
  void MenFileLoad_Click(int index);
  void MenFileSave_Click();
  void MenFileSaveAs_Click();
  void MenFileExit_Click();
  void MenFile_Click();
  void FName_Click(int index);
  // Loads the picture named by `path` as the main menu hands one over.
  CommandStatus LoadPicture(const std::string& path);
  // Rebuilds the captions of the recent-file items.
  void FixFName();
  // The folder the recent-file captions were last made relative to.
  std::string EditStartDir;

  // ---- what the other commands share ----
  // The file commands' context on the window's document, dialogs and hooks.
  FileContext fileContext();
  // Runs the Load command under the error report; how it ended.
  CommandStatus runLoad(int kind);
  void afterLoad(const LoadOutcome& out);
  void afterNew(const NewOutcome& out);
  void afterSave(const SaveOutcome& out);
  // Offers to save a changed picture; false when the user cancelled or the
  // save failed.
  bool offerSave();
  // Runs the Save command under the error report; true when it saved.
  bool runSave();
  void showRecentItems();
  void updatePictureMenus();
  void setLineWidthCaption();
  // After a view file was loaded: the hand-over file the sibling product
  // leaves in the program folder goes.
  void afterViewLoad();
  void reportFailure(const std::string& text, const std::string& title);

  // The file the picture shown came from, and its title (a sample's too,
  // whose picture has none); empty after New.
  std::string loadedPath_;
  std::string loadedTitle_;
  // A load is under way: the loading window lets events run, and a second
  // file command must not start inside it.
  bool loading_ = false;
  // The load that opens the editor on the picture the main menu handed over,
  // or that New brings back: in edit mode its canvas is laid out for the
  // window, as every later layout lays it out, not kept at the size stored
  // with the picture.
  bool openingLoad_ = false;

 private:
  // Takes the canvas size stored with the picture, or keeps the present one,
  // and returns it as the size the picture's points are laid out for; the
  // canvas itself is only cleared, not sized yet.
  std::pair<int, int> applyStoredSizes(const LoadReport& r);

  PicEdit& w_;
  std::unique_ptr<WindowFileHooks> hooks_;
};

}  // namespace orn
