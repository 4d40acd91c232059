#!/usr/bin/env bash
# Builds the Debian packages (kvt80-tools, kvt80-laptop and, when the handheld program is built,
# kvt80-handheld) in a release build of their own and leaves the .deb files in build/packages/.
# Install them with: sudo apt install ./build/packages/kvt80-*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/kvt80-ccache}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

# The packages install under /usr: the prefix is fixed when the tree is configured, so the
# libraries land in Debian's multiarch folder and the programs' RPATH points there.
# Compiled as Debian compiles its packages: the distribution's hardening flags (stack protector,
# fortified functions, read-only relocations bound at start-up).
flags=()
if command -v dpkg-buildflags >/dev/null; then
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    cflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
    ldflags=$(dpkg-buildflags --get LDFLAGS)
    flags=(-DCMAKE_CXX_FLAGS="$cflags" -DCMAKE_C_FLAGS="$cflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
        -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags")
fi
tree=build/package-tree
cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DKVT_BUILD_TESTS=OFF -DKVT_BUILD_BENCH=OFF "${flags[@]}" "${launcher[@]}" >/dev/null
cmake --build "$tree" -j "${KVT_JOBS:-$(nproc)}"

rm -rf build/packages
mkdir -p build/packages
(cd "$tree" && cpack -G DEB -B "$root/build/packages")
# cpack's own working folder stays out of the result.
rm -rf build/packages/_CPack_Packages
ls -1 build/packages/*.deb

# The packages as a fresh machine gets them: each extracted into a scratch root and checked there,
# the tools package on its own first (it must work without Qt and without the laptop package).
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
tools=(build/packages/kvt80-tools_*.deb)
depends=$(dpkg-deb -f "${tools[0]}" Depends)
echo "kvt80-tools depends on: $depends"
if grep -qi qt <<<"$depends"; then
    echo "FAIL: kvt80-tools depends on Qt" >&2
    failed=1
fi
export KVT_VERSION
KVT_VERSION=$(dpkg-deb -f "${tools[0]}" Version)
dpkg-deb -x "${tools[0]}" "$scratch/tools"
tests/packaging/check_tree.sh "$scratch/tools/usr" || failed=1
for package in build/packages/*.deb; do
    echo "$(basename "$package"): $(dpkg-deb -f "$package" Depends)"
    dpkg-deb -x "$package" "$scratch/all"
done
laptop=(build/packages/kvt80-laptop_*.deb)
if [[ -e ${laptop[0]} ]]; then
    if ! dpkg-deb -f "${laptop[0]}" Depends | grep -q "kvt80-tools (= "; then
        echo "FAIL: kvt80-laptop does not depend on its kvt80-tools" >&2
        failed=1
    fi
    tests/packaging/check_tree.sh "$scratch/all/usr" gui || failed=1
fi
exit $failed
