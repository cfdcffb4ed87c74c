#pragma once
// Every sample picture of the program, by the file name the main menu opens
// it under, with the routine that makes it.
#include <functional>
#include <string>
#include <vector>

#include "model/picture_file.h"
#include "tools/samples/sample.h"

namespace orn::samples {

struct SampleSpec {
  std::string file;     // e.g. "OVPP1A.PNT"
  std::string caption;  // the main menu's caption of its button
  std::function<PictureFile()> make;
};

// All 39 samples: six patterns, six roses, six drawings, seven model nets
// in their decorated ("A") and construction ("D") drawings, and seven
// further decorated nets.
const std::vector<SampleSpec>& Catalogue();

// The groups of the catalogue, each in menu order.
std::vector<SampleSpec> Patterns();
std::vector<SampleSpec> Roses();
std::vector<SampleSpec> Drawings();
std::vector<SampleSpec> Models();

// The frame of the sector of polygon `poly` at edge e: u runs from the
// centre (0) to the edge (1), v along the edge from its first corner (-1)
// to its second (+1).
Frame SectorFrame(const Poly& poly, int e);

}  // namespace orn::samples
