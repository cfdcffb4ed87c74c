#pragma once
// The main menu's rules: which sample file a click opens in which mode, and
// the words its captions are made of.
#include <optional>
#include <string>

namespace orn {

// What a click on a sample hands to the editor.
struct HandOver {
  std::string PicturePath;  // StaticFolder + the sample's file name (upper case)
  bool OpenForEditing = true;
  int LoadOption = 0;
};

// The hand-over for sample `index` of art type `artType` opened in
// `startMode` (0 Display, 1 Edit, 2 Repaint, 3 Redraw). Patterns, roses and
// drawings have indexes 0-5, models 0-6 and the extra models of "Mo&re"
// 10-16. Nothing for an index outside these.
//
// Display opens the gallery view. Redraw erases a pattern's colours after
// loading, re-creates a rose or drawing from its symmetry, and opens a
// model's construction drawing ("D" file) instead of the finished net.
std::optional<HandOver> SampleHandOver(int artType, int index, int startMode,
                                       const std::string& staticFolder);

// Sample counts per art type, extras of "Mo&re" not counted.
int SampleCount(int artType);

// The captions of the samples of an art type, the names of the extra models
// as their menu items show them ("&Owl", ...).
const char* SampleCaption(int artType, int index);
const char* ExtraModelCaption(int index);

// "Display", "Edit", "Repaint", "Redraw" and "Pattern", "Rose", "Drawing",
// "Model" for 0 to 3 (the two lowest bits of `n`).
const char* ModeWord(int n);
const char* ArtWord(int n);

// The plural shown above the samples ("Roses") and the instruction line
// ("Click on the rose below that you want to redraw").
std::string ModeArtCaption(const std::string& artWord);
std::string MainMsgCaption(const std::string& artWord, const std::string& modeWord);

}  // namespace orn
