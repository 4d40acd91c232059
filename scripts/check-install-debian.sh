#!/usr/bin/env bash
# Installs the Debian packages of build/packages/ on a fresh Debian 12 and removes them again, in a
# debootstrap chroot: the programs must start from the installed packages, their menu entries
# must be there, and purging them must leave none of their files behind.
#   sudo scripts/check-install-debian.sh [CHROOT_FOLDER]
# Needs root, debootstrap and the Debian mirror (or DEBIAN_MIRROR). The fresh system is made once
# in CHROOT_FOLDER/fresh (default build/chroot) and copied for every run, so each run starts
# from a system that never saw the packages. Takes a few minutes; not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
base=$(realpath -m "${1:-build/chroot}")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

if [[ $(id -u) -ne 0 ]]; then
    echo "check-install-debian.sh: run it as root (debootstrap and chroot need it)" >&2
    exit 2
fi
packages=("$root"/build/packages/kvt80-*.deb)
if [[ ! -e ${packages[0]} ]]; then
    echo "check-install-debian.sh: no packages in build/packages/ (run scripts/package.sh)" >&2
    exit 2
fi

fresh=$base/fresh
if [[ ! -e $fresh/.complete ]]; then
    rm -rf "$fresh"
    debootstrap --variant=minbase bookworm "$fresh" "$mirror"
    touch "$fresh/.complete"
fi

system=$base/run
mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
    done
}
trap cleanup EXIT
# A run killed before its clean-up leaves the host's /proc, /sys and /dev bound in the old tree:
# deleting through them would delete the host's. Stop instead, and never cross into another
# file system while deleting.
if findmnt -rn -o TARGET | grep -q "^$system/"; then
    echo "check-install-debian: $system still has file systems mounted (an earlier run was" \
        "stopped); unmount them first: umount -R $system/proc $system/sys $system/dev" >&2
    exit 1
fi
rm -rf --one-file-system "$system"
cp -a "$fresh" "$system"
for fs in proc sys dev; do
    mount --rbind "/$fs" "$system/$fs"
    mounted+=("$system/$fs")
    mount --make-rslave "$system/$fs"
done
cp /etc/resolv.conf "$system/etc/resolv.conf"

in_system() {
    chroot "$system" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}
# Every file of the system but the virtual ones, the logs and apt's own downloads and caches.
snapshot() {
    (cd "$system" && find . -xdev \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./tmp \
        -o -path ./run -o -path ./var/log -o -path ./var/cache/apt -o -path ./var/lib/apt/lists \
        -o -path ./root \) -prune -o -print | sed 's/^\.//' | sort) >"$1"
}
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

report=$base/report
mkdir -p "$report"
snapshot "$report/before"

echo "== installing ${packages[*]##*/}"
mkdir -p "$system/tmp/packages"
cp "${packages[@]}" "$system/tmp/packages/"
in_system apt-get update -qq
debs=()
for package in "${packages[@]}"; do
    debs+=("/tmp/packages/$(basename "$package")")
done
in_system apt-get install -y --no-install-recommends "${debs[@]}" | tee "$report/install.log"
names=()
for package in "${packages[@]}"; do
    names+=("$(dpkg-deb -f "$package" Package)")
done
in_system dpkg-query -W -f '${Package} ${Version} ${Status}\n' "${names[@]}" | tee "$report/installed"
grep -vq "install ok installed" "$report/installed" && fail "not every package is installed"
grep -q 'dialout' "$report/install.log" || fail "the installation did not mention the dialout group"
in_system dpkg -L "${names[@]}" | sort -u >"$report/owned"

echo "== the installed programs"
run() {
    local what=$1
    shift
    if in_system "$@" >"$report/run.log" 2>&1; then
        echo "ok: $what"
    else
        fail "$what: $(tail -n 5 "$report/run.log")"
    fi
}
# A user's session: a home of its own, no display.
session=(env HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/home/run QT_QPA_PLATFORM=offscreen)
in_system mkdir -p -m 700 /tmp/home/run
run "kvt80ctl --demo" "${session[@]}" kvt80ctl --demo -e Connect -e Connected -e Disconnect
for program in kvt80ctl kvt80-sim kvt80-roomeq kvt80-config kvt80-web KVTExec KVTSetIP KVTExecCE; do
    [[ -e $system/usr/bin/$program ]] || continue
    run "$program --help" "${session[@]}" "$program" --help
done
for program in KVTExec KVTExecCE; do
    [[ -e $system/usr/bin/$program ]] || continue
    # Runs until it is ended: exit status 124 from timeout.
    if in_system "${session[@]}" timeout -s TERM 6 "$program" --demo >"$report/run.log" 2>&1; then
        fail "$program --demo ended by itself"
    elif [[ $? -ne 124 ]]; then
        fail "$program --demo failed: $(tail -n 5 "$report/run.log")"
    else
        echo "ok: $program --demo ran until it was ended"
    fi
done
# The menu: every desktop entry starts a program on the PATH, and its icon is in the theme.
for desktop in "$system"/usr/share/applications/com.rodmere.*.desktop; do
    name=$(basename "$desktop" .desktop)
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    in_system sh -c "command -v $exec" >/dev/null || fail "$name starts $exec, which is not on the PATH"
    [[ -e $system/usr/share/icons/hicolor/48x48/apps/$icon.png ]] || fail "$name: no icon $icon"
    echo "ok: menu entry $name ($exec)"
done
[[ -e $system/usr/share/applications/mimeinfo.cache ]] &&
    ! grep -q "application/x-kvt80-configuration=com.rodmere.KVTExec.desktop" \
        "$system/usr/share/applications/mimeinfo.cache" &&
    fail "the desktop database does not open .kvt files with KVTExec"

echo "== purging ${names[*]}"
in_system apt-get purge -y "${names[@]}" | tee "$report/purge.log"
snapshot "$report/after"
# Every path the installed packages own, under both names of the merged /usr folders.
owned_by_packages() {
    cat "$system"/var/lib/dpkg/info/*.list | sed -e 's#^/\(bin\|sbin\|lib\|lib64\)/#/usr/\1/#' \
        -e 's#^/\(bin\|sbin\|lib\|lib64\)$#/usr/\1#' | sort -u
}
owned_by_packages >"$report/owned-after"
# What the packages owned must be gone, except folders that were there before or that other
# packages own too.
while read -r path; do
    [[ -z $path || $path == /. ]] && continue
    if [[ -e $system$path && ! -d $system$path ]]; then
        fail "left behind: $path"
    elif [[ -d $system$path ]] && ! grep -qxF "$path" "$report/before" &&
        ! grep -qxF "$path" "$report/owned-after"; then
        fail "left behind: the folder $path"
    fi
done <"$report/owned"
# Anything new since the fresh system that no installed package owns: the caches the system's
# own triggers keep (icons, file types, desktop database, fonts) are expected; nothing of ours.
comm -13 "$report/before" "$report/after" >"$report/new"
comm -23 "$report/new" "$report/owned-after" >"$report/unowned"
if grep -i "kvt\|rodmere" "$report/unowned"; then
    fail "files of the packages are left behind (above)"
fi
echo "new files no package owns (the system's caches): $(wc -l <"$report/unowned")"
sed 's/^/    /' "$report/unowned"

echo "== removing the dependencies they brought"
in_system apt-get autoremove --purge -y >"$report/autoremove.log"
snapshot "$report/final"
comm -13 "$report/before" "$report/final" >"$report/final-new"
if grep -i "kvt\|rodmere" "$report/final-new"; then
    fail "files of the packages are left behind after removing the dependencies (above)"
fi
echo "files left beside the fresh system once the dependencies are gone: $(wc -l <"$report/final-new")"
sed 's/^/    /' "$report/final-new"

if ((failed)); then
    echo "check-install-debian.sh: FAILED (details in $report)" >&2
    exit 1
fi
echo "check-install-debian.sh: installed, ran and removed cleanly (details in $report)"
