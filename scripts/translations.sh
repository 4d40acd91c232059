#!/bin/sh
# Brings the translation files up to date with the texts of the front ends' and the service
# report's sources: new texts appear as unfinished (the translation tests fail until they are
# translated), texts no longer in the sources are dropped. Run from anywhere; uses Qt's lupdate.
set -eu
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=lupdate
sources="frontend laptop report"
[ -d handheld ] && sources="$sources handheld"
# shellcheck disable=SC2086
"$lupdate" -silent -locations none -no-obsolete $sources -ts frontend/translations/kvtexec_*.ts
