#!/usr/bin/env bash
# Checks an installed tree of the KVT-80 service software, as `cmake --install` or the extracted
# Debian packages leave it: every file in its place, the programs start from there with the
# libraries found by their RPATH, and the desktop entries, AppStream data, file type, manual
# pages, bash completion, help documents and each package's copyright and changelog are valid.
#   [KVT_VERSION=V] check_tree.sh PREFIX [gui]
# PREFIX is the folder holding bin/ and share/ (a scratch root's usr/, for example); "gui" also
# checks the graphical programs' files; V is the version the changelogs must name.
set -uo pipefail

prefix=$1
gui=${2:-}
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
need() {
    [[ -e $prefix/$1 ]] || fail "missing $1"
}

export QT_QPA_PLATFORM=offscreen
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The programs keep their settings in a home of their own here.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config
mkdir -p "$HOME"

# ---- The command-line tools ----------------------------------------------------------------------
tools=(kvt80ctl kvt80-sim kvt80-roomeq kvt80-config Bootwick)
for program in "${tools[@]}"; do
    need "bin/$program"
done
libraries=$(find "$prefix/lib" -path '*/kvt80/*' -name 'lib*.so*' 2>/dev/null | sort)
for library in libKVT80.so libKVTComm.so; do
    grep -q "/$library" <<<"$libraries" || fail "missing the private library $library"
done
# The libraries are found by the RPATH alone, not by the build tree or LD_LIBRARY_PATH.
unset LD_LIBRARY_PATH
programs=(kvt80ctl kvt80-sim kvt80-roomeq kvt80-config)
# The browser front end, when the build had Boost; its page beside it when the build had npm.
if [[ -e $prefix/bin/kvt80-web ]]; then
    programs+=(kvt80-web)
    [[ ! -d $prefix/share/kvt80-web || -f $prefix/share/kvt80-web/app/index.html ]] ||
        fail "kvt80-web: its page has no index.html"
fi
[[ $gui == gui ]] && programs+=(KVTExec KVTSetIP)
handheld=no
[[ $gui == gui && -e $prefix/bin/KVTExecCE ]] && handheld=yes
[[ $handheld == yes ]] && programs+=(KVTExecCE)
for program in "${programs[@]}"; do
    if ldd "$prefix/bin/$program" | grep -q "not found"; then
        fail "$program: libraries not found: $(ldd "$prefix/bin/$program" | grep 'not found' | tr -s ' \t' ' ')"
    fi
    "$prefix/bin/$program" --help >"$scratch/help" 2>&1 || fail "$program --help failed"
    [[ -s $scratch/help ]] || fail "$program --help printed nothing"
done

# kvt80ctl against its simulated unit, with a short script.
output=$(printf 'Connect\nConnected\nDisconnect\n' | timeout 60 "$prefix/bin/kvt80ctl" --demo - 2>&1)
if [[ $(sed -n 1p <<<"$output") != "0" || $(sed -n 2p <<<"$output") != "0 true" ]]; then
    fail "kvt80ctl --demo script: $output"
fi

# The example scripts, run from a copy as their notes say.
examples=$prefix/share/doc/kvt80-tools/examples
if [[ ! -f $examples/demo.kvts ]]; then
    fail "missing the example scripts in share/doc/kvt80-tools/examples"
else
    cp -r "$examples" "$scratch/examples"
    (cd "$scratch" && timeout 60 "$prefix/bin/kvt80ctl" --demo examples/demo.kvts) >"$scratch/demo" 2>&1 ||
        fail "kvt80ctl --demo examples/demo.kvts: $(cat "$scratch/demo")"
fi

# ---- Manual pages --------------------------------------------------------------------------------
pages=("${tools[@]}")
[[ -e $prefix/bin/kvt80-web ]] && pages+=(kvt80-web)
[[ $gui == gui ]] && pages+=(KVTExec KVTSetIP)
[[ -e $prefix/bin/kvt80-report ]] && pages+=(kvt80-report)
[[ $handheld == yes ]] && pages+=(KVTExecCE)
for page in "${pages[@]}"; do
    file=$(ls "$prefix"/share/man/man1/"$page".1* 2>/dev/null | head -n1)
    if [[ -z $file ]]; then
        fail "missing the manual page $page(1)"
        continue
    fi
    warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >"$scratch/page")
    [[ -z $warnings ]] || fail "$page(1) renders with warnings: $warnings"
    grep -q "NAME" "$scratch/page" || fail "$page(1) renders without a NAME section"
done

# ---- Each package's copyright file (machine-readable) and Debian changelog ----------------------
packages=(kvt80-tools)
[[ $gui == gui ]] && packages+=(kvt80-laptop)
[[ $handheld == yes ]] && packages+=(kvt80-handheld)
for package in "${packages[@]}"; do
    doc=$prefix/share/doc/$package
    copyright=$doc/copyright
    if [[ ! -f $copyright ]]; then
        fail "missing share/doc/$package/copyright"
    else
        head -n1 "$copyright" |
            grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
            fail "$package: the copyright file does not start with its Format line"
        grep -q "^Files: \*$" "$copyright" || fail "$package: the copyright file has no Files: * paragraph"
        grep -q "^Copyright: ." "$copyright" || fail "$package: the copyright file names no holder"
        # Every licence named is written out: in its own paragraph or below its name.
        while read -r licence; do
            grep -A1 "^License: $licence$" "$copyright" | sed -n 2p | grep -q "^ ." ||
                fail "$package: the licence $licence has no text"
        done < <(sed -n 's/^License: \(.*\)$/\1/p' "$copyright" | sort -u)
    fi
    changelog=$doc/changelog.Debian.gz
    if [[ ! -f $changelog ]]; then
        fail "missing share/doc/$package/changelog.Debian.gz"
    elif command -v dpkg-parsechangelog >/dev/null; then
        gzip -dc "$changelog" >"$scratch/changelog" || fail "$package: the changelog is not gzip data"
        version=$(dpkg-parsechangelog -l "$scratch/changelog" -S Version 2>"$scratch/parse") ||
            fail "$package: the changelog does not parse: $(cat "$scratch/parse")"
        # The newest entry is the version built: the package's (with its Debian revision) or the
        # project's.
        if [[ -n ${KVT_VERSION:-} && $version != "$KVT_VERSION" && ${version%-*} != "$KVT_VERSION" ]]; then
            fail "$package: the changelog's newest entry is $version, not $KVT_VERSION"
        fi
    fi
    for file in "$copyright" "$changelog"; do
        [[ ! -e $file || $(stat -c %a "$file") == 644 ]] || fail "$file is not mode 644"
    done
done

# ---- bash completion: the options and the engine's member names ---------------------------------
completion=$prefix/share/bash-completion/completions/kvt80ctl
if [[ ! -f $completion ]]; then
    fail "missing the bash completion of kvt80ctl"
else
    complete_words() {
        bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _kvt80ctl;
                 printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@"
    }
    complete_words kvt80ctl --de | grep -qx -- --demo || fail "completion: --de does not give --demo"
    members=$(complete_words kvt80ctl -e Seri)
    grep -qx SerialNumber <<<"$members" || fail "completion: -e Seri does not give SerialNumber"
    members=$(complete_words kvt80ctl -e "")
    [[ $(wc -l <<<"$members") -gt 100 ]] || fail "completion: too few member names"
fi
# The room EQ assistant's and the configuration tool's: options, channel names, commands.
completions=$prefix/share/bash-completion/completions
complete_with() {
    local file=$1 function=$2
    shift 2
    bash -c 'source "$1"; f=$2; shift 2; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); $f;
             printf "%s\n" "${COMPREPLY[@]}"' _ "$file" "$function" "$@"
}
if [[ -f $completions/kvt80-roomeq ]]; then
    words=$(complete_with "$completions/kvt80-roomeq" _kvt80_roomeq kvt80-roomeq --dr)
    grep -qx -- --dry-run <<<"$words" || fail "completion: kvt80-roomeq --dr does not give --dry-run"
    words=$(complete_with "$completions/kvt80-roomeq" _kvt80_roomeq kvt80-roomeq --channels L,C,L)
    grep -qx "L,C,LS" <<<"$words" ||
        fail "completion: kvt80-roomeq --channels L,C,L gives $words, not L,C,LS"
else
    fail "missing the bash completion of kvt80-roomeq"
fi
if [[ -f $completions/kvt80-config ]]; then
    words=$(complete_with "$completions/kvt80-config" _kvt80_config kvt80-config d)
    grep -qx diff <<<"$words" || fail "completion: kvt80-config d does not give diff"
    words=$(complete_with "$completions/kvt80-config" _kvt80_config kvt80-config diff --j)
    grep -qx -- --json <<<"$words" || fail "completion: kvt80-config diff --j does not give --json"
else
    fail "missing the bash completion of kvt80-config"
fi

if [[ -e $prefix/bin/kvt80-web ]]; then
    if [[ -f $completions/kvt80-web ]]; then
        words=$(complete_with "$completions/kvt80-web" _kvt80_web kvt80-web --id)
        grep -qx -- --idle-minutes <<<"$words" ||
            fail "completion: kvt80-web --id does not give --idle-minutes"
        words=$(complete_with "$completions/kvt80-web" _kvt80_web kvt80-web --listen 0)
        grep -qx "0.0.0.0:8080" <<<"$words" ||
            fail "completion: kvt80-web --listen 0 gives $words, not 0.0.0.0:8080"
    else
        fail "missing the bash completion of kvt80-web"
    fi
fi

# ---- File types: kvt80ctl scripts (*.kvts) and, with the laptop program, configurations (*.kvt) --
need share/mime/packages/kvt80-script.xml
if command -v update-mime-database >/dev/null; then
    mkdir -p "$scratch/mime/packages"
    cp "$prefix"/share/mime/packages/kvt80-*.xml "$scratch/mime/packages/"
    update-mime-database "$scratch/mime" >"$scratch/mime.log" 2>&1 ||
        fail "the file types do not load: $(cat "$scratch/mime.log")"
    grep -q "^[0-9]*:text/x-kvt80-script:\*\.kvts$" "$scratch/mime/globs2" ||
        fail "the script file type has no *.kvts pattern"
    grep -q "^text/x-kvt80-script text/plain$" "$scratch/mime/subclasses" ||
        fail "scripts are not plain text to the desktop"
    if [[ $gui == gui ]]; then
        # A configuration file is recognised by its name and by its content.
        grep -q "^[0-9]*:application/x-kvt80-configuration:\*\.kvt$" "$scratch/mime/globs2" ||
            fail "the configuration file type has no *.kvt pattern"
        grep -q "application/x-kvt80-configuration" "$scratch/mime/magic" ||
            fail "the configuration file type has no content match"
    fi
fi

# ---- The graphical programs' files ---------------------------------------------------------------
if [[ $gui == gui ]]; then
    need bin/KVTExec
    need bin/KVTSetIP
    need "share/doc/kvt80/KVT-80 Manual.pdf"
    need share/doc/kvt80/KVT80Checklist.htm
    need share/mime/packages/kvt80-configuration.xml
    need share/metainfo/com.rodmere.KVTExec.metainfo.xml
    entries=(com.rodmere.KVTExec com.rodmere.KVTSetIP)
    [[ $handheld == yes ]] && entries+=(com.rodmere.KVTExecCE)
    for entry in "${entries[@]}"; do
        desktop=$prefix/share/applications/$entry.desktop
        if [[ ! -f $desktop ]]; then
            fail "missing $entry.desktop"
            continue
        fi
        if command -v desktop-file-validate >/dev/null; then
            desktop-file-validate "$desktop" || fail "$entry.desktop is not valid"
        fi
        program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
        [[ -x $prefix/bin/$program ]] || fail "$entry.desktop starts $program, which is not installed"
        for size in 16 22 24 32 48 64 128 256; do
            icon=share/icons/hicolor/${size}x$size/apps/$entry.png
            need "$icon"
            if [[ -e $prefix/$icon ]] && command -v file >/dev/null; then
                file "$prefix/$icon" | grep -q "PNG image data, $size x $size" ||
                    fail "$icon is not a $size pixel PNG"
            fi
        done
        need "share/icons/hicolor/scalable/apps/$entry.svg"
    done
    grep -q "^MimeType=application/x-kvt80-configuration;" \
        "$prefix/share/applications/com.rodmere.KVTExec.desktop" ||
        fail "KVTExec's desktop entry does not take .kvt files"
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net --pedantic \
            "$prefix/share/metainfo/com.rodmere.KVTExec.metainfo.xml" >"$scratch/appstream" 2>&1 ||
            fail "AppStream data is not valid: $(cat "$scratch/appstream")"
    fi
    if command -v pdfinfo >/dev/null; then
        manual_pages=$(pdfinfo "$prefix/share/doc/kvt80/KVT-80 Manual.pdf" 2>/dev/null |
            sed -n 's/^Pages: *//p')
        [[ ${manual_pages:-0} -gt 1 ]] || fail "the manual has no pages"
    fi
    grep -qi "<html" "$prefix/share/doc/kvt80/KVT80Checklist.htm" ||
        fail "the checklist is not an HTML document"

    # The laptop program starts from the tree in demo mode, with a file argument, and runs until
    # it is ended.
    timeout -s TERM 6 "$prefix/bin/KVTExec" --demo "$scratch/none.kvt" >"$scratch/kvtexec" 2>&1
    status=$?
    [[ $status -eq 124 ]] || fail "KVTExec --demo ended by itself (status $status): $(cat "$scratch/kvtexec")"
fi

# The handheld program likewise, with its simulated unit.
if [[ $handheld == yes ]]; then
    timeout -s TERM 6 "$prefix/bin/KVTExecCE" --demo >"$scratch/kvtexecce" 2>&1
    status=$?
    [[ $status -eq 124 ]] ||
        fail "KVTExecCE --demo ended by itself (status $status): $(cat "$scratch/kvtexecce")"
fi

if ((failures > 0)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed tree at $prefix: all checks passed"
