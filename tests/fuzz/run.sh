#!/usr/bin/env bash
# Runs one fuzz target: tests/fuzz/run.sh TARGET [SECONDS] [BUILD_DIR]
# New inputs go to fuzz-corpus/TARGET; the seeds are the sample application
# and the test exports, read in place, plus the few seeds of tests/fuzz/corpus.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
target="${1:?usage: tests/fuzz/run.sh object_text|macro|translate|support_library|convert_form [SECONDS] [BUILD_DIR]}"
seconds="${2:-600}"
build="${3:-$root/build-fuzz}"
sample="$root/examples/Sales.mdb.src"
case "$target" in
  object_text)     dict=object_text.dict; seeds=("$sample" "$root/tests/data") ;;
  macro)           dict=object_text.dict; seeds=("$sample/macros") ;;
  convert_form)    dict=object_text.dict; seeds=("$sample/forms" "$root"/tests/data/*/forms) ;;
  translate)       dict=code.dict; seeds=("$sample/modules" "$root/tests/fuzz/corpus/translate") ;;
  support_library) dict=code.dict; seeds=("$root/tests/fuzz/corpus/support_library") ;;
  *) echo "run.sh: no fuzz target $target" >&2; exit 2 ;;
esac
mkdir -p "$root/fuzz-corpus/$target"
exec "$build/fuzz/fuzz_$target" -dict="$root/tests/fuzz/$dict" -max_total_time="$seconds" \
    "$root/fuzz-corpus/$target" "${seeds[@]}"
