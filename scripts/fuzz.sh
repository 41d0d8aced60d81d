#!/usr/bin/env bash
# Builds the fuzz targets in fuzz/ with clang, libFuzzer, ASan and UBSan into
# build-fuzz/ and runs each for the given seconds (default 30). Any finding
# (a crash, a sanitizer report, a broken round trip) fails the run; the input
# that caused it is kept in build-fuzz/fynd/. The seed corpus in fuzz/korpus/
# is only read: new inputs go to a scratch folder removed afterwards.
#     bash scripts/fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."

sekunder="${1:-30}"
bygg=build-fuzz
cxx=clang++-14
command -v ccache >/dev/null && cxx="ccache clang++-14"
flaggor=(-std=c++20 -g -O1 -fno-omit-frame-pointer -fno-sanitize-recover=all -Isrc)

# Every plain C++ folder goes into one archive, so that each target links only
# what it uses (the SIE reader needs the maintenance and report folders).
mkdir -p "$bygg/obj" "$bygg/fynd"
objekt=()
for kalla in src/core/*.cpp src/core/redovisningsfil/*.cpp src/chart/*.cpp src/entry/*.cpp \
    src/maintenance/*.cpp src/reports/*.cpp; do
    mapp="$(basename "$(dirname "$kalla")")"
    o="$bygg/obj/${mapp}_$(basename "${kalla%.cpp}").o"
    $cxx "${flaggor[@]}" -fsanitize=fuzzer-no-link,address,undefined -c "$kalla" -o "$o"
    objekt+=("$o")
done
rm -f "$bygg/libtovana_fuzz.a"
ar rcs "$bygg/libtovana_fuzz.a" "${objekt[@]}"

mal=()
for kalla in fuzz/*.cpp; do
    namn="$(basename "${kalla%.cpp}")"
    $cxx "${flaggor[@]}" -fsanitize=fuzzer,address,undefined "$kalla" "$bygg/libtovana_fuzz.a" \
        -o "$bygg/fuzz_$namn"
    mal+=("$namn")
done

# The scratch folder (on memory when it can be) holds the new inputs and each
# target's read and written files.
if [ -w /dev/shm ]; then arbete="$(mktemp -d -p /dev/shm)"; else arbete="$(mktemp -d)"; fi
trap 'rm -rf "$arbete"' EXIT
export TOVANA_FUZZ_MAPP="$arbete"
misslyckade=()
for namn in "${mal[@]}"; do
    mkdir -p "$arbete/$namn"
    logg="$arbete/$namn.log"
    if "$bygg/fuzz_$namn" -max_total_time="$sekunder" -timeout=10 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$bygg/fynd/$namn-" \
        "$arbete/$namn" "fuzz/korpus/$namn" >"$logg" 2>&1; then
        korningar="$(sed -n 's/^stat::number_of_executed_units: *//p' "$logg")"
        echo "fuzz $namn: ${korningar:-?} inputs in ${sekunder} s, no finding"
    else
        tail -n 40 "$logg"
        echo "fuzz $namn: FINDING (input kept in $bygg/fynd/)"
        misslyckade+=("$namn")
    fi
done
[ ${#misslyckade[@]} -eq 0 ] || { echo "fuzz findings in: ${misslyckade[*]}"; exit 1; }
