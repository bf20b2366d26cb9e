#!/usr/bin/env bash
# Installs a build into temporary prefixes and checks the installed tree:
#   check_install.sh BUILD_DIR [APP_ID [CMAKE [CONFIG]]]
# The program in bin/ and nothing else there, the station template, the
# desktop file, the icons and the AppStream metainfo under share/, the
# program's own modules under lib/, found by the installed command; the
# program started as its desktop entry says, which makes the user's own
# station database from the template; an install with DESTDIR stays inside
# it. The files are also run through desktop-file-validate and appstreamcli
# when those are installed.
set -euo pipefail

build=${1:?usage: check_install.sh BUILD_DIR [APP_ID [CMAKE [CONFIG]]]}
app_id=${2:-invalid.azidal.azidal}
cmake=${3:-cmake}
config=${4:-}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

failures=0
ok() { echo "ok:   $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then ok "$what"; else fail "$what"; fi
}

install_into() { # install_into PREFIX [LOG]
    local args=(--install "$build" --prefix "$1")
    [ -z "$config" ] || args+=(--config "$config")
    "$cmake" "${args[@]}" >"${2:-/dev/null}" 2>&1
}

# Width and height of a PNG, from its IHDR chunk.
png_size() {
    local b
    read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(( (b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3] ))x$(( (b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7] ))"
}

is_sqlite() { [ "$(head -c 15 "$1")" = "SQLite format 3" ]; }

# --- first install -----------------------------------------------------------
prefix=$tmp/prefix
if ! install_into "$prefix" "$tmp/install1.log"; then
    cat "$tmp/install1.log"
    echo "FAIL: cmake --install into $prefix"
    exit 1
fi
ok "cmake --install --prefix $prefix"

bin=$prefix/bin
share=$prefix/share
desktop=$share/applications/$app_id.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml

template=$share/azidal/user.mdb
check "bin/azidal is an executable" test -x "$bin/azidal" -a -f "$bin/azidal"
check "bin/azidal-qrb is an executable" test -x "$bin/azidal-qrb" -a -f "$bin/azidal-qrb"
check "bin/ holds no station database" test ! -e "$bin/user.mdb"
check "share/azidal/user.mdb is an SQLite database" is_sqlite "$template"
check "desktop file $desktop" test -f "$desktop"
check "metainfo $metainfo" test -f "$metainfo"
for size in 32 48 64; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
    if [ -f "$icon" ]; then
        check "icon $icon is ${size}x${size}" test "$(png_size "$icon")" = "${size}x${size}"
    else
        fail "icon $icon is missing"
    fi
done

for page in azidal azidal-qrb; do
    check "manual page $page(1), compressed" gzip -t "$share/man/man1/$page.1.gz"
done
check "copyright file" test -f "$share/doc/azidal/copyright"
check "changelog, compressed" gzip -t "$share/doc/azidal/changelog.gz"

if [ -f "$desktop" ]; then
    check "desktop file: Exec=azidal" grep -qx 'Exec=azidal' "$desktop"
    check "desktop file: Icon=$app_id" grep -qx "Icon=$app_id" "$desktop"
    check "desktop file: category HamRadio" grep -qE '^Categories=(.*;)?HamRadio;' "$desktop"
fi
if [ -f "$metainfo" ]; then
    check "metainfo: id $app_id" grep -q "<id>$app_id</id>" "$metainfo"
    check "metainfo: launches $app_id.desktop" \
        grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
fi

# --- started from its desktop entry ----------------------------------------------
# As the desktop would: the Exec line through PATH, for a user whose first
# start it is. Still running after a few seconds means it came up.
if [ -f "$desktop" ] && [ -f "$template" ]; then
    home=$tmp/home
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    status=0
    HOME=$home XDG_DATA_HOME=$home/.local/share PATH="$bin:$PATH" QT_QPA_PLATFORM=offscreen \
        timeout 3 $exec_line >"$tmp/run.log" 2>&1 || status=$?
    if [ "$status" -eq 124 ]; then ok "started as \"$exec_line\" and kept running"; else
        cat "$tmp/run.log"
        fail "started as \"$exec_line\": ended with status $status"
    fi
    own=$home/.local/share/azidal/user.mdb
    check "the user's own station database made from the template" cmp -s "$template" "$own"
    check "the user's own station database is writable" test -w "$own"
fi

# --- the program's own modules ---------------------------------------------------
# Printing and SVG, and the WGS-84 ellipsoid, are loaded when first used,
# from modules the installed programs find through their run path, wherever
# the prefix is. Without one the command says so and exits with 2.
check_module() { # check_module FILE WHAT REASON COMMAND...
    local file=$1 what=$2 reason=$3 module status=0
    shift 3
    module=$(find "$prefix" -name "$file")
    check "the $what module is installed under lib/" test -n "$module"
    rm -f "$module"
    "$@" >"$tmp/module.log" 2>&1 || status=$?
    check "without the $what module: status 2" test "$status" -eq 2
    check "without the $what module: the reason, in Russian" grep -q "$reason" "$tmp/module.log"
}
gives() { # gives TEXT COMMAND...: COMMAND succeeds with TEXT in its output
    local text=$1 out
    shift
    out=$("$@" 2>&1) && grep -qF "$text" <<<"$out"
}
svg_map() { QT_QPA_PLATFORM=offscreen "$bin/azidal-qrb" --map KO85TS --size 200 -o "$tmp/map.svg"; }
pair() { "$bin/azidal-qrb" "$@" KO85TS JO62QM; }

svg_map >/dev/null 2>&1 || true  # the file checked below
check "the installed azidal-qrb writes an SVG" grep -q "<svg" "$tmp/map.svg"
rm -f "$tmp/map.svg"
check_module libazidal-paper.so "printing and SVG" "запись SVG недоступна" svg_map
check "without the printing and SVG module: no file" test ! -e "$tmp/map.svg"

check "the installed azidal-qrb gives the ellipsoid's figures" gives "WGS-84: 1616.4 км" pair --ellipsoid
check_module libazidal-wgs84.so WGS-84 "расчёт по WGS-84 недоступен" pair --ellipsoid
check "without the WGS-84 module: the sphere's figures still given" gives "ДАЛЬНОСТЬ: 1611 км" pair

# --- DESTDIR ---------------------------------------------------------------------
# Packagers install with DESTDIR; nothing may land in the prefix itself.
staged_prefix=$tmp/staged-prefix
if DESTDIR=$tmp/stage install_into "$staged_prefix" "$tmp/install3.log"; then
    check "DESTDIR install: bin/azidal" test -x "$tmp/stage$staged_prefix/bin/azidal"
    check "DESTDIR install: station template" is_sqlite "$tmp/stage$staged_prefix/share/azidal/user.mdb"
    check "DESTDIR install: desktop file" test -f "$tmp/stage$staged_prefix/share/applications/$app_id.desktop"
    check "DESTDIR install: nothing outside DESTDIR" test ! -e "$staged_prefix"
else
    cat "$tmp/install3.log"
    fail "cmake --install with DESTDIR"
fi

# --- validators ------------------------------------------------------------------
if command -v desktop-file-validate >/dev/null; then
    if out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ]; then
        ok "desktop-file-validate"
    else
        echo "$out"
        fail "desktop-file-validate"
    fi
else
    echo "skip: desktop-file-validate is not installed (Debian package desktop-file-utils)"
fi

if command -v appstreamcli >/dev/null; then
    if out=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1); then
        echo "$out" | sed 's/^/      /'
        ok "appstreamcli validate --no-net"
    else
        echo "$out"
        fail "appstreamcli validate --no-net"
    fi
    # The whole tree: also finds the desktop file the metainfo launches.
    if out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1); then
        ok "appstreamcli validate-tree --no-net"
    else
        echo "$out"
        fail "appstreamcli validate-tree --no-net"
    fi
else
    echo "skip: appstreamcli is not installed (Debian package appstream)"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
