#pragma once
// Shared by the picture file tests: a byte builder for hand-made files, a
// scratch folder, and an editor's worth of state wired to scripted dialogs,
// message boxes and window hooks.
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "model/picture_io.h"

namespace orn::test {

// Little-endian 32-bit floats, one after another, as a picture file holds them.
struct Bytes {
  std::vector<std::uint8_t> b;
  Bytes& f(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    for (int k = 0; k < 4; ++k) b.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
    return *this;
  }
  Bytes& fs(std::initializer_list<float> vs) { for (float v : vs) f(v); return *this; }
  Bytes& zeros(int n) { for (int k = 0; k < n; ++k) f(0.0f); return *this; }
};

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class ScratchFolder {
 public:
  ScratchFolder() {
    static int counter = 0;
    dir_ = std::filesystem::temp_directory_path() /
           ("orn_pic_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir_, ec);
  }
  std::filesystem::path path(const std::string& name) const { return dir_ / name; }
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

class ScriptedDialogs : public FileDialogs {
 public:
  std::deque<std::optional<std::string>> opens, saves;
  std::vector<FileDialogRequest> asked;
  std::optional<std::string> openFile(const FileDialogRequest& r) override { return next(opens, r); }
  std::optional<std::string> saveFile(const FileDialogRequest& r) override { return next(saves, r); }

 private:
  std::optional<std::string> next(std::deque<std::optional<std::string>>& q, const FileDialogRequest& r) {
    asked.push_back(r);
    std::optional<std::string> v = q.empty() ? std::nullopt : q.front();
    if (!q.empty()) q.pop_front();
    return v;
  }
};

class ScriptedHost : public NullHost {
 public:
  std::deque<MsgResult> answers;
  std::vector<std::string> texts, titles;
  bool ctrl = false;
  bool ctrlKeyDown() const override { return ctrl; }
  MsgResult messageBox(const std::string& text, MsgButtons, MsgIcon, const std::string& title) override {
    texts.push_back(text);
    titles.push_back(title);
    const MsgResult r = answers.empty() ? MsgResult::OK : answers.front();
    if (!answers.empty()) answers.pop_front();
    return r;
  }
};

class RecordingHooks : public FileHooks {
 public:
  WindowSizes sizes{1024, 768, 800, 600, 2};
  int erased = 0, symmetryCalls = 0, standardColours = 0;
  std::vector<ColourUse> colours;
  std::vector<std::string> bitmaps;
  WindowSizes windowSizes() override { return sizes; }
  void symmetryLoaded() override { ++symmetryCalls; }
  void coloursLoaded(const std::vector<ColourUse>& c) override { colours = c; }
  void eraseColours() override { ++erased; }
  std::optional<std::string> saveBitmap(const std::string& path) override { bitmaps.push_back(path); return {}; }
  void saveStandardColors() override { ++standardColours; }
};

// One editor's state with its file commands' helpers.
struct Editor {
  DrawingList list;
  ViewTable views;
  EditorState editor;
  DrawContext draw;
  SymState sym;
  PictureSettings pic;
  FileState file;
  ScriptedHost host;
  ScriptedDialogs dialogs;
  RecordingHooks hooks;
  FileContext ctx{list, views, editor, draw, sym, pic, file, host, dialogs, hooks};

  Editor() {
    file.NewInLoad = true;
    FileNew(ctx);
    file.NewInLoad = false;
  }

  // Appends entries in place of the end marker and puts the end marker after them.
  void append(std::initializer_list<std::pair<float, float>> entries) {
    int i = list.NumPoints;
    for (auto [a, b] : entries) list.ensureIndex(i), list.G0[i] = a, list.G1[i++] = b;
    list.ensureIndex(i);
    list.G0[i] = 20099, list.G1[i] = 0;
    list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(i);
  }
};

inline std::unique_ptr<Editor> MakeEditor() { return std::make_unique<Editor>(); }

// Everything a load may change, for checking that a refused file changed nothing.
struct Snapshot {
  std::vector<float> g0, g1;
  int numPoints;
  std::array<ViewRow, kViewRowCount> rows;
  int depth, grid, pages, lineWidth;
  bool yellow, changed, splinePoly;
  Rgb back, gallery;
  float kind, zoom;
  std::string title, fileName;
  int symStart, symEnd, loadOption;
  std::array<std::string, 4> recent;

  explicit Snapshot(const Editor& e)
      : g0(e.list.G0.begin(), e.list.G0.begin() + e.list.NumPoints + 1),
        g1(e.list.G1.begin(), e.list.G1.begin() + e.list.NumPoints + 1),
        numPoints(e.list.NumPoints), rows(e.views.rows), depth(e.views.ViewDepth), grid(e.editor.GridMode),
        pages(e.editor.ProjPages), lineWidth(e.draw.LineWidth), yellow(e.editor.YellowBase),
        changed(e.editor.PicChanged), splinePoly(e.pic.SplinePolyOn), back(e.draw.PicBackColor),
        gallery(e.pic.GalleryBackColor), kind(e.pic.PicKind), zoom(e.pic.ZoomFactor), title(e.pic.PictureTitle),
        fileName(e.file.FileName), symStart(e.sym.SymStart), symEnd(e.sym.SymEnd),
        loadOption(e.file.LoadOption), recent(e.file.RecentFiles) {}
  bool operator==(const Snapshot&) const = default;
};

}  // namespace orn::test
