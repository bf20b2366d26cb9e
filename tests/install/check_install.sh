#!/usr/bin/env bash
# Installs a build into temporary prefixes and checks the installed tree:
#   check_install.sh BUILD_DIR [APP_ID [CMAKE [CONFIG]]]
# The program and its station database in bin/, the desktop file, the icons
# and the AppStream metainfo under share/; a second install keeps a station
# database that is already there; an install with DESTDIR stays inside it.
# The files are also run through desktop-file-validate and appstreamcli when
# those are installed.
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

check "bin/azidal is an executable" test -x "$bin/azidal" -a -f "$bin/azidal"
check "bin/user.mdb is an SQLite database" is_sqlite "$bin/user.mdb"
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

# --- a second install keeps the station database ------------------------------
if [ -f "$bin/user.mdb" ]; then
    # Stands in for a station the operator has saved.
    printf 'station saved by the operator' >>"$bin/user.mdb"
    cp "$bin/user.mdb" "$tmp/changed.mdb"
    if install_into "$prefix" "$tmp/install2.log"; then
        check "second install keeps the changed bin/user.mdb" cmp -s "$tmp/changed.mdb" "$bin/user.mdb"
        check "second install reports the database as kept" grep -q "Kept: .*/bin/user.mdb" "$tmp/install2.log"
    else
        cat "$tmp/install2.log"
        fail "second cmake --install into $prefix"
    fi
fi

# --- DESTDIR ---------------------------------------------------------------------
# Packagers install with DESTDIR; nothing may land in the prefix itself.
staged_prefix=$tmp/staged-prefix
if DESTDIR=$tmp/stage install_into "$staged_prefix" "$tmp/install3.log"; then
    check "DESTDIR install: bin/azidal" test -x "$tmp/stage$staged_prefix/bin/azidal"
    check "DESTDIR install: bin/user.mdb" is_sqlite "$tmp/stage$staged_prefix/bin/user.mdb"
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
