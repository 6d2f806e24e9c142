#!/usr/bin/env bash
# Runs one fuzz target: tests/fuzz/run.sh TARGET [SECONDS] [BUILD_DIR]
# New inputs go to fuzz-corpus/TARGET; the seeds are the sample application
# and the test exports, read in place, plus the few seeds of tests/fuzz/corpus.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
target="${1:?usage: tests/fuzz/run.sh object_text|macro|translate|support_library|convert_form|mdb|output_folder [SECONDS] [BUILD_DIR]}"
seconds="${2:-600}"
build="${3:-$root/build-fuzz}"
sample="$root/examples/Sales.mdb.src"
case "$target" in
  object_text)     dict=object_text.dict; seeds=("$sample" "$root/tests/data") ;;
  macro)           dict=object_text.dict; seeds=("$sample/macros") ;;
  convert_form)    dict=object_text.dict; seeds=("$sample/forms" "$root"/tests/data/*/forms) ;;
  translate)       dict=code.dict; seeds=("$sample/modules" "$root/tests/fuzz/corpus/translate") ;;
  support_library) dict=code.dict; seeds=("$root/tests/fuzz/corpus/support_library") ;;
  # A real Access 97 file, when ../shared is beside the checkout.
  output_folder)   dict=""; seeds=() ;;
  # libFuzzer takes folders of seeds: the real Access 97 file is copied into one.
  mdb)             dict=""; seeds=("$root/fuzz-corpus/mdb-seed")
                   nwind="$root/../shared/data/nwind.mdb"
                   [ -f "$nwind" ] || { echo "run.sh: the mdb target's seed $nwind is missing" >&2; exit 2; }
                   mkdir -p "${seeds[0]}"; cp "$nwind" "${seeds[0]}/" ;;
  *) echo "run.sh: no fuzz target $target" >&2; exit 2 ;;
esac
mkdir -p "$root/fuzz-corpus/$target"
options=(-max_total_time="$seconds")
[ -n "$dict" ] && options+=(-dict="$root/tests/fuzz/$dict")
# Access files are megabytes; each input runs the reader in a process of its own.
[ "$target" = mdb ] && options+=(-max_len=4194304 -timeout=30 -rss_limit_mb=4096)
exec "$build/fuzz/fuzz_$target" "${options[@]}" "$root/fuzz-corpus/$target" ${seeds[@]+"${seeds[@]}"}
