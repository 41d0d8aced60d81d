#!/bin/bash
# Measures the figures of the README's "Prestanda" section on this machine:
# whole processes timed side by side with hyperfine at 1 000, 100 000 and
# 1 000 000 posts (medians), peak memory with /usr/bin/time, and the window's first
# paint against a bare Qt window with the same widgets (offscreen).
#
#     bash bench/prestanda.sh [BUILD_DIR] [WORK_DIR]
#
# BUILD_DIR (default build) must be configured with -DTOVANA_BUILD_BENCH=ON; the
# generated years go to WORK_DIR (default a new temporary folder). Set
# JAMFORELSE to a command holding the word LEDGER (for example a balance report
# of a plain-text accounting tool on LEDGER.journal, which this script makes
# with bench/tilltextjournal.awk) to time it on the million-post year as well.
set -euo pipefail

bench=$(dirname "$(realpath "$0")")
bygg=$(realpath "${1:-build}")
arbete=${2:-$(mktemp -d)}
mkdir -p "$arbete"
cd "$arbete"
cmake --build "$bygg" --target tovana_genledger tovana_bench tovana_minimal \
    tovana_fonsterbench >/dev/null
b=$bygg/bench
export QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts

# The median rather than the mean: a run now and then waits for the kernel to
# make room for huge pages, and one such run would move a mean of ten.
medel() { # the median of command number $2 in a hyperfine JSON result, in ms
    python3 -c "import json,sys; r=json.load(open(sys.argv[1]))['results'][int(sys.argv[2])]; print(f\"{r['median']*1000:.1f}\")" "$1" "$2"
}
kvot() { python3 -c "import sys; print(f'{float(sys.argv[1]) / float(sys.argv[2]):.2f}')" "$1" "$2"; }
minne() { # peak resident memory of a command, in MiB
    /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1 | awk '{printf "%.0f", $1 / 1024}'
}

hyperfine -N -w 3 -r 20 --export-json malning.json "$b/tovana_fonsterbench --forsta-malning" \
    "$b/tovana_fonsterbench --bar $bench/fonster.skelett" >/dev/null
echo "First paint: main window $(medel malning.json 0) ms, bare window $(medel malning.json 1) ms," \
    "ratio $(kvot "$(medel malning.json 0)" "$(medel malning.json 1)")"
echo
echo "| Posts | window: open, both statements | core: the same | minimal | window / minimal | core / minimal | rewrite (open, change, save) | plain read and write | ratio |"
echo "|---:|---:|---:|---:|---:|---:|---:|---:|---:|"
for antal in 1000 100000 1000000; do
    "$b/tovana_genledger" "$antal" "ar$antal.red" "ar$antal.kpl" >/dev/null
    cp "ar$antal.red" "andra$antal.red"
    hyperfine -N -w 2 -r 10 --export-json oppna.json \
        "$b/tovana_fonsterbench --open ar$antal.red --chart ar$antal.kpl" \
        "$b/tovana_bench --open ar$antal.red --chart ar$antal.kpl" \
        "$b/tovana_minimal ar$antal.red" >/dev/null
    hyperfine -N -w 2 -r 10 --export-json skriva.json \
        "$b/tovana_bench --rewrite andra$antal.red ar$antal.kpl" \
        "$b/tovana_minimal --copy ar$antal.red kopia$antal.red" >/dev/null
    f=$(medel oppna.json 0) o=$(medel oppna.json 1) m=$(medel oppna.json 2)
    s=$(medel skriva.json 0) k=$(medel skriva.json 1)
    echo "| $antal | $f ms | $o ms | $m ms | $(kvot "$f" "$m") | $(kvot "$o" "$m") | $s ms | $k ms | $(kvot "$s" "$k") |"
done
echo
echo "Peak memory at 1 000 000 posts (MiB): window $(minne "$b/tovana_fonsterbench" --open ar1000000.red --chart ar1000000.kpl)," \
    "core $(minne "$b/tovana_bench" --open ar1000000.red --chart ar1000000.kpl)," \
    "minimal $(minne "$b/tovana_minimal" ar1000000.red)"
echo "Inside the process, at 1 000 000 posts:"
"$b/tovana_bench" --rewrite andra1000000.red ar1000000.kpl
"$b/tovana_bench" --benchmark_filter='(Skriv|KopieraRent)/1000000' 2>/dev/null | grep -E '^(Skriv|Kopiera)'

if [[ -n "${JAMFORELSE:-}" ]]; then
    iconv -f cp1252 -t utf-8 ar1000000.red | awk -f "$bench/tilltextjournal.awk" \
        >ar1000000.red.journal
    hyperfine -N -w 1 -r 3 --export-json jamfor.json "${JAMFORELSE//LEDGER/ar1000000.red}" \
        >/dev/null
    hyperfine -N -w 2 -r 10 --export-json oppna.json \
        "$b/tovana_fonsterbench --open ar1000000.red --chart ar1000000.kpl" \
        "$b/tovana_bench --open ar1000000.red --chart ar1000000.kpl" \
        "$b/tovana_minimal ar1000000.red" >/dev/null
    f=$(medel oppna.json 0) o=$(medel oppna.json 1) m=$(medel oppna.json 2) j=$(medel jamfor.json 0)
    echo
    echo "Window $f ms, core $o ms, minimal $m ms, the comparison $j ms:" \
        "$(kvot "$j" "$f") times the window, $(kvot "$j" "$o") times the core"
fi
