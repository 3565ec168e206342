# Sourced by run.sh. On a file system with reflinks (a loop-mounted XFS image made with
# reflink=1), copy_file_range shares the disk blocks instead of copying them: a split and a join
# without checksums then take a small fraction of GNU split's and cat's time. With checksums the
# bytes must be read anyway; that figure is printed for reading. A cat that itself uses
# copy_file_range (coreutils 9 does) shares the blocks too, so the join is also timed against cat
# writing into a pipe, the way a cat without the kernel copy moves the bytes.
#   PARCELON_BENCH_REFLINK_SIZE   size of the file (default 2G)
benchReflink() {
    local skip="== reflink file system: SKIPPED,"
    if [ "${PARCELON_BENCH_REFLINK:-1}" = 0 ]; then
        echo "$skip PARCELON_BENCH_REFLINK=0"
        return
    fi
    if [ "$(id -u)" != 0 ]; then
        echo "$skip mounting a loop device needs root"
        return
    fi
    if ! command -v mkfs.xfs >/dev/null; then
        echo "$skip no mkfs.xfs (Debian package xfsprogs; make deps installs it)"
        return
    fi
    if ! losetup -f >/dev/null 2>&1; then
        echo "$skip no free loop device here (losetup -f found none)"
        return
    fi
    local rsize
    rsize=$(numfmt --from=iec "${PARCELON_BENCH_REFLINK_SIZE:-2G}") || return
    local imageSize=$((rsize * 2 + 1024 * 1024 * 1024))
    if [ "$(freeBytes "$build")" -lt "$imageSize" ]; then
        echo "$skip needs $(numfmt --to=iec $imageSize) free beside $build for the image"
        return
    fi
    local base="$build/parcelon-reflink.$$"
    local image="$base.img" mnt="$base"
    mkdir -p "$mnt" || return
    truncate -s "$imageSize" "$image"
    if ! mkfs.xfs -q -m reflink=1 "$image" >/dev/null 2>&1 || ! mount -o loop "$image" "$mnt" 2>/dev/null; then
        rm -rf "$image" "$mnt"
        echo "$skip the XFS image could not be made or mounted"
        return
    fi
    # The EXIT trap removes folders; the image must be unmounted first.
    reflinkCleanup() { umount "$mnt" 2>/dev/null; rm -rf "$image" "$mnt"; }
    trap 'reflinkCleanup; cleanup' EXIT

    echo "== reflink file system (XFS, reflink=1, loop-mounted at $mnt): $(numfmt --to=iec "$rsize") file," \
        "load average $(cut -d' ' -f1 /proc/loadavg)"
    local source="$mnt/data.bin"
    head -c "$rsize" /dev/urandom >"$source"
    sync
    mkdir -p "$mnt/gnu" "$mnt/parcelon" "$mnt/joined"
    emptyGnu() { rm -f "$mnt"/gnu/*; }
    emptyParcelon() { rm -f "$mnt"/parcelon/*; }
    emptyJoined() { rm -f "$mnt"/joined/*; }

    local gnuSplit ourSplit catJoin ourJoin sumSplit
    gnuSplit=$(timeBest emptyGnu split -b $part -a 3 --numeric-suffixes=1 "$source" "$mnt/gnu/data.bin.")
    emptyGnu
    ourSplit=$(timeBest emptyParcelon "$parcelon" split "$source" -s $part -d "$mnt/parcelon" -y -q \
        --no-checksums --no-batch)
    local parts=("$mnt"/parcelon/data.bin.[0-9]*)
    catJoin=$(timeBest emptyJoined sh -c 'out=$1; shift; cat "$@" >"$out"' sh "$mnt/joined/cat.bin" "${parts[@]}")
    local pipeJoin
    pipeJoin=$(timeBest emptyJoined sh -c 'out=$1; shift; cat "$@" | cat >"$out"' sh "$mnt/joined/cat.bin" "${parts[@]}")
    ourJoin=$(timeBest emptyJoined "$parcelon" join "${parts[@]}" -d "$mnt/joined" -o data.bin -y -q)
    local joinedOk
    cmp -s "$source" "$mnt/joined/data.bin" && joinedOk=PASS || joinedOk=FAIL
    emptyJoined
    sumSplit=$(timeBest emptyParcelon "$parcelon" split "$source" -s $part -d "$mnt/parcelon" -y -q \
        --checksums --no-batch)
    local sumsOk
    cp --reflink=always "$source" "$mnt/parcelon/data.bin" &&
        (cd "$mnt/parcelon" && sha256sum --quiet --strict -c data.bin.sha256 >/dev/null 2>&1) &&
        sumsOk=PASS || sumsOk=FAIL
    emptyParcelon

    local splitRatio joinRatio pipeRatio
    splitRatio=$(ratio "$ourSplit" "$gnuSplit")
    joinRatio=$(ratio "$ourJoin" "$catJoin")
    pipeRatio=$(ratio "$ourJoin" "$pipeJoin")
    printf '  split  %s: parcelon %6d ms   GNU split %6d ms   ratio %s\n' "$(numfmt --to=iec "$rsize")" \
        "$ourSplit" "$gnuSplit" "$splitRatio"
    printf '  join   %s: parcelon %6d ms   cat       %6d ms   ratio %s\n' "$(numfmt --to=iec "$rsize")" \
        "$ourJoin" "$catJoin" "$joinRatio"
    printf '  join   %s: parcelon %6d ms   cat | cat %6d ms   ratio %s\n' "$(numfmt --to=iec "$rsize")" \
        "$ourJoin" "$pipeJoin" "$pipeRatio"
    printf '  split  %s with checksums: parcelon %6d ms   ratio to GNU split %s\n' "$(numfmt --to=iec "$rsize")" \
        "$sumSplit" "$(ratio "$sumSplit" "$gnuSplit")"
    echo "  joined file identical to the source: $joinedOk"
    echo "  checksum file confirmed by sha256sum -c: $sumsOk"
    echo "  bar: split without checksums <= 0.05 x GNU split  $(verdict "$splitRatio" 0.05) ($splitRatio)"
    echo "  bar: join without checksums <= 0.05 x cat ....... $(verdict "$joinRatio" 0.05) ($joinRatio)"
    echo "  bar: join without checksums <= 0.05 x cat | cat . $(verdict "$pipeRatio" 0.05) ($pipeRatio)"
    reflinkCleanup
    trap cleanup EXIT
}
