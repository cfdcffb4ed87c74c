// Writes a small picture under every sample name the main menu can open
// into the folder given on the command line.
#include <cstdio>

#include "smoke/sample_set.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  if (auto error = orn::test::WriteSampleSet(argv[1])) {
    std::fprintf(stderr, "%s\n", error->c_str());
    return 1;
  }
  return 0;
}
