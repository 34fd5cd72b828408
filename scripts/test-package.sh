#!/usr/bin/env bash
# Builds the Debian package and checks it: the files it installs, its dependencies, Debian's own
# checks (lintian) and the software centres' (appstreamcli), and the program unpacked from it.
# With --install it also installs the package into this machine with apt, runs the installed
# program, finds its man page and menu entry, and purges the package again.
# Kept out of the test suite: packaging takes longer than the tests.
#   scripts/test-package.sh [--install]
set -euo pipefail
cd "$(dirname "$0")/.."

install=false
case "${1:-}" in
--install) install=true ;;
"") ;;
*)
    echo "Usage: scripts/test-package.sh [--install]" >&2
    exit 2
    ;;
esac

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
# The checkers, installed like the build's own packages: only the missing ones.
checkers=()
for pkg in lintian appstream desktop-file-utils man-db; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        checkers+=("$pkg")
    fi
done
if [ ${#checkers[@]} -ne 0 ]; then
    echo "Installing: ${checkers[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
        --no-install-recommends "${checkers[@]}" >/dev/null
fi

deb=$(scripts/package.sh | tail -1)
echo "Checking $deb"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

metainfo=usr/share/metainfo/io.github.norvik.kvc7345.metainfo.xml
contents=$(dpkg-deb -c "$deb")
for path in \
    usr/bin/kvc7345 \
    usr/bin/kvc7345-modsim \
    usr/lib/kvc7345/plugins/kvc7345browser.so \
    usr/lib/kvc7345/plugins/kvc7345charts.so \
    usr/share/kvc7345/config.ini \
    usr/share/kvc7345/DOC0417.pdf \
    usr/share/kvc7345/factorydefaults/Q7383D.NVC \
    usr/share/applications/kvc7345.desktop \
    "$metainfo" \
    usr/share/icons/hicolor/scalable/apps/kvc7345.svg \
    usr/share/icons/hicolor/16x16/apps/kvc7345.png \
    usr/share/icons/hicolor/256x256/apps/kvc7345.png \
    usr/share/man/man1/kvc7345.1.gz \
    usr/share/man/man1/kvc7345-modsim.1.gz \
    usr/share/doc/kvc7345/copyright \
    usr/share/doc/kvc7345/changelog.gz \
    usr/share/bash-completion/completions/kvc7345; do
    grep -q " \./$path\$" <<<"$contents" || fail "the package lacks /$path"
done
# Everything below /usr, owned by root, and no test programs or build leftovers.
if grep -v ' \./usr/\| \./$' <<<"$contents" | grep -q .; then
    fail "files outside /usr: $(grep -v ' \./usr/\| \./$' <<<"$contents")"
fi
if grep -v ' root/root ' <<<"$contents" | grep -q .; then
    fail "files not owned by root"
fi
if grep -q 'tst_\|bench_\|CMakeFiles' <<<"$contents"; then
    fail "test or build files in the package"
fi

# The dependencies came from dpkg-shlibdeps: the Qt runtime libraries, never a -dev package.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6network6 \
    libqt6charts6 libqt6printsupport6 qt6-qpa-plugins fonts-liberation2; do
    grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package"
done
grep -q -- '-dev\b' <<<"$depends" && fail "Depends names a development package"

# Debian's checks, as a new user would run them: no error, no warning, and none of the
# hardening or stripping notes, which lintian only reports as information.
echo "lintian -I --pedantic $deb"
lintian_out=$(lintian -I --pedantic "$deb" 2>&1) || true
[ -n "$lintian_out" ] && sed 's/^/    /' <<<"$lintian_out"
if grep -q '^[EW]: ' <<<"$lintian_out"; then
    fail "lintian reports errors or warnings"
fi
# The simulator's only fortifiable calls (read, poll, memset) take sizes the compiler checks
# when it builds them, so no checking variant is linked and lintian cannot tell; the program and
# the browser module must show them.
if grep ': hardening-\|: binary-has-unneeded-section\|: unstripped-binary' <<<"$lintian_out" |
    grep -v 'hardening-no-fortify-functions \[usr/bin/kvc7345-modsim\]$' | grep -q .; then
    fail "lintian finds binaries built or stripped without Debian's hardening"
fi

root=$(mktemp -d)
installed_here=false
cleanup() {
    rm -rf "$root"
    if "$installed_here"; then
        echo "apt-get purge kvc7345 (after a failure)"
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq kvc7345 >/dev/null ||
            echo "FAIL: apt-get purge kvc7345 failed" >&2
    fi
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$root"

# The software centres' metadata. The screenshots are fetched from the release's tag, which
# exists once the release is published, so the check does not go to the network.
echo "appstreamcli validate --pedantic --no-net /$metainfo"
appstream_out=$(appstreamcli validate --pedantic --no-net "$root/$metainfo" 2>&1) ||
    fail "appstreamcli rejects the metainfo"
sed 's/^/    /' <<<"$appstream_out"
grep -q '^[EW]: ' <<<"$appstream_out" && fail "appstreamcli reports errors or warnings"
appstreamcli validate-tree --pedantic --no-net "$root" >/dev/null 2>&1 ||
    fail "appstreamcli rejects the installed tree: $(appstreamcli validate-tree --no-net "$root")"
desktop-file-validate "$root/usr/share/applications/kvc7345.desktop" ||
    fail "the desktop entry is not valid"

# The program unpacked from the package runs with its own data.
run() {
    env -u KVC7345_HOME HOME="$root/home" XDG_DATA_HOME="$root/home/data" \
        XDG_RUNTIME_DIR="$root" QT_QPA_PLATFORM=offscreen "$root/usr/bin/kvc7345" "$@"
}
lines=$(run parameters | wc -l)
[ "$lines" -ge 70 ] || fail "kvc7345 parameters printed $lines lines"
run show "$root/usr/share/kvc7345/factorydefaults/Q7383D.NVC" >/dev/null ||
    fail "kvc7345 show of a shipped factory default failed"
[ -f "$root/home/data/KVC7345/factorydefaults/Q7383D.NVC" ] ||
    fail "the per-user program folder was not seeded from /usr/share/kvc7345"
man -l "$root/usr/share/man/man1/kvc7345.1.gz" 2>/dev/null | grep -q "calibrate" ||
    fail "the man page does not render"
man -l "$root/usr/share/man/man1/kvc7345-modsim.1.gz" 2>/dev/null | grep -q "ignore-write" ||
    fail "the simulator's man page does not render"

# apt resolves the package's dependencies from the archive (simulated, nothing is installed).
apt-get install --simulate "./$deb" >/dev/null 2>&1 ||
    fail "apt-get cannot resolve the dependencies of $deb"

if "$install"; then
    echo "apt-get install ./$deb"
    installed_here=true
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "./$deb" >/dev/null ||
        fail "apt-get install ./$deb failed"
    # The installed program, with a home of its own so the machine's users keep theirs.
    installed() {
        env -u KVC7345_HOME HOME="$root/installed" XDG_DATA_HOME="$root/installed/data" \
            XDG_RUNTIME_DIR="$root" QT_QPA_PLATFORM=offscreen "$@"
    }
    echo "$(command -v kvc7345) --version"
    installed kvc7345 --version | sed 's/^/    /' || fail "kvc7345 --version failed"
    echo "kvc7345 read --demo Q7383D"
    read_out=$(installed kvc7345 read --demo Q7383D 2>&1) || fail "kvc7345 read --demo failed"
    sed 's/^/    /' <<<"$read_out" | head -5
    echo "    ... ($(wc -l <<<"$read_out") lines)"
    for page in kvc7345 kvc7345-modsim; do
        echo "man -w $page"
        found=$(man -w "$page" 2>&1) || fail "man does not find $page"
        echo "    $found"
    done
    # The menu entry: a valid desktop entry in the menu's folder, and its icon in the theme.
    entry=/usr/share/applications/kvc7345.desktop
    echo "desktop-file-validate $entry"
    desktop-file-validate "$entry" || fail "the installed desktop entry is not valid"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    icons=$(find /usr/share/icons/hicolor -path "*/apps/$icon.*" | sort -V)
    [ -n "$icons" ] || fail "the icon $icon is not in the hicolor theme"
    echo "Icon=$icon in the hicolor theme:"
    sed 's/^/    /' <<<"$icons"

    echo "apt-get purge kvc7345"
    installed_here=false
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq kvc7345 >/dev/null ||
        fail "apt-get purge kvc7345 failed"
    if dpkg-query -W -f='${Status}' kvc7345 2>/dev/null | grep -q "install ok installed"; then
        fail "kvc7345 is still installed after the purge"
    fi
    [ ! -e /usr/bin/kvc7345 ] || fail "/usr/bin/kvc7345 is left after the purge"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "The package is complete: $deb"
