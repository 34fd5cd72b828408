#!/usr/bin/env bash
# Builds the Debian package and checks it: the files it installs, its dependencies, and the
# program unpacked from it. Kept out of the test suite: packaging takes longer than the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(scripts/package.sh | tail -1)
echo "Checking $deb"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

contents=$(dpkg-deb -c "$deb")
for path in \
    usr/bin/kvc7345 \
    usr/bin/kvc7345-modsim \
    usr/lib/kvc7345/kvc7345browser.so \
    usr/share/kvc7345/config.ini \
    usr/share/kvc7345/DOC0417.pdf \
    usr/share/kvc7345/factorydefaults/Q7383D.NVC \
    usr/share/applications/kvc7345.desktop \
    usr/share/icons/hicolor/scalable/apps/kvc7345.svg \
    usr/share/icons/hicolor/16x16/apps/kvc7345.png \
    usr/share/icons/hicolor/256x256/apps/kvc7345.png \
    usr/share/man/man1/kvc7345.1 \
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

# The program unpacked from the package runs with its own data.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
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
man -l "$root/usr/share/man/man1/kvc7345.1" 2>/dev/null | grep -q "calibrate" ||
    fail "the man page does not render"

# apt resolves the package's dependencies from the archive (simulated, nothing is installed).
if command -v apt-get >/dev/null; then
    apt-get install --simulate "./$deb" >/dev/null 2>&1 ||
        fail "apt-get cannot resolve the dependencies of $deb"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "The package is complete: $deb"
