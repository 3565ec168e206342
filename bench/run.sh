#!/usr/bin/env bash
# Compares `parcelon` with GNU split and cat in one run, with a warm cache, once on tmpfs
# (/dev/shm, where the disk does not hide the tool's own cost) and once on the disk.
#
#   bench/run.sh BUILD_DIR
#
# Environment:
#   PARCELON_BENCH_SIZE   size of the generated file, bytes or with K/M/G (default 1G)
#   PARCELON_BENCH_RUNS   timed runs per command; the fastest counts (default 5)
#   PARCELON_BENCH_8G     0 skips the 8 GiB memory check (default: run it where there is room)
#   PARCELON_BENCH_REFLINK 0 skips the reflink file system (a loop-mounted XFS image; needs root)
#
# Prints PASS/FAIL per bar; always exits 0, the figures are for reading.
set -u

build=$(cd "${1:-build}" && pwd) || { echo "no build folder '${1:-build}'"; exit 0; }
parcelon="$build/parcelon"
[ -x "$parcelon" ] || { echo "no $parcelon; build first"; exit 0; }
size=$(numfmt --from=iec "${PARCELON_BENCH_SIZE:-1G}") || exit 0
runs=${PARCELON_BENCH_RUNS:-5}
part=100M
partBytes=$(numfmt --from=iec $part)

# The tool reads the window's settings; the benchmark must not see the user's.
settingsHome=$(mktemp -d)
export HOME=$settingsHome XDG_CONFIG_HOME=$settingsHome/config
workFolders=("$settingsHome")
cleanup() { rm -rf "${workFolders[@]}"; }
trap cleanup EXIT
trap 'exit 130' INT TERM

nowNs() { date +%s%N; }
ms() { echo $((($2 - $1) / 1000000)); }
fastest() { printf '%s\n' "$@" | sort -n | head -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b; else print "n/a" }'; }
verdict() { awk -v r="$1" -v bar="$2" 'BEGIN { print (r != "n/a" && r <= bar) ? "PASS" : "FAIL" }'; }
freeBytes() { df -B1 --output=avail "$1" | tail -1 | tr -d ' '; }
peakKiB() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }

# One timed run of "$@" in milliseconds; `prepare` empties the output first (untimed).
timeOnce() {
    local prepare=$1
    shift
    $prepare
    local start end
    start=$(nowNs)
    "$@" >/dev/null 2>&1
    end=$(nowNs)
    ms "$start" "$end"
}

# The fastest of `runs` runs after one warm-up run: on a virtual machine that hands freed memory
# back to its host, a run that writes into such memory takes up to seconds longer, for GNU's
# tools as for ours, at random.
timeBest() {
    local times=() i
    timeOnce "$@" >/dev/null
    for ((i = 0; i < runs; i++)); do
        times+=("$(timeOnce "$@")")
    done
    fastest "${times[@]}"
}

# Two commands in turn, so that both meet the same state of the machine: "FIRST SECOND", the
# fastest of each (as timeBest). Each is named as an array: its preparation, then the command.
# The second runs last, so its output is what stays.
timePair() {
    local -n firstRun=$1 secondRun=$2
    local firstTimes=() secondTimes=() i
    for ((i = 0; i <= runs; i++)); do
        local firstMs secondMs
        firstMs=$(timeOnce "${firstRun[@]}")
        secondMs=$(timeOnce "${secondRun[@]}")
        if ((i > 0)); then # the first round warms up
            firstTimes+=("$firstMs")
            secondTimes+=("$secondMs")
        fi
    done
    echo "$(fastest "${firstTimes[@]}") $(fastest "${secondTimes[@]}")"
}

# The last part written when the split was interrupted must hold exactly the source's bytes
# from where it starts: closed and kept, not cut short in the middle of a write or garbled.
checkInterruptedParts() {
    local source=$1 folder=$2 offset=0 p
    for p in $(ls "$folder" | sort); do
        cmp -s -i "$offset:0" -n "$(stat -c %s "$folder/$p")" "$source" "$folder/$p" || return 1
        offset=$((offset + $(stat -c %s "$folder/$p")))
    done
    [ "$offset" -gt 0 ]
}

# Ctrl+C while a split copies: milliseconds until the program has ended, its exit code.
interruptLatency() {
    local source=$1 folder=$2
    python3 - "$parcelon" "$source" "$folder" <<'EOF'
import os, signal, subprocess, sys, time
parcelon, source, folder = sys.argv[1:4]
proc = subprocess.Popen([parcelon, "split", source, "-s", "100M", "-d", folder, "-y", "-q", "--no-batch"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
name = os.path.basename(source)
# Wait until the copy is well under way: the second part exists.
deadline = time.monotonic() + 30
while not os.path.exists(os.path.join(folder, name + ".002")) and time.monotonic() < deadline:
    if proc.poll() is not None:
        break
    time.sleep(0.002)
time.sleep(0.05)
start = time.monotonic()
proc.send_signal(signal.SIGINT)
code = proc.wait()
print(f"{(time.monotonic() - start) * 1000:.1f} {code}")
EOF
}

benchLocation() {
    local label=$1 base=$2
    local folder="$base/parcelon-bench.$$"
    local need=$((size * 3 + 64 * 1024 * 1024))
    if [ "$(freeBytes "$base")" -lt "$need" ]; then
        echo "== $label ($base): SKIPPED, needs $(numfmt --to=iec $need) free"
        return
    fi
    mkdir -p "$folder" || return
    workFolders+=("$folder")
    echo "== $label ($folder), load average $(cut -d' ' -f1 /proc/loadavg)"
    local source="$folder/data.bin"
    head -c "$size" /dev/urandom >"$source"
    cat "$source" >/dev/null # warm the cache

    mkdir -p "$folder/gnu" "$folder/parcelon" "$folder/joined"
    emptyGnu() { rm -f "$folder"/gnu/*; }
    emptyParcelon() { rm -f "$folder"/parcelon/*; }
    emptyJoined() { rm -f "$folder"/joined/*; }

    local gnuSplit ourSplit catJoin ourJoin
    local gnuSplitRun=(emptyGnu split -b $part -a 3 --numeric-suffixes=1 "$source" "$folder/gnu/data.bin.")
    local ourSplitRun=(emptyParcelon "$parcelon" split "$source" -s $part -d "$folder/parcelon" -y -q --no-checksums)
    read -r gnuSplit ourSplit < <(timePair gnuSplitRun ourSplitRun)
    emptyGnu

    # Both join the parts parcelon wrote (the batch file is no part).
    rm -f "$folder"/parcelon/*.bat
    local parts=("$folder"/parcelon/data.bin.[0-9]*)
    local catJoinRun=(emptyJoined sh -c 'out=$1; shift; cat "$@" >"$out"' sh "$folder/joined/cat.bin" "${parts[@]}")
    local ourJoinRun=(emptyJoined "$parcelon" join "${parts[@]}" -d "$folder/joined" -o data.bin -y -q)
    read -r catJoin ourJoin < <(timePair catJoinRun ourJoinRun)
    cmp -s "$source" "$folder/joined/data.bin" && joinedOk=PASS || joinedOk=FAIL
    emptyJoined

    # With checksums: the split hashes every part and the whole file as it copies; the join finds
    # data.bin.sha256 beside the parts and checks them as it copies. Each is timed in turn with
    # the GNU tool once more.
    local sumSplit sumJoin sumsOk gnuSumSplit catSumJoin
    local sumSplitRun=(emptyParcelon "$parcelon" split "$source" -s $part -d "$folder/parcelon" -y -q --checksums
        --no-batch)
    read -r gnuSumSplit sumSplit < <(timePair gnuSplitRun sumSplitRun)
    emptyGnu
    (cd "$folder/parcelon" && sha256sum --quiet --strict -c --ignore-missing data.bin.sha256 >/dev/null 2>&1) &&
        cp "$source" "$folder/parcelon/data.bin" &&
        (cd "$folder/parcelon" && sha256sum --quiet --strict -c data.bin.sha256 >/dev/null 2>&1) &&
        sumsOk=PASS || sumsOk=FAIL
    rm -f "$folder/parcelon/data.bin"
    read -r catSumJoin sumJoin < <(timePair catJoinRun ourJoinRun)
    cmp -s "$source" "$folder/joined/data.bin" || sumsOk=FAIL
    emptyJoined

    local splitRatio joinRatio
    splitRatio=$(ratio "$ourSplit" "$gnuSplit")
    joinRatio=$(ratio "$ourJoin" "$catJoin")
    printf '  split  %s: parcelon %6d ms   GNU split %6d ms   ratio %s\n' "$(numfmt --to=iec "$size")" \
        "$ourSplit" "$gnuSplit" "$splitRatio"
    printf '  join   %s: parcelon %6d ms   cat       %6d ms   ratio %s\n' "$(numfmt --to=iec "$size")" \
        "$ourJoin" "$catJoin" "$joinRatio"
    echo "  joined file identical to the source: $joinedOk"
    local sumSplitRatio sumJoinRatio
    sumSplitRatio=$(ratio "$sumSplit" "$gnuSumSplit")
    sumJoinRatio=$(ratio "$sumJoin" "$catSumJoin")
    printf '  split  %s with checksums: parcelon %6d ms   GNU split %6d ms   ratio %s\n' "$(numfmt --to=iec "$size")" \
        "$sumSplit" "$gnuSumSplit" "$sumSplitRatio"
    printf '  join   %s, data.bin.sha256 beside the parts: parcelon %6d ms   cat %6d ms   ratio %s\n' \
        "$(numfmt --to=iec "$size")" "$sumJoin" "$catSumJoin" "$sumJoinRatio"
    echo "  checksum file confirmed by sha256sum -c, joined file identical: $sumsOk"

    emptyParcelon
    local ourRss gnuRss sumRss
    ourRss=$(peakKiB "$parcelon" split "$source" -s $part -d "$folder/parcelon" -y -q --no-checksums)
    emptyParcelon
    sumRss=$(peakKiB "$parcelon" split "$source" -s $part -d "$folder/parcelon" -y -q --checksums)
    emptyParcelon
    gnuRss=$(peakKiB split -b $part -a 3 --numeric-suffixes=1 "$source" "$folder/gnu/data.bin.")
    emptyGnu
    echo "  peak resident memory of the split: parcelon ${ourRss} KiB (with checksums ${sumRss} KiB)," \
        "GNU split ${gnuRss} KiB"

    if [ "$label" = tmpfs ]; then
        echo "  bar: split time <= 0.95 x GNU split ........ $(verdict "$splitRatio" 0.95) ($splitRatio)"
        echo "  bar: join time <= 1.05 x cat ................ $(verdict "$joinRatio" 1.05) ($joinRatio)"
        echo "  bar: peak memory of a split <= 32 MiB ....... $(verdict "$ourRss" 32768) (${ourRss} KiB)"
        echo "  bar: split with checksums <= 1.5 x GNU split  $(verdict "$sumSplitRatio" 1.5) ($sumSplitRatio)"
        echo "  bar: join with checksums <= 1.5 x cat ....... $(verdict "$sumJoinRatio" 1.5) ($sumJoinRatio)"
        echo "  bar: checksums right, join identical ........ $sumsOk"
        tmpfsRss=$ourRss

        local latencies=() worst=0 allClosed=PASS codes=PASS trial result latency code
        for ((trial = 0; trial < runs; trial++)); do
            emptyParcelon
            result=$(interruptLatency "$source" "$folder/parcelon")
            latency=${result% *}
            code=${result#* }
            latencies+=("$latency")
            [ "$code" = 130 ] || codes=FAIL
            checkInterruptedParts "$source" "$folder/parcelon" || allClosed=FAIL
            worst=$(awk -v a="$worst" -v b="$latency" 'BEGIN { print (b > a) ? b : a }')
        done
        emptyParcelon
        echo "  Ctrl+C latency (ms): ${latencies[*]}"
        echo "  bar: Ctrl+C returns within 200 ms ........... $(verdict "$worst" 200) (worst $worst ms)"
        echo "  bar: exit code 130 after Ctrl+C ............. $codes"
        echo "  bar: parts written so far closed and intact . $allClosed"
    fi
    rm -rf "$folder"
}

# Memory must not grow with the file: split 8 GiB (a sparse source, so only the parts take
# room) and compare the peak with the 1 GiB figure.
benchBigMemory() {
    if [ "${PARCELON_BENCH_8G:-1}" = 0 ]; then
        echo "== 8 GiB memory check: SKIPPED (PARCELON_BENCH_8G=0)"
        return
    fi
    local big=$((8 * 1024 * 1024 * 1024)) base=""
    # The disk first: 8 GiB on tmpfs would be held in memory the machine may need.
    for candidate in "$build" /dev/shm; do
        if [ "$(freeBytes "$candidate")" -gt $((big + 512 * 1024 * 1024)) ]; then
            base=$candidate
            break
        fi
    done
    if [ -z "$base" ]; then
        echo "== 8 GiB memory check: SKIPPED, no folder with 8.5 GiB free"
        return
    fi
    local folder="$base/parcelon-bench-8g.$$"
    mkdir -p "$folder/parts" || return
    workFolders+=("$folder")
    truncate -s $big "$folder/big.bin"
    local rss
    rss=$(peakKiB "$parcelon" split "$folder/big.bin" -s 1G -d "$folder/parts" -y -q --no-batch --no-checksums)
    rm -rf "$folder"
    echo "== 8 GiB memory check ($base)"
    echo "  peak resident memory of the split: ${rss} KiB (1 GiB: ${tmpfsRss:-?} KiB)"
    if [ -n "${tmpfsRss:-}" ]; then
        # Measurements wobble by a few pages; a growing buffer would show as megabytes.
        echo "  bar: no larger than for 1 GiB (within 1 MiB)  $(verdict "$rss" $((tmpfsRss + 1024))) (${rss} KiB)"
    fi
}

echo "parcelon benchmark: $(numfmt --to=iec "$size") file, parts of $part ($partBytes bytes), fastest of $runs runs"
tmpfsRss=""
benchLocation tmpfs /dev/shm
benchLocation disk "$build"
benchBigMemory
. "$(dirname "$0")/reflink.sh"
benchReflink

# The file list: 10,000 files given on the window's command line, shown and sorted in every view
# style, icons looked up once per extension (bench/list_bench.cpp).
benchFileList() {
    local listBench="$build/bench/list_bench"
    if [ ! -x "$listBench" ]; then
        echo "== file list: SKIPPED, no $listBench; build first"
        return
    fi
    TMPDIR=$settingsHome QT_QPA_PLATFORM=offscreen "$listBench" --runs "$runs"
}
benchFileList

# The window: a split started from the main window (offscreen, every dialog and box answered by a
# script, a private HOME with a fresh install's settings) copies on its worker while a 10 ms timer
# on the UI thread must keep ticking, and is timed against `parcelon split` of the same file, the
# two run in turn so that each pair meets the same load.
#   PARCELON_BENCH_WINDOW_SIZE   size of the file split from the window (default 2G)
benchWindowSplit() {
    local windowBench="$build/bench/window_split_bench"
    if [ ! -x "$windowBench" ]; then
        echo "== window split: SKIPPED, no $windowBench; build first"
        return
    fi
    local wsize need folder out
    wsize=$(numfmt --from=iec "${PARCELON_BENCH_WINDOW_SIZE:-2G}") || return
    need=$((wsize * 2 + 64 * 1024 * 1024))
    if [ "$(freeBytes /dev/shm)" -lt "$need" ]; then
        echo "== window split (/dev/shm): SKIPPED, needs $(numfmt --to=iec $need) free"
        return
    fi
    folder=/dev/shm/parcelon-window-bench.$$
    mkdir -p "$folder/home/config" || return
    workFolders+=("$folder")
    echo "== window split, tmpfs ($folder): $(numfmt --to=iec "$wsize") file, parts of 1457664 bytes," \
        "median of $runs runs, load average $(cut -d' ' -f1 /proc/loadavg)"
    head -c "$wsize" /dev/urandom >"$folder/data.bin"
    out=$(HOME="$folder/home" XDG_CONFIG_HOME="$folder/home/config" QT_QPA_PLATFORM=offscreen \
        "$windowBench" "$folder/data.bin" "$folder" "$parcelon" "$runs" 2>/dev/null)
    rm -rf "$folder"
    figure() { sed -n "s/^$1 //p" <<<"$out"; }
    local windowMs toolMs windowRatio gap gapCpu boxes partsOk
    windowMs=$(figure window_ms)
    toolMs=$(figure parcelon_ms)
    windowRatio=$(figure ratio)
    gap=$(figure max_gap_ms)
    gapCpu=$(figure max_gap_ui_cpu_ms)
    boxes=$(figure boxes)
    partsOk=$(figure parts_ok)
    if [ -z "$windowMs" ] || [ -z "$windowRatio" ] || [ -z "$gap" ]; then
        echo "  the window benchmark gave no figures: FAIL"
        return
    fi
    printf '  split  from the window %6d ms   parcelon split %6d ms   ratio (median of pairs) %s\n' \
        "$windowMs" "$toolMs" "$windowRatio"
    echo "  largest gap between ticks of a 10 ms UI timer: $gap ms (the UI thread ran $gapCpu ms of it)"
    echo "  bar: window split <= 1.05 x parcelon split .. $(verdict "$windowRatio" 1.05) ($windowRatio)"
    echo "  bar: UI thread never stalls > 50 ms ......... $(verdict "$gap" 50) ($gap ms)"
    echo "  bar: no message box, same parts as the tool . $([ "$boxes" = 0 ] && [ "$partsOk" = 1 ] && echo PASS || echo FAIL)"
}
benchWindowSplit
exit 0
