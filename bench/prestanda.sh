#!/bin/bash
# Measures the figures of the README's "Prestanda" section on this machine:
# whole processes timed side by side with hyperfine at 1 000, 100 000 and
# 1 000 000 posts, and peak memory with /usr/bin/time.
#
#     bash bench/prestanda.sh [BUILD_DIR] [WORK_DIR]
#
# BUILD_DIR (default build) must be configured with -DTOVANA_BUILD_BENCH=ON; the
# generated years go to WORK_DIR (default a new temporary folder). Set
# JAMFORELSE to a command holding the word LEDGER (for example a balance report
# of a plain-text accounting tool on LEDGER.journal, made by
# bench/tilltextjournal.awk) to time it on the million-post year as well.
set -euo pipefail

bygg=$(realpath "${1:-build}")
arbete=${2:-$(mktemp -d)}
mkdir -p "$arbete"
cd "$arbete"
cmake --build "$bygg" --target tovana_genledger tovana_bench tovana_minimal >/dev/null
b=$bygg/bench
har_fonster=false
if cmake --build "$bygg" --target tovana_fonsterbench >/dev/null 2>&1; then
    har_fonster=true
fi

medel() { # the mean of a hyperfine JSON result in ms, for command number $2
    python3 -c "import json,sys; r=json.load(open(sys.argv[1]))['results'][int(sys.argv[2])]; print(f\"{r['mean']*1000:.1f}\")" "$1" "$2"
}
minne() { # peak resident memory of a command in MiB
    /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1 | awk '{printf "%.0f", $1 / 1024}'
}

echo "| Posts | open + statements | minimal | ratio | rewrite (open, change, save) | plain read/write | ratio |"
echo "|---:|---:|---:|---:|---:|---:|---:|"
for antal in 1000 100000 1000000; do
    "$b/tovana_genledger" "$antal" "ar$antal.red" "ar$antal.kpl" >/dev/null
    cp "ar$antal.red" "andra$antal.red"
    hyperfine -N -w 3 -r 15 --export-json oppna.json \
        "$b/tovana_bench --open ar$antal.red --chart ar$antal.kpl" \
        "$b/tovana_minimal ar$antal.red" >/dev/null
    hyperfine -N -w 2 -r 10 --export-json skriva.json \
        "$b/tovana_bench --rewrite andra$antal.red ar$antal.kpl" \
        "$b/tovana_minimal --copy ar$antal.red kopia$antal.red" >/dev/null
    o=$(medel oppna.json 0) m=$(medel oppna.json 1) s=$(medel skriva.json 0) k=$(medel skriva.json 1)
    printf '| %s | %s ms | %s ms | %.2f | %s ms | %s ms | %.2f |\n' "$antal" "$o" "$m" \
        "$(echo "$o / $m" | bc -l)" "$s" "$k" "$(echo "$s / $k" | bc -l)"
done
echo
echo "Peak memory at 1 000 000 posts: tovana_bench --open $(minne "$b/tovana_bench" --open ar1000000.red --chart ar1000000.kpl) MiB," \
    "tovana_minimal $(minne "$b/tovana_minimal" ar1000000.red) MiB"
echo "One rewrite of the million-post year, inside the process:"
"$b/tovana_bench" --rewrite andra1000000.red ar1000000.kpl

if $har_fonster; then
    echo
    echo "The window (offscreen):"
    export QT_QPA_PLATFORM=offscreen
    hyperfine -N -w 3 -r 20 --export-json malning.json "$b/tovana_fonsterbench --forsta-malning" \
        "$b/tovana_fonsterbench --bar $(dirname "$0" 2>/dev/null || echo .)/fonster.skelett" >/dev/null || true
fi

if [[ -n "${JAMFORELSE:-}" ]]; then
    awk -f "$(dirname "$(realpath "$0")")/tilltextjournal.awk" \
        <(iconv -f cp1252 -t utf-8 ar1000000.red) >ar1000000.red.journal
    hyperfine -N -w 1 -r 3 --export-json jamfor.json \
        "$b/tovana_bench --open ar1000000.red --chart ar1000000.kpl" \
        "$b/tovana_minimal ar1000000.red" "${JAMFORELSE//LEDGER/ar1000000.red}" >/dev/null
    o=$(medel jamfor.json 0) m=$(medel jamfor.json 1) j=$(medel jamfor.json 2)
    printf '\nOpen + statements %s ms, minimal %s ms, the comparison %s ms: %.1f times faster\n' \
        "$o" "$m" "$j" "$(echo "$j / $o" | bc -l)"
fi
