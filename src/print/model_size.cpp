#include "print/model_size.h"

#include <cmath>
#include <cstdio>

namespace orn {

namespace {

struct ModelRow {
  const char* name;
  double heightFactor;  // model height per unit of printed width
  int sheets;
};

constexpr ModelRow kModels[] = {
    {"Great Dodecahedron", 0.5005, 4}, {"Cuboctahedron", 0.3727, 2}, {"Octahedron", 0.3612, 2},
    {"Tetrahedron", 0.516, 2},         {"Icosahedron", 0.5882, 4},   {"Cube", 0.365, 2},
    {"Dodecahedron", 0.5347, 3},
};

// The further models printed on the sheets of the octahedron and
// tetrahedron nets.
constexpr ModelRow kWithOctahedron = {"Tetrahedron", 0.3509, 1};
constexpr ModelRow kWithTetrahedron[] = {{"Octahedron", 0.5469, 4}, {"Icosahedron", 0.9907, 10}};

// One decimal, rounded half away from zero, no leading zero below 1. A
// height just short of a tenth is counted up (the 0.0049 the size is
// padded with).
std::string heightText(double h) {
  const double tenths = std::floor((h + 0.0049) * 10.0 + 0.5);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", tenths / 10.0);
  std::string s = buf;
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  return s;
}

std::string extra(const ModelRow& m, double width, bool metric) {
  return std::string(m.name) + " " + heightText(width * m.heightFactor) + (metric ? " cm" : "\"") +
         " (" + std::to_string(m.sheets) + ").";
}

}  // namespace

std::string ModelSizeText(int ModelNumber, double width, bool metric) {
  if (ModelNumber < kFirstModel || ModelNumber > kLastModel) return {};
  const ModelRow& m = kModels[ModelNumber - kFirstModel];
  std::string text = std::string("3D ") + m.name + " will be " + heightText(width * m.heightFactor) +
                     (metric ? " cm" : " inches") + " high\r(" + std::to_string(m.sheets) +
                     " sheets required).";
  if (ModelNumber == 3) text += "\r  " + extra(kWithOctahedron, width, metric);
  if (ModelNumber == 4) {
    text += "\r  " + extra(kWithTetrahedron[0], width, metric) + "   " +
            extra(kWithTetrahedron[1], width, metric);
  }
  return text;
}

}  // namespace orn
