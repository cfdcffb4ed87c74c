#include "shell/hand_over.h"

#include <array>

#include "canvas/picture_commands.h"
#include "platform/core/app_folder.h"
#include "shell/app_state.h"

namespace orn {

namespace {

constexpr int kFirstExtra = 10;
constexpr int kExtraCount = 7;

constexpr std::array<const char*, 3> kPrefix = {"ovpp", "ovro", "ovte"};
constexpr std::array<const char*, 7> kModelBase = {"ovmod4", "ovmod3", "ovmod6", "ovmod5",
                                                   "ovmod7", "ovmod2", "ovmod1"};
constexpr std::array<const char*, kExtraCount> kExtra = {"ovxowl4",  "ovxdial6", "ovxpeng3",
                                                         "ovxmerc7", "ovxstar5", "ovxzebr5",
                                                         "ovxhart1"};

constexpr std::array<std::array<const char*, 7>, 4> kCaptions = {{
    {"Needle", "Quilt", "Gem", "Quarter", "Star", "Snap", nullptr},
    {"Snowflake", "Circus", "Twelve", "Hummingbird", "Crystal", "Monkey", nullptr},
    {"Snail", "Peacock", "Poppy", "Fish", "Bunny", "Butterfly", nullptr},
    {"Fire", "Air", "Earth", "Ocean", "Cosmos", "Glory", "Bouquet"},
}};
constexpr std::array<const char*, kExtraCount> kExtraCaptions = {
    "&Owl", "&Dials", "&Penguin", "&Mercury", "&Starry", "&Zebra", "H&eart"};

std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return s;
}

// An extra model's construction drawing is that of the model whose digit
// ends the extra's name.
std::string extraDrawing(const std::string& extra) {
  return std::string("ovmod") + extra.back() + "D";
}

}  // namespace

std::optional<HandOver> SampleHandOver(int artType, int index, int startMode,
                                       const std::string& staticFolder) {
  HandOver h;
  h.OpenForEditing = startMode != kStartDisplay;
  h.LoadOption = kLoadNormal;
  std::string name;
  if (artType >= kArtPattern && artType <= kArtDrawing) {
    if (index < 0 || index >= SampleCount(artType)) return std::nullopt;
    name = std::string(kPrefix[std::size_t(artType)]) + std::to_string(index + 1) + "a";
    if (startMode == kStartRedraw)
      h.LoadOption = artType == kArtPattern ? kLoadEraseColours : kLoadReCreate;
  } else if (artType == kArtModel) {
    if (index >= 0 && index < SampleCount(kArtModel)) {
      name = std::string(kModelBase[std::size_t(index)]) + (startMode == kStartRedraw ? "D" : "A");
    } else if (index >= kFirstExtra && index < kFirstExtra + kExtraCount) {
      const std::string extra = kExtra[std::size_t(index - kFirstExtra)];
      name = startMode == kStartRedraw ? extraDrawing(extra) : extra;
    } else {
      return std::nullopt;
    }
  } else {
    return std::nullopt;
  }
  h.PicturePath = staticFolder + upperAscii(name + ".PNT");
  return h;
}

int SampleCount(int artType) { return artType == kArtModel ? 7 : 6; }

const char* SampleCaption(int artType, int index) {
  if (artType < 0 || artType > 3 || index < 0 || index >= SampleCount(artType)) return "";
  return kCaptions[std::size_t(artType)][std::size_t(index)];
}

const char* ExtraModelCaption(int index) {
  return index >= 0 && index < kExtraCount ? kExtraCaptions[std::size_t(index)] : "";
}

const char* ModeWord(int n) {
  static constexpr std::array<const char*, 4> k = {"Display", "Edit", "Repaint", "Redraw"};
  return k[std::size_t(n & 3)];
}

const char* ArtWord(int n) {
  static constexpr std::array<const char*, 4> k = {"Pattern", "Rose", "Drawing", "Model"};
  return k[std::size_t(n & 3)];
}

std::string ModeArtCaption(const std::string& artWord) { return artWord + "s"; }

std::string MainMsgCaption(const std::string& artWord, const std::string& modeWord) {
  return "Click on the " + lower(artWord) + " below that you want to " + lower(modeWord);
}

}  // namespace orn
