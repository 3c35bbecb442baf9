#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# netzplaner --zusammenfassen against iprange on the same mixed lists of
# 100,000, 1,000,000 and 10,000,000 entries (bench_eintragsliste, fixed
# seed): wall time and peak memory of each, the ratio at 1,000,000, and a
# check that both print the same blocks. Each run reads its list from the
# page cache: both were warmed by the same read before.
#   bench/zusammenfassen_befehl.sh BUILD_DIR [RUNS]      (RUNS default 5)
set -euo pipefail

build="${1:?build directory missing}"
runs="${2:-5}"
ordner="$(mktemp -d)"
trap 'rm -rf "$ordner"' EXIT

# "seconds KiB" of the quickest of N runs: the wall time taken around the
# command in microseconds (time's own %e counts in 10 ms steps, too coarse for
# 100,000 entries), the peak resident set from GNU time's %M in the same run.
#   miss N COMMAND...
miss() {
    local best="" n="$1" anfang ende zeile
    shift
    for ((i = 0; i < n; i++)); do
        anfang="$EPOCHREALTIME"
        /usr/bin/time -f '%M' -o "$ordner/zeit" "$@" >"$ordner/aus" 2>/dev/null || true
        ende="$EPOCHREALTIME"
        zeile="$(awk -v a="$anfang" -v e="$ende" -v m="$(cat "$ordner/zeit")" 'BEGIN { printf "%.4f %d", e - a, m }')"
        if [[ -z "$best" ]] || awk -v a="${zeile% *}" -v b="${best% *}" 'BEGIN { exit !(a < b) }'; then
            best="$zeile"
        fi
    done
    echo "$best"
}

echo "summarise from the command line, mixed entries (50 % /32, 40 % /24, 10 % /20../28, 10 % repeated),"
echo "best of $runs runs (10,000,000: 1 run); target at 1,000,000: time <= 0.5x, memory <= 2x iprange"
printf '%-12s %10s %10s %12s %12s %7s %7s  %s\n' entries netzplaner iprange "np peak" "ipr peak" time memory "same blocks"
for anzahl in 100000 1000000 10000000; do
    liste="$ordner/liste_$anzahl.txt"
    "$build/bench/bench_eintragsliste" "$anzahl" >"$liste"
    cat "$liste" >/dev/null
    ((anzahl == 10000000)) && laeufe=1 || laeufe="$runs"
    np="$(miss "$laeufe" "$build/app/netzplaner" --zusammenfassen "$liste")"
    sed 's|/32$||' "$ordner/aus" >"$ordner/np.txt"
    ip="$(miss "$laeufe" iprange "$liste")"
    if cmp -s "$ordner/np.txt" "$ordner/aus"; then gleich="yes ($(wc -l <"$ordner/aus") blocks)"; else gleich="NO"; fi
    awk -v n="$anzahl" -v nt="${np% *}" -v nm="${np#* }" -v it="${ip% *}" -v im="${ip#* }" -v g="$gleich" 'BEGIN {
        printf "%-12s %7.0f ms %7.0f ms %8.1f MiB %8.1f MiB %6.2fx %6.2fx  %s\n",
               n, nt * 1000, it * 1000, nm / 1024, im / 1024, nt / it, nm / im, g }'
    rm -f "$liste"
done
echo "($(iprange --version 2>&1 | head -1); wall time around GNU time, peak resident set from its %M)"
