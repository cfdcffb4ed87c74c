#include "shell/slide_show.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "model/picture_file.h"
#include "platform/core/app_folder.h"
#include "platform/core/file_read.h"

namespace orn {

namespace {

constexpr float kTitleBlock = 32100.0f;
constexpr int kTitleBytes = (2 + kTitleLength) * 4;

float FloatAt(const char* bytes, int index) {
  float v = 0;
  std::memcpy(&v, bytes + 4 * index, sizeof v);
  return v;
}

}  // namespace

std::vector<std::string> StandardShowList() {
  return {"ovpp1a", "ovpp2a",  "ovro1a",  "ovro2a",  "ovte4a",  "ovte1a",  "ovmod4a",
          "ovmod2a", "ovpp5a", "ovpp6a",  "ovro3a",  "ovro6a",  "ovte3a",  "ovte5a",
          "ovmod3a", "ovmod5a", "ovpp3a", "ovpp4a",  "ovro5a",  "ovro4a",  "ovte2a",
          "ovte6a",  "ovmod6a", "ovmod7a", "ovmod1a"};
}

std::optional<std::string> PictureFileTitle(const std::filesystem::path& file) {
  const FileBytes read = ReadRegularFile(file, kTitleBytes);
  if (!read.ok() || read.bytes.size() != kTitleBytes) return std::nullopt;
  const char* bytes = reinterpret_cast<const char*>(read.bytes.data());
  if (FloatAt(bytes, 0) != kTitleBlock) return std::nullopt;
  std::vector<int> codes;
  for (int k = 0; k < kTitleLength; ++k) {
    const float c = FloatAt(bytes, 2 + k);
    // A code that is no character leaves the file out rather than guessing.
    if (!std::isfinite(c) || c < -0.5f || c >= 255.5f) return std::nullopt;
    codes.push_back(static_cast<int>(std::nearbyint(c)));
  }
  std::string title = CodesToTitle(codes);
  title.erase(title.find_last_not_of(' ') + 1);
  return title;
}

bool IsRealTitle(const std::string& title) {
  const std::string t = upperAscii(title);
  return !t.empty() && t != "<UNNAMED>" && t.find("PICTURE -") == std::string::npos;
}

std::vector<std::string> UserShowList(const std::filesystem::path& folder, bool titledOnly) {
  std::vector<std::string> names;
  for (const auto& file : listNoCase(folder, "*.pnt")) {
    if (static_cast<int>(names.size()) == kMaxSlides) break;
    const std::string name = file.filename().string();
    if (upperAscii(name) == "COLORS.PNT") continue;
    if (titledOnly) {
      const auto title = PictureFileTitle(file);
      if (!title || !IsRealTitle(*title)) continue;
    }
    names.push_back(name.substr(0, name.size() - 4));
  }
  return names;
}

std::string NoArtText(bool titledOnly) {
  return std::string("You have not saved any ") + (titledOnly ? "titled " : "") +
         "art yet.\nCreate and save some pictures and\nthen try again.";
}

int NextSlide(int index, int last) { return index + 1 > last ? 0 : index + 1; }

std::optional<int> FindSlide(int from, int last, const std::function<bool(int)>& exists) {
  if (last < 0) return std::nullopt;
  int i = from > last || from < 0 ? 0 : from;
  for (int n = 0; n <= last; ++n, i = NextSlide(i, last))
    if (exists(i)) return i;
  return std::nullopt;
}

std::filesystem::path SlidePath(int ShowMode, const std::string& StaticFolder,
                                const std::filesystem::path& userFolder, const std::string& name) {
  if (ShowMode == 1) return std::filesystem::path(StaticFolder) / (upperAscii(name) + ".PNT");
  return userFolder / (name + ".PNT");
}

}  // namespace orn
