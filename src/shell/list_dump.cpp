#include "shell/list_dump.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/picture_file.h"
#include "model/record_codes.h"

namespace orn {

namespace {

constexpr const char* kHeading = "   G0() & G1()";
constexpr const char* kCopyHeading =
    "  x1      y1      x2      y2      x3      y3      xh      yh   Reflect";
// Columns of the values of a table row, eight characters apart.
constexpr int kFirstValueColumn = 10;
constexpr int kValueStep = 8;

// One line of a listing, written from left to right with tab stops.
class Line {
 public:
  // Moves to column `col` (counted from 1). A line already there or past it
  // gets one blank, so that two values never run together.
  Line& tab(int col) {
    const std::size_t at = static_cast<std::size_t>(col - 1);
    if (text_.size() < at)
      text_.append(at - text_.size(), ' ');
    else if (!text_.empty() && text_.back() != ' ')
      text_ += ' ';
    return *this;
  }
  Line& put(const std::string& s) {
    text_ += s;
    return *this;
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// A value in the form "####0.00": two decimals, at least one digit before
// the point, no padding.
std::string Fixed(float v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(v));
  return buf;
}

// A number as text in its shortest form (up to seven significant digits),
// with a blank in the sign place when it is not negative.
std::string Str(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.7g", v);
  std::string text = v < 0 ? "" : " ";
  text += buf;
  return text;
}

// A number as a printer prints it among other values: Str and a blank.
std::string Printed(float v) { return Str(v) + " "; }

enum class Style { Printed, File };

class ListDumper {
 public:
  ListDumper(const DrawingList& list, const SymState& sym, Style style)
      : list_(list), sym_(sym), style_(style) {}

  Listing run() {
    out_.push_back(kHeading);
    // The entry after the end marker is listed too, when the list has one.
    const int last = std::min<int>(list_.NumPoints + 1, static_cast<int>(list_.G0.size()) - 1);
    for (int i = 0; i <= last; ++i) {
      const float g0 = list_.G0[i];
      if (roundEntry(g0) % kCodeOut == kTypeSymmetryItem && recordCodeName(g0) != nullptr &&
          i + 2 <= last) {
        symmetryItem(i);
        i += 2;
        continue;
      }
      entry(i);
    }
    return out_;
  }

 private:
  // The start of a line for entry i: its index behind the symmetry block.
  Line start(int i) const {
    Line l;
    if (i > sym_.SymEnd) l.tab(5).put(Printed(static_cast<float>(i)));
    return l;
  }

  // The markers of the list's positions that stand at entry i.
  void finish(Line& l, int i) {
    if (i == list_.NumPoints) l.put("<G");
    if (i == list_.ItemHead) l.put("<B");
    if (i == list_.ItemFirst) l.put("<S");
    if (i == sym_.SymStart) l.put("<SymStart");
    if (i == sym_.SymEnd) l.put("<SymEnd");
    std::string text = l.text();
    text.erase(text.find_last_not_of(' ') + 1);
    out_.push_back(text);
  }

  // The readable name of an entry, or empty for an entry without one.
  std::string nameOf(int i) const {
    const char* name = recordCodeName(list_.G0[i]);
    if (name == nullptr) return {};
    std::string text = name;
    if (roundEntry(list_.G0[i]) % kCodeOut == kCodeSymmetryChg % kCodeOut) {
      // The parameter holds 100 x the old part + the new one.
      const int parts = roundEntry(list_.G1[i]);
      text += "Was" + Str(parts / 100) + " Now" + Str(parts % 100);
    }
    return text;
  }

  void pair(Line& l, int i) const {
    l.tab(12).put(Fixed(list_.G0[i])).tab(20).put(Fixed(list_.G1[i]));
  }

  void entry(int i) {
    const std::string name = nameOf(i);
    Line l = start(i);
    if (style_ == Style::File) {
      pair(l, i);
      if (!name.empty()) l.put(" " + name);
    } else if (!name.empty()) {
      l.put(name).tab(35).put(Printed(list_.G0[i])).put(Printed(list_.G1[i])).tab(50);
    } else if (i > sym_.SymEnd) {
      pair(l, i);
    } else {
      return;  // the points of the base shapes and the symmetry items
    }
    finish(l, i);
  }

  // An entry that carries a text of its own after its index.
  // (In print these lines show their index also inside the symmetry block.)
  void described(int i, const std::string& text) {
    Line l;
    if (style_ == Style::File) {
      l = start(i);
      pair(l, i);
      l.put(" " + text);
    } else {
      l.tab(5).put(Printed(static_cast<float>(i))).tab(12).put(text);
      l.tab(35).put(Printed(list_.G0[i])).put(Printed(list_.G1[i])).tab(50);
    }
    finish(l, i);
  }

  void symmetryItem(int i) {
    entry(i);
    const int g = roundEntry(list_.G0[i + 1]);
    const bool base = g < 0;
    described(i + 1, std::string(base ? "Base " : "") + "Sym Grp" + Str(std::abs(g)) + " Dot" +
                         Str(list_.G1[i + 1]));
    described(i + 2, "RefGeo at" + Str(std::fabs(list_.G0[i + 2])) +
                         (list_.G1[i + 2] == -1.0f ? " Reflect" : " Normal"));
    if (base) groupTable(std::abs(g));
  }

  // The copies of part g as the copy table holds them.
  void groupTable(int g) {
    if (!sym_.SymTablesValid) {
      out_.push_back(Line().tab(12).put("NO TABLES").text());
      return;
    }
    if (g < 1 || g > kMaxParts) return;
    const auto& row = sym_.SymGroups[static_cast<std::size_t>(g)];
    const int first = std::clamp(row[kFirstCopy], 0, kMaxCopy);
    const int last = std::clamp(row[kLastCopy], 0, kMaxCopy);
    out_.push_back(" ");
    out_.push_back(Line()
                       .tab(12)
                       .put("Group is in SymData(" + std::to_string(first) + "-" + std::to_string(last) +
                            ") RefGeo on Line" + Str(row[kRefGeo]))
                       .text());
    out_.push_back(Line().tab(10).put(kCopyHeading).text());
    for (int c = first; c <= last; ++c) {
      const auto& d = sym_.SymData[static_cast<std::size_t>(c)];
      Line l;
      l.tab(6).put(std::to_string(c));
      for (int f = 0; f < 8; ++f) l.tab(kFirstValueColumn + kValueStep * f).put(Fixed(d[f]));
      l.tab(74).put(Fixed(d[kReflect]));
      out_.push_back(l.text());
    }
    out_.push_back(" ");
  }

  const DrawingList& list_;
  const SymState& sym_;
  Style style_;
  Listing out_;
};

// A table row's values from field `from` to `to` at the value columns.
std::string ValueLine(const float* values, int from, int to, int index) {
  Line l;
  if (index >= 0) l.tab(6).put(std::to_string(index));
  for (int f = from; f <= to; ++f) l.tab(kFirstValueColumn + kValueStep * (f - from)).put(Fixed(values[f]));
  return l.text();
}

}  // namespace

Listing DumpList(const DrawingList& list, const SymState& sym) {
  return ListDumper(list, sym, Style::Printed).run();
}

Listing DumpListForFile(const DrawingList& list, const SymState& sym) {
  return ListDumper(list, sym, Style::File).run();
}

std::optional<std::string> DumpToFile(const std::filesystem::path& folder, const DrawingList& list,
                                      const SymState& sym) {
  std::string text;
  for (const std::string& line : DumpListForFile(list, sym)) text += line + "\r\n";
  const std::filesystem::path file = folder / kDumpFileName;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  if (auto e = WriteFileReplacing(file, {bytes, text.size()})) return e->message;
  return std::nullopt;
}

Listing DumpPageTable(const ViewTable& views) {
  Listing out;
  for (int i = 1; i <= views.lastRow() && i < kViewRowCount; ++i) {
    const ViewRow& r = views.rows[static_cast<std::size_t>(i)];
    out.push_back(ValueLine(r.data(), 0, 5, i));
    out.push_back(ValueLine(r.data(), 6, 11, -1));
  }
  return out;
}

Listing DumpSymTable(const SymState& sym) {
  Listing out;
  for (int i = 1; i <= std::min(sym.SymCount, kMaxCopy); ++i) {
    const auto& d = sym.SymData[static_cast<std::size_t>(i)];
    out.push_back(ValueLine(d.data(), 0, 6, i));
    out.push_back(ValueLine(d.data(), 7, 11, -1));
  }
  return out;
}

}  // namespace orn
