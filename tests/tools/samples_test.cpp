// The sample pictures the build makes and installs: their names and titles,
// how they load, save and redraw, and the repeats of the patterns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>

#include "support/scratch_folder.h"
#include "shell/sample_preview.h"
#include "symmetry/replication.h"
#include "canvas/zoom_views.h"
#include "symmetry/parts_select.h"
#include "tools/sample_fixture.h"
#include "tools/samples/catalogue.h"
#include "shell/app_state.h"
#include "shell/hand_over.h"
#include "shell/model_view.h"

namespace orn::test {
namespace {

using samples::Catalogue;
using samples::SampleSpec;

std::vector<std::uint8_t> Encoded(const SampleSpec& s) { return EncodePictureFile(s.make()); }

bool isPattern(const std::string& f) { return f.rfind("OVPP", 0) == 0; }

// Every sample the main menu can open, in any mode, is made under the caption
// the menu shows for it, and every sample made is one the menu opens.
TEST(Samples, TheCatalogueHoldsExactlyTheFilesTheMainMenuOpensUnderItsCaptions) {
  std::map<std::string, std::string> have, opened;
  for (const SampleSpec& s : Catalogue()) have[s.file] = s.caption;
  for (int art = kArtPattern; art <= kArtModel; ++art)
    for (int index = 0; index < 17; ++index)
      for (int mode = kStartDisplay; mode <= kStartRedraw; ++mode) {
        const auto h = SampleHandOver(art, index, mode, "");
        if (!h) continue;
        std::string caption = index < 10 ? SampleCaption(art, index) : ExtraModelCaption(index - 10);
        caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
        // An extra model redraws the construction drawing of its solid's model.
        if (index >= 10 && mode == kStartRedraw) caption = opened.count(h->PicturePath) ? opened[h->PicturePath] : "";
        if (!caption.empty()) opened[h->PicturePath] = caption;
      }
  EXPECT_EQ(have, opened);
  EXPECT_EQ(have.size(), 39u);
}

TEST(Samples, EachBuiltFileIsWhatTheGeneratorMakesEveryTime) {
  for (const SampleSpec& s : Catalogue()) {
    const std::vector<std::uint8_t> once = Encoded(s);
    EXPECT_EQ(once, Encoded(s)) << s.file;
    EXPECT_EQ(ReadBytes(BuiltSample(s.file)), once) << s.file << " differs from the build's";
  }
}

// The checksum of every sample as the generator makes it. A change of the
// generator, the symmetry code, the fills or the saver that alters a sample
// shows here, even where the code agrees with itself. Change a pin only on
// purpose, for a design changed on purpose: look at the sample first.
const std::map<std::string, std::uint64_t> kPinnedSamples = {
  {"OVPP1A.PNT", 0x036d2d35936fd8a8ull},
  {"OVPP2A.PNT", 0x28712ea19aaa108bull},
  {"OVPP3A.PNT", 0xbe091f6579e41a5full},
  {"OVPP4A.PNT", 0x8cce1e2cf79184e6ull},
  {"OVPP5A.PNT", 0x1a23fe9c6e773330ull},
  {"OVPP6A.PNT", 0x3c6792a6f01a4dd8ull},
  {"OVRO1A.PNT", 0x34dfbeabbaba456aull},
  {"OVRO2A.PNT", 0x13a92a5adc264f72ull},
  {"OVRO3A.PNT", 0xe8025e06cf5dfc3dull},
  {"OVRO4A.PNT", 0xe12eaf761a902ba0ull},
  {"OVRO5A.PNT", 0x0c308272f5ce4960ull},
  {"OVRO6A.PNT", 0xd324274603ec7701ull},
  {"OVTE1A.PNT", 0x24235a6da0c208fbull},
  {"OVTE2A.PNT", 0x6b2ab552c0699ea6ull},
  {"OVTE3A.PNT", 0x102752792623f580ull},
  {"OVTE4A.PNT", 0xf6bc19e1dd9eb39aull},
  {"OVTE5A.PNT", 0xfbf8e8ef990de053ull},
  {"OVTE6A.PNT", 0x9ef9273fac33fdc4ull},
  {"OVMOD4A.PNT", 0xeb9ceed6b65c5f92ull},
  {"OVMOD4D.PNT", 0x08e75e6818f59c31ull},
  {"OVMOD3A.PNT", 0x7e6caa78e164a94eull},
  {"OVMOD3D.PNT", 0x494a368150e942e8ull},
  {"OVMOD6A.PNT", 0xb7b18e84cb6ac4eeull},
  {"OVMOD6D.PNT", 0x6d35c875998dfe97ull},
  {"OVMOD5A.PNT", 0xadd99dd4a5cb8720ull},
  {"OVMOD5D.PNT", 0xe87916fd5464114cull},
  {"OVMOD7A.PNT", 0xf13fddb712ac2fe5ull},
  {"OVMOD7D.PNT", 0xd37411dfe3df1d9aull},
  {"OVMOD2A.PNT", 0xef726f8e3502c24bull},
  {"OVMOD2D.PNT", 0x9ba604d2d556dd33ull},
  {"OVMOD1A.PNT", 0xed932cf4aa3bacfdull},
  {"OVMOD1D.PNT", 0xf820763d1a430a1full},
  {"OVXOWL4.PNT", 0x65ed34749463e58dull},
  {"OVXDIAL6.PNT", 0x645d2781498fdfafull},
  {"OVXPENG3.PNT", 0x65331d1e51c708cfull},
  {"OVXMERC7.PNT", 0x08dd15ccfa0ecec6ull},
  {"OVXSTAR5.PNT", 0x488a4f11ea65347eull},
  {"OVXZEBR5.PNT", 0x85b19a1ea7aab138ull},
  {"OVXHART1.PNT", 0xc4abbb70720615ddull},
};

TEST(Samples, EachIsTheSamplePinnedByItsChecksum) {
  std::set<std::string> made;
  for (const SampleSpec& s : Catalogue()) {
    made.insert(s.file);
    const std::vector<std::uint8_t> bytes = Encoded(s);
    const std::uint64_t sum = Checksum(bytes.data(), bytes.size());
    const auto pin = kPinnedSamples.find(s.file);
    char line[64];
    std::snprintf(line, sizeof line, "{\"%s\", 0x%016llxull},", s.file.c_str(), static_cast<unsigned long long>(sum));
    EXPECT_TRUE(pin != kPinnedSamples.end() && pin->second == sum)
        << s.file << " is no longer the sample pinned for it. If the change is meant (a design changed on "
        << "purpose), look at the sample as the program shows it (make_samples OUTDIR --look DIR writes it as "
        << "PPM images), then pin it anew in kPinnedSamples in tests/tools/samples_test.cpp with:\n  " << line;
  }
  for (const auto& [file, sum] : kPinnedSamples) EXPECT_TRUE(made.count(file)) << file << " is pinned but not made";
}

TEST(Samples, EachLoadsAndSavesBackByteForByte) {
  for (const SampleSpec& s : Catalogue()) {
    LoadedSample l;
    ASSERT_TRUE(l.load(BuiltSample(s.file))) << s.file;
    EXPECT_EQ(l.report.ModelNumber, ModelOfSample(s.file)) << s.file;
    // Saved from an editor of the size the picture was made in.
    WindowSizes sizes;
    sizes.windowWidth = int(l.picture.views[ViewBase][0]);
    sizes.windowHeight = int(l.picture.views[ViewBase][1]);
    sizes.canvasWidth = int(l.picture.views[ViewBase][2]);
    sizes.canvasHeight = int(l.picture.views[ViewBase][3]);
    sizes.windowState = int(l.picture.header[kHdrWindowState]);
    l.pic.PictureTitle = l.picture.title;  // a sample loads unnamed and untitled; saved, it keeps its title
    const FileContext c = l.ctx();
    EXPECT_EQ(EncodePictureFile(CapturePicture(c, sizes)), ReadBytes(BuiltSample(s.file))) << s.file;
  }
}

TEST(Samples, TitlesFollowTheCaptionsAndOnlyPatternsOfferTheWallpaper) {
  for (const SampleSpec& s : Catalogue()) {
    const PictureFile pf = s.make();
    EXPECT_FALSE(pf.title.empty()) << s.file;
    EXPECT_LE(TitleToCodes(pf.title).size(), std::size_t(kTitleLength)) << s.file;
    EXPECT_EQ(CodesToTitle(TitleToCodes(pf.title)), pf.title) << s.file;
    EXPECT_EQ(pf.title.rfind(s.caption, 0), 0u) << s.file << ": " << pf.title;
    std::string upper = pf.title;
    for (char& ch : upper) ch = char(std::toupper(static_cast<unsigned char>(ch)));
    EXPECT_EQ(upper.find("PICTURE -"), std::string::npos) << s.file;
    EXPECT_NE(upper, "<UNNAMED>");
    EXPECT_EQ(WallpaperAllowed(pf.header[kHdrPicKind]), isPattern(s.file)) << s.file;
  }
}

// Each part also has the view that Zoom > Symmetry shows: its base cell
// framed on the canvas the picture is drawn on.
TEST(Samples, EachHasASymmetryWithAViewOfEveryPartThatARedrawFromScratchKeeps) {
  for (const SampleSpec& s : Catalogue()) {
    LoadedSample l;
    ASSERT_TRUE(l.load(BuiltSample(s.file), kLoadReCreate)) << s.file;
    ASSERT_NE(l.sym.SymStart, l.sym.SymEnd) << s.file;
    ASSERT_TRUE(l.select(1)) << s.file;
    EXPECT_GT(l.sym.LastCopy, l.sym.BaseCopy) << s.file;
    for (int part = 1; part <= kMaxParts; ++part) {
      int ref0 = 0, ref1 = 0;
      const int row = ZoomRow(0, part);
      if (!l.select(part) || !PartReferenceShape(l.list, l.sym, ref0, ref1)) {
        EXPECT_TRUE(l.views.rowEmpty(row)) << s.file << ": part " << part;
        continue;
      }
      ASSERT_TRUE(ZoomRowUsable(l.views, row)) << s.file << ": no view of part " << part;
      EXPECT_EQ(RowCanvasWidth(l.views, row), int(l.picture.views[ViewBase][2])) << s.file;
      EXPECT_EQ(RowCanvasHeight(l.views, row), int(l.picture.views[ViewBase][3])) << s.file;
      const ViewRow& v = l.views.rows[std::size_t(row)];
      const auto& t = l.sym.SymData[std::size_t(l.sym.BaseCopy)];
      for (auto [x, y] : {std::pair{t[kP0x], t[kP0y]}, {t[kP1x], t[kP1y]}})
        EXPECT_TRUE(x > v[0] && x < v[2] && y > v[1] && y < v[5]) << s.file << ": part " << part;
    }
    // Kept: the base shapes and the symmetry, then a Mark, part 1 and the end.
    const int n = l.list.NumPoints;
    EXPECT_EQ(n, l.sym.SymEnd + 3) << s.file;
    EXPECT_EQ(l.list.G0[n - 2], float(kCodeMark)) << s.file;
    EXPECT_EQ(l.list.G1[n - 1], 1.0f) << s.file;
  }
}

// Labels the 4-connected regions of the pixels that are not black.
struct Regions {
  explicit Regions(const Surface& s) : w(s.width()), h(s.height()), label(std::size_t(w) * h, -1) {
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
      if (label[start] != -1 || s.pixels()[start] == kBlack) continue;
      const int id = int(area.size());
      area.push_back(0);
      edge.push_back(false);
      label[start] = id;
      stack.push_back(start);
      while (!stack.empty()) {
        const int p = stack.back();
        stack.pop_back();
        ++area[id];
        const int x = p % w, y = p / w;
        if (x == 0 || y == 0 || x == w - 1 || y == h - 1) edge[id] = true;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const int q = ny * w + nx;
          if (label[q] == -1 && s.pixels()[q] != kBlack) {
            label[q] = id;
            stack.push_back(q);
          }
        }
      }
    }
    // A few pixels of each region that lie well inside it, spread over it.
    inner.resize(area.size());
    std::vector<int> met(area.size(), 0);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int id = at(x, y);
        if (id >= 0 && deep(x, y, 3) && met[id]++ % std::max(1, area[id] / 200) == 0) inner[id].push_back(y * w + x);
      }
  }
  int at(int x, int y) const { return (x < 0 || y < 0 || x >= w || y >= h) ? -1 : label[std::size_t(y) * w + x]; }
  // (x, y) and the points d pixels round it lie in one region.
  bool deep(int x, int y, int d) const {
    const int id = at(x, y);
    for (int dy = -d; dy <= d; dy += d)
      for (int dx = -d; dx <= d; dx += d)
        if (at(x + dx, y + dy) != id) return false;
    return id >= 0;
  }
  int w, h;
  std::vector<int> label;
  std::vector<int> area;
  std::vector<bool> edge;  // touches the canvas's border
  std::vector<std::vector<int>> inner;
};

int halfUp(double v) { return int(std::floor(v + 0.5)); }

// Every fill of every sample, in the base cell and in each copy, lands in a
// region bounded by the picture's lines that no fill of another colour
// reaches, and (away from the canvas's border) that region is as large in
// every copy as in the base cell: no fill leaks through a gap in a line.
// A copy that the canvas's border cuts is painted like the others as far as
// it shows, even when its seed falls off the canvas.
TEST(Samples, EveryFillStaysInsideItsRegionInEveryCopy) {
  for (const SampleSpec& s : Catalogue()) {
    LoadedSample l;
    ASSERT_TRUE(l.load(BuiltSample(s.file))) << s.file;
    const std::optional<Surface> lines = RenderPictureFile(l.picture, "x.pnt", false);
    ASSERT_TRUE(lines) << s.file;
    const Regions regions(*lines);
    const std::optional<Surface> painted = RenderPictureFile(l.picture, "x.pnt");
    ASSERT_TRUE(painted) << s.file;
    std::map<int, Rgb> colourOf;
    int fills = 0;
    l.forEachRecordInPart([&](const Frame& f, int part) {
      if (f.type != kTypePaint) return;
      ASSERT_TRUE(l.select(part));
      // The cell the drawing is made in lies whole on the canvas, so that a
      // fill reaches every copy of its region that shows.
      if (part != 0) {
        const auto& t = l.sym.SymData[std::size_t(l.sym.BaseCopy)];
        const double mx = (t[kP0x] + t[kP1x]) / 2, my = (t[kP0y] + t[kP1y]) / 2;
        for (auto [cx, cy] : {std::pair<double, double>{t[kP0x], t[kP0y]}, {t[kP1x], t[kP1y]},
                              {mx + (t[kP2x] - mx) / 10, my + (t[kP2y] - my) / 10}})
          EXPECT_TRUE(cx >= 0 && cy >= 0 && cx <= lines->width() && cy <= lines->height())
              << s.file << ": the base cell of part " << part << " reaches off the canvas";
      }
      for (int i = f.first; i + 1 <= f.last; i += 2) {
        const Rgb colour = Rgb(std::llrint(double(l.list.G1[i])));
        const float x = l.list.G0[i + 1], y = l.list.G1[i + 1];
        // A seed off the canvas is skipped in the base cell as in every copy.
        if (x < 0 || y < 0 || x > lines->width() || y > lines->height()) continue;
        const int base = regions.at(toPixel(x), toPixel(y));
        EXPECT_GE(base, 0) << s.file << ": a seed on a line at " << x << "," << y;
        if (base < 0) continue;
        // Copy k shows each pixel well inside the base region and the base
        // cell in the colour the base cell shows it in.
        auto paintedAlike = [&](int k) {
          for (int p : regions.inner[std::size_t(base)]) {
            UV at;
            double qx, qy;
            if (!samples::InCell(l.sym, l.sym.BaseCopy, p % regions.w, p / regions.w) ||
                !PointToUV(l.sym, l.sym.BaseCopy, p % regions.w, p / regions.w, at) ||
                !UVToCopy(l.sym, k, at, qx, qy) || !regions.deep(halfUp(qx), halfUp(qy), 1))
              continue;
            if (painted->point(halfUp(qx), halfUp(qy)) != painted->pixels()[p]) return false;
          }
          return true;
        };
        UV uv;
        std::vector<int> seeded{base};
        if (part != 0 && PointToUV(l.sym, l.sym.BaseCopy, halfUp(x), halfUp(y), uv)) {
          for (int k = l.sym.BaseCopy + 1; k <= l.sym.LastCopy; ++k) {
            double cx, cy;
            if (!UVToCopy(l.sym, k, uv, cx, cy)) continue;
            const int px = halfUp(cx), py = halfUp(cy);
            const int r = regions.at(px, py);  // off the canvas, or on its last column or row
            if (r < 0) {
              EXPECT_TRUE(paintedAlike(k)) << s.file << ": copy " << k << " of the fill at " << x << "," << y
                                           << " is left unpainted where the canvas's border cuts it";
              continue;
            }
            seeded.push_back(r);
            if (!regions.edge[r] && !regions.edge[base]) {
              const double a = regions.area[r], a0 = regions.area[base];
              EXPECT_LE(std::fabs(a - a0), std::max(0.2 * a0, 40.0))
                  << s.file << ": copy " << k << " of the fill at " << x << "," << y;
            }
          }
        }
        for (int r : seeded) {
          auto [it, fresh] = colourOf.emplace(r, colour);
          EXPECT_TRUE(fresh || it->second == colour)
              << s.file << ": two colours meet in one region (seed " << x << "," << y << ")";
        }
        ++fills;
      }
    });
    // A construction drawing has no fills; every other sample is painted.
    EXPECT_EQ(fills > 0, s.file.find("D.PNT") == std::string::npos) << s.file;
  }
}

// Every region of a painted sample is painted: none is left in the paper's
// colour by a missing fill or cut off from its fill by a pinch of the lines.
// Drawn on a background of a colour no fill uses, no patch of that colour is
// left, but for specks of up to three pixels where lines meet at a slant, and
// on a model's net for the paper round the faces and the glue flaps.
TEST(Samples, EveryRegionOfAPaintedSampleIsPainted) {
  constexpr Rgb kPaper = 0x010203;
  constexpr int kSpeck = 3;
  for (const SampleSpec& s : Catalogue()) {
    if (s.file.find("D.PNT") != std::string::npos) continue;  // a construction drawing is not painted
    LoadedSample l;
    ASSERT_TRUE(l.load(BuiltSample(s.file))) << s.file;
    PictureFile pf = l.picture;
    pf.header[kHdrPicBackColor] = float(kPaper);
    const std::optional<Surface> painted = RenderPictureFile(pf, "x.pnt");
    ASSERT_TRUE(painted) << s.file;
    const std::vector<NetPolygon> faces = ModelOfSample(s.file) != 0 ? PictureNet(pf) : std::vector<NetPolygon>{};
    auto onAFace = [&faces](double x, double y) {
      for (const NetPolygon& f : faces) {
        bool in = false;
        for (std::size_t i = 0, j = f.size() - 1; i < f.size(); j = i++)
          if ((f[i].y > y) != (f[j].y > y) && x < f[j].x + (y - f[j].y) * (f[i].x - f[j].x) / (f[i].y - f[j].y))
            in = !in;
        if (in) return true;
      }
      return false;
    };
    const int w = painted->width(), h = painted->height();
    std::vector<bool> seen(std::size_t(w) * h, false);
    int patches = 0;
    std::string first;
    for (int start = 0; start < w * h; ++start) {
      if (seen[std::size_t(start)] || painted->pixels()[start] != kPaper) continue;
      // The patch of paper at start: its size, and how much of it lies on a face.
      std::vector<int> todo{start};
      seen[std::size_t(start)] = true;
      int size = 0, onFaces = 0;
      while (!todo.empty()) {
        const int p = todo.back();
        todo.pop_back();
        ++size;
        const int x = p % w, y = p / w;
        onFaces += faces.empty() || onAFace(x + 0.5, y + 0.5);
        for (auto [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}) {
          const int q = ny * w + nx;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[std::size_t(q)] || painted->pixels()[q] != kPaper) continue;
          seen[std::size_t(q)] = true;
          todo.push_back(q);
        }
      }
      // Paper round a net touches its faces only along their edges.
      if (size <= kSpeck || 2 * onFaces < size) continue;
      if (patches++ == 0) first = std::to_string(size) + " pixels at " + std::to_string(start % w) + "," + std::to_string(start / w);
    }
    EXPECT_EQ(patches, 0) << s.file << ": patches left unpainted, the first " << first;
  }
}

// The roses, the peacock and the poppy are figures, not repeats: each lies
// whole on the canvas, no line running off its border.
TEST(Samples, EachFigureLiesWholeOnTheCanvas) {
  for (const SampleSpec& s : Catalogue()) {
    if (s.file.rfind("OVRO", 0) != 0 && s.file != "OVTE2A.PNT" && s.file != "OVTE3A.PNT") continue;
    LoadedSample l;
    ASSERT_TRUE(l.load(BuiltSample(s.file))) << s.file;
    const std::optional<Surface> lines = RenderPictureFile(l.picture, "x.pnt", false);
    ASSERT_TRUE(lines) << s.file;
    const int w = lines->width(), h = lines->height();
    int touching = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if ((x < 2 || y < 2 || x >= w - 2 || y >= h - 2) && lines->point(x, y) == kBlack) ++touching;
    EXPECT_EQ(touching, 0) << s.file << ": lines run off the canvas";
  }
}

// The wallpaper command's measure: a short segment from the base cell's
// first corner has a pure translate straight to the right and straight
// below among the copies of part 1.
TEST(Samples, PatternsRepeatByAHorizontalAndAVerticalTranslation) {
  for (const SampleSpec& s : samples::Patterns()) {
    LoadedSample l;
    ASSERT_TRUE(l.load(BuiltSample(s.file))) << s.file;
    ASSERT_TRUE(l.select(1));
    DrawContext ctx;
    ctx.WallMeasure = true;
    const auto& base = l.sym.SymData[std::size_t(l.sym.BaseCopy)];
    SymmLine(l.sym, ctx, base[kP0x], base[kP0y], base[kP0x] + 10, base[kP0y] - 10, kBlack);
    EXPECT_NE(ctx.WallRight, kWallNotFound) << s.file;
    EXPECT_NE(ctx.WallBottom, kWallNotFound) << s.file;
    EXPECT_GT(ctx.WallRight - ctx.WallLeft, 20) << s.file;
    EXPECT_GT(ctx.WallBottom - ctx.WallTop, 20) << s.file;
  }
}

}  // namespace
}  // namespace orn::test
