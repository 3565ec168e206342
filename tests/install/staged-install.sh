#!/bin/sh
# Installs the build into a staging folder (DESTDIR) and checks what a user's system gets:
# every file in its place, a valid desktop entry and AppStream data, man pages that render
# without a warning, icons of their sizes, a completion that loads, programs that run.
# Usage: staged-install.sh BUILD_DIR SOURCE_DIR
set -u
build=$1
source=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0

fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage.log" 2>&1 || { cat "$stage.log"; fail "cmake --install"; }
rm -f "$stage.log"
root=$stage/usr
id=example.brimvale.Parcelon

for file in bin/bparcelon bin/parcelon \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/man/man1/parcelon.1.gz share/man/man1/bparcelon.1.gz \
    share/man/de/man1/parcelon.1.gz share/man/de/man1/bparcelon.1.gz \
    share/bash-completion/completions/parcelon \
    share/doc/brimvale-parcelon/copyright share/doc/brimvale-parcelon/changelog.gz; do
    [ -s "$root/$file" ] || fail "missing $file"
done
for program in bparcelon parcelon; do
    [ -x "$root/bin/$program" ] || fail "$program is not executable"
done

for size in 16 32 48 64 128 256; do
    icon=$root/share/icons/hicolor/${size}x$size/apps/$id.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "icon $size: $(file -b "$icon")"
done

desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop-file-validate"
grep -q '^Exec=bparcelon %F$' "$root/share/applications/$id.desktop" || fail "desktop entry Exec"
grep -q "^Icon=$id$" "$root/share/applications/$id.desktop" || fail "desktop entry Icon"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

for page in man1/parcelon.1.gz man1/bparcelon.1.gz de/man1/parcelon.1.gz de/man1/bparcelon.1.gz; do
    warnings=$(gzip -dc "$root/share/man/$page" | preconv -e UTF-8 | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "groff on $page: $warnings"
done
# Every option the tool knows appears in both manual pages and in the completion.
help=$(HOME=$stage XDG_CONFIG_HOME=$stage/config "$root/bin/parcelon" --help) || fail "installed parcelon --help"
for option in $(printf '%s\n' "$help" | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    for page in man1/parcelon.1.gz de/man1/parcelon.1.gz; do
        gzip -dc "$root/share/man/$page" | sed 's/\\-/-/g' | grep -q -- "$option" || fail "$option not in $page"
    done
    grep -q -- "$option" "$root/share/bash-completion/completions/parcelon" || fail "$option not in the completion"
done

bash -n "$root/share/bash-completion/completions/parcelon" || fail "completion syntax"
if [ -f /usr/share/bash-completion/bash_completion ]; then
    words=$(cd "$stage" && bash -c '. /usr/share/bash-completion/bash_completion
        . "$1"
        COMP_WORDS=(parcelon split x --no-b); COMP_CWORD=3; COMP_LINE="parcelon split x --no-b"; COMP_POINT=${#COMP_LINE}
        _parcelon parcelon --no-b x; printf "%s " "${COMPREPLY[@]}"
        COMP_WORDS=(parcelon split x -p ""); COMP_CWORD=4; COMP_LINE="parcelon split x -p "; COMP_POINT=${#COMP_LINE}
        _parcelon parcelon "" -p; printf "%s " "${COMPREPLY[@]}"' bash "$root/share/bash-completion/completions/parcelon")
    [ "$words" = "--no-batch 0 1 2 3 4 5 " ] || fail "completion offers '$words'"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures failed" >&2
    exit 1
fi
echo "staged install: all checks passed"
