// The editor window's erasing of all colour: the list work is the core's;
// the window closes an open record the way its canvas does and redraws.
#include "canvas/erase_colours.h"
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/pic_edit_hooks.h"

namespace orn {

namespace {

class EraseHooks : public ListEditHooks {
 public:
  EraseHooks(PicEdit& w, FileHooks& files) : w_(w), files_(files) {}
  void closeOpenRecord(DrawingList& list) override { files_.closeOpenRecord(list); }
  void drawAll() override { w_.DrawAll(1); }

 private:
  PicEdit& w_;
  FileHooks& files_;
};

}  // namespace

void PicEdit::EraseC() {
  if (!hooks_) hooks_ = std::make_unique<Hooks>(*this);
  EraseHooks hooks(*this, *hooks_);
  EraseEnv env{list_, sym_, colour_, host_, hooks};
  orn::EraseC(env, SilentErase);
}

}  // namespace orn
