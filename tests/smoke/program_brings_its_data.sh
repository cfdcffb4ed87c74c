#!/usr/bin/env bash
# Building the program's own target (as scripts/run does) builds its data
# too: the commands Ninja runs for it make the sample pictures and their
# previews and gather them, the help pages and "Standard.Clr" beside the
# program; and the gathered data holds all of them. Skipped (77) in a build
# folder of another generator.
set -euo pipefail
build="${1:?usage: program_brings_its_data.sh BUILD_DIR}"
[[ -f "$build/build.ninja" ]] || { echo "not a Ninja build folder: skipped"; exit 77; }
fail() { echo "program_brings_its_data: $*"; exit 1; }

commands="$(ninja -C "$build" -t commands app/ornivale)"
grep -q "/make_samples " <<<"$commands" || fail "building the program does not make the samples"
grep -q "copy_keeping_times.cmake" <<<"$commands" || fail "building the program does not gather its data"

data="$build/app/data"
count() { find "$data/$1" -maxdepth 1 -type f -iname "$2" | wc -l; }
(($(count . 'OV*.PNT') == 39)) || fail "$(count . 'OV*.PNT') samples beside the program, not 39"
(($(count previews 'OV*.PNT.pv') == 39)) || fail "$(count previews 'OV*.PNT.pv') previews, not 39"
[[ -f "$data/Standard.Clr" ]] || fail "no Standard.Clr beside the program"
[[ -f "$data/help/index.html" ]] || fail "no help pages beside the program"
echo "program_brings_its_data: passed"
