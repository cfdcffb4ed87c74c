#pragma once
// The slide shows of the main menu's "&ArtShow" menu: the program's own show
// of its samples in a fixed order, and the show of the user's pictures in a
// folder (all of them, or only those that carry a title).
//
// A show is a list of picture names without their extension; the editor's
// slide-show timer steps through it and starts again after the last.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orn {

// A show holds at most this many pictures.
constexpr int kMaxSlides = 501;
// A slide stays this long after its picture has loaded.
constexpr int kSlideMs = 5000;

// The 25 samples of "Ornivale Art Show", in the order they are shown.
std::vector<std::string> StandardShowList();

// The title a picture file carries in its title block: trailing blanks
// removed. Nothing when the file has no title block or cannot be read as
// one (too short, a character code outside 0..255).
std::optional<std::string> PictureFileTitle(const std::filesystem::path& file);

// A title that counts for "Titled Pictures Only": not empty, not
// "<UnNamed>", and not a made-up "Picture - ..." name, in any case.
bool IsRealTitle(const std::string& title);

// The pictures of `folder` for "Your Art Show": every "*.pnt" file in any
// case, by name, without "COLORS.PNT"; with `titledOnly` only those with a
// real title. Names as they are on disk, without the extension; at most
// kMaxSlides of them.
std::vector<std::string> UserShowList(const std::filesystem::path& folder, bool titledOnly);

// The message when the folder holds no picture for the show.
std::string NoArtText(bool titledOnly);

// The slide after `index` in a show whose last slide is `last`; after the
// last comes the first again.
int NextSlide(int index, int last);

// The first slide from `from` on, going round after `last`, whose file
// `exists`; nothing when no slide's file exists.
std::optional<int> FindSlide(int from, int last, const std::function<bool(int)>& exists);

// The file of slide `name`: in the sample folder for the program's show
// (ShowMode 1), else in the user's folder.
std::filesystem::path SlidePath(int ShowMode, const std::string& StaticFolder,
                                const std::filesystem::path& userFolder, const std::string& name);

}  // namespace orn
