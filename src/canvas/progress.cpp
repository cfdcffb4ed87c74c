#include "canvas/progress.h"

#include <algorithm>
#include <cmath>

namespace orn {

namespace {

// Right edge, in strip pixels, of a bar filled to `fraction`.
int barRight(const Surface& strip, double fraction) {
  fraction = std::clamp(fraction, 0.0, 1.0);
  return static_cast<int>(std::lround(fraction * (strip.width() - 1)));
}

}  // namespace

void ShowProgress(const EditorState& ed, EditorControls& ui, int Mode, int Count, int NumPoints) {
  double fraction;
  if (Mode == -1) {
    if (ed.ProgressTotal < 1) return;
    fraction = (Count + 1.0) / ed.ProgressTotal;
  } else {
    if (NumPoints < 1) return;
    fraction = (Count + 1.0) / NumPoints;
  }
  Surface* strip = ui.progressStrip();
  if (strip == nullptr || strip->empty()) return;
  strip->fillBox(0, 0, barRight(*strip, fraction), strip->height() - 1,
                 static_cast<Rgb>(ed.ProgressColor) & 0xFFFFFF);
  ui.progressChanged();
}

void FrameProgress(EditorControls& ui, Rgb colour) {
  Surface* strip = ui.progressStrip();
  if (strip == nullptr || strip->empty()) return;
  const Rgb pen = strip->penColor();
  const PenMode mode = strip->penMode();
  const int width = strip->penWidth();
  strip->setPenColor(colour);
  strip->setPenMode(PenMode::Copy);
  strip->setPenWidth(1);
  strip->box(0, 0, strip->width() - 1, strip->height() - 1);
  strip->setPenColor(pen);
  strip->setPenMode(mode);
  strip->setPenWidth(width);
  ui.progressChanged();
}

void ClearProgress(EditorControls& ui) {
  Surface* strip = ui.progressStrip();
  if (strip == nullptr) return;
  strip->clear();
  ui.progressChanged();
}

void StopSign_Click(EditorState& ed) { ed.StopFlag = kStopRequested; }

void StartUndoPoly(EditorState& ed, double secondsSinceMidnight) {
  if (ed.UndoPolyRunning) return;
  ed.UndoPolyRunning = true;
  ed.PressTime = std::lrint(secondsSinceMidnight);  // halves to even
}

void StopUndoPoly(EditorState& ed) {
  ed.UndoPolyRunning = false;
  ed.PressTime = 0;
}

void UndoPoly_Timer(EditorState& ed, double secondsSinceMidnight, const std::function<void()>& stepBack) {
  // Near midnight the clock wraps and t is large: the repeat goes fast at once.
  const float t = static_cast<float>(std::fabs(secondsSinceMidnight - static_cast<double>(ed.PressTime)));
  ed.UndoPolyInterval = t <= 1.0f ? 300 : 30;
  if (stepBack) stepBack();
}

}  // namespace orn
