#!/usr/bin/env bash
# Installs a build into a temporary folder (DESTDIR) and checks what a desktop
# and a user find there: the program, its desktop entry, its metainfo, its
# icon at every size, its manual page and its copyright file.
#
#   install_test.sh BUILD_DIR VERSION
#
# desktop-file-validate and appstreamcli validate the files where they are
# installed; where they are not, the check says it is skipped.
set -uo pipefail

build=${1:?usage: install_test.sh BUILD_DIR VERSION}
version=${2:?usage: install_test.sh BUILD_DIR VERSION}
cmake=${CMAKE:-cmake}
id=io.github.selvaris.Selvaris

failures=0
# check WHAT COMMAND...: runs the command and reports WHAT as passed or failed.
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}
# validate TOOL ARGS...: runs an optional validator, or says it is skipped.
validate() {
    local out
    if ! command -v "$1" >/dev/null; then
        echo "skipped: $1 not installed"
        return
    fi
    if out=$("$@" 2>&1); then
        echo "ok: $*"
    else
        echo "FAIL: $*"
        echo "$out"
        failures=$((failures + 1))
    fi
}

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT

if ! DESTDIR=$dest "$cmake" --install "$build" --prefix /usr >"$dest/install.log" 2>&1; then
    cat "$dest/install.log"
    echo "FAIL: cmake --install $build"
    exit 1
fi
root=$dest/usr

# The width and height of a PNG, from its IHDR chunk.
png_size() {
    local w1 w2 w3 w4 h1 h2 h3 h4
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ')
    echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}
is_png() { [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]; }
# installed KIND FILE: the file is there, not empty, and of its kind.
installed() {
    [ -f "$2" ] && [ -s "$2" ] || return 1
    case $1 in
    program) [ -x "$2" ] ;;
    file) true ;;
    svg) grep -q '<svg' "$2" ;;
    gzip) gzip -t "$2" 2>/dev/null ;;
    png\ *) is_png "$2" && [ "$(png_size "$2")" = "${1#png }x${1#png }" ] ;;
    esac
}

# Every installed file and what it must be.
expected=(
    "program|bin/selvaris"
    "file|share/applications/$id.desktop"
    "file|share/metainfo/$id.metainfo.xml"
    "svg|share/icons/hicolor/scalable/apps/$id.svg"
    "png 48|share/icons/hicolor/48x48/apps/$id.png"
    "png 128|share/icons/hicolor/128x128/apps/$id.png"
    "png 256|share/icons/hicolor/256x256/apps/$id.png"
    "gzip|share/man/man1/selvaris.1.gz"
    "file|share/doc/selvaris/copyright"
    "gzip|share/doc/selvaris/changelog.gz"
)
for entry in "${expected[@]}"; do
    kind=${entry%%|*}
    path=${entry#*|}
    check "$path installed ($kind)" installed "$kind" "$root/$path"
done

program=$root/bin/selvaris
module=$(find "$root" -name 'libselvaris_window.so' -path '*/lib*/selvaris/*' | head -n 1)
check "the window module is installed under lib/selvaris" test -n "$module"

# The command itself loads no toolkit: only the window module links Qt.
if command -v ldd >/dev/null; then
    no_qt() { ! ldd "$program" | grep -q 'libQt6'; }
    check "the command links no Qt library" no_qt
fi

# Neither the program nor its module, installed or in the build folder, has a
# run path: one with an empty entry would load libraries from the current folder.
if command -v readelf >/dev/null; then
    no_run_path() { ! readelf -d "$1" | grep -qE 'RUNPATH|RPATH'; }
    for binary in "$program" "$module" "$build/selvaris" "$build/libselvaris_window.so"; do
        check "$(basename "$binary") has no run path" no_run_path "$binary"
    done
else
    echo "skipped: readelf not installed"
fi

# The window carries its icon as a Qt resource, whose names are UTF-16.
if command -v strings >/dev/null; then
    embedded() { strings -e b "$module" | grep -qx 'selvaris.svg'; }
    check "the window icon is embedded in the window module" embedded
else
    echo "skipped: strings not installed"
fi

# The desktop entry starts the installed program and names the installed icon.
desktop=$root/share/applications/$id.desktop
if [ -f "$desktop" ]; then
    value() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
    exec_program=$(value Exec | cut -d' ' -f1)
    check "Exec=$exec_program is the installed program" installed program "$root/bin/$exec_program"
    check "Icon=$id" test "$(value Icon)" = "$id"
    check "Terminal=false" test "$(value Terminal)" = false
    check "Type=Application" test "$(value Type)" = Application
    for category in Education Science Physics; do
        check "category $category" grep -qx "$category" < <(value Categories | tr ';' '\n')
    done
    for key in 'Name' 'Name\[ja\]' 'Comment' 'Comment\[ja\]'; do
        check "${key//\\/} is set" test -n "$(value "$key")"
    done
    validate desktop-file-validate "$desktop"
fi

# The metainfo describes this program, launched by this desktop entry.
metainfo=$root/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    check "metainfo id $id" grep -q "<id>$id</id>" "$metainfo"
    check "metainfo launches $id.desktop" grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
    check "metainfo has the release $version" grep -q "<release version=\"$version\"" "$metainfo"
    validate appstreamcli validate --no-net "$metainfo"
fi

# The manual page: its header, and an entry for every option the program's help names.
man=$root/share/man/man1/selvaris.1.gz
if [ -f "$man" ] && [ -x "$program" ]; then
    page=$(gzip -dc "$man" | sed 's/\\-/-/g')
    header=$(grep -m1 '^\.TH ' <<<"$page")
    header_ok() { [[ $header == ".TH SELVARIS 1 "*"\"Selvaris $version\""* ]]; }
    check "manual page header .TH SELVARIS 1 ... \"Selvaris $version\" (is: $header)" header_ok
    usage=$("$program" --help 2>/dev/null)
    options=$(grep -o -- '--[a-z0-9-]*' <<<"$usage" | sort -u)
    check "the program's help names options" test -n "$options"
    for option in $options; do
        # An entry of its own: a paragraph tag that starts with the option.
        check "manual page has an entry for $option" grep -Eq -- "^\.B[IR]? $option( |$)" <<<"$page"
    done
fi

# The installed program runs, with the exit statuses its manual page gives.
if [ -x "$program" ]; then
    work=$dest/work
    mkdir -p "$work/good" "$work/mixed"
    # Matrix files: 16 little-endian real parts, then 16 imaginary parts, row by row.
    one='\000\000\000\000\000\000\360\077'
    zero='\000\000\000\000\000\000\000\000'
    identity=''
    for k in $(seq 0 31); do
        if [ "$k" -lt 16 ] && [ $((k % 5)) -eq 0 ]; then identity+=$one; else identity+=$zero; fi
    done
    printf '%b' "$identity" >"$work/identity.gyo"
    head -c 256 /dev/zero >"$work/zero.gyo"
    head -c 100 /dev/zero >"$work/short.gyo"
    mkdir -p "$work/broken"
    cp "$work/identity.gyo" "$work/good/a.gyo"
    cp "$work/identity.gyo" "$work/mixed/a.gyo"
    cp "$work/zero.gyo" "$work/mixed/b.gyo"
    cp "$work/zero.gyo" "$work/broken/a.gyo"
    cp "$work/short.gyo" "$work/broken/b.gyo"
    # Each case runs in the work folder, so its file names are relative.
    cases=(
        "0|--help"
        "0|--version"
        "0|decompose --help"
        "0|decompose identity.gyo"
        "0|decompose identity.gyo --basis cx --qasm out.qasm"
        "1|decompose"
        "1|decompose identity.gyo --basis none"
        "1|decompose identity.gyo --qasm identity.gyo"
        "1|decompose identity.gyo --json - --qasm -"
        "1|decompose short.gyo"
        "1|decompose missing.gyo"
        "2|decompose zero.gyo"
        "2|decompose identity.gyo --final zero.gyo"
        "0|decompose --batch good"
        "2|decompose --batch mixed"
        "1|decompose --batch broken"
        "2|decompose --batch good --final zero.gyo"
        "1|decompose --batch good --json out.json"
    )
    exits() {
        local want=$1
        shift
        (cd "$work" && "$program" "$@" >/dev/null 2>&1)
        [ $? -eq "$want" ]
    }
    for case_ in "${cases[@]}"; do
        want=${case_%%|*}
        read -r -a args <<<"${case_#*|}"
        check "selvaris ${args[*]} exits $want" exits "$want" "${args[@]}"
    done
    check "--qasm wrote its file" test -s "$work/out.qasm"
    check "--version says selvaris $version" test "$("$program" --version)" = "selvaris $version"
    full() { [ -w /dev/full ] || return 0; (cd "$work" && "$program" decompose identity.gyo >/dev/full 2>/dev/null); [ $? -eq 1 ]; }
    check "standard output on /dev/full exits 1" full
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures install checks failed"
    exit 1
fi
echo "every install check passed"
