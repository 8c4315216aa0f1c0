#!/usr/bin/env bash
# The stage/ folder moved: installed into a path with a space and an accent,
# then moved; installer-raccourci.sh writes a valid menu entry that starts
# the launcher at the new place, and the launcher finds the program there.
#   tests/paquet/verifier-dossier.sh build
set -euo pipefail
construction="$(readlink -f "$1")"
travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
echec() { echo "DOSSIER: $*" >&2; exit 1; }

cmake --install "$construction" --prefix "$travail/première copie" --component dossier >/dev/null
[ ! -e "$travail/première copie/orthoval.desktop" ] || echec "a menu entry with a fixed path is installed"
for table in homophones.txt orthographe-1990.txt; do
  [ -s "$travail/première copie/langue/$table" ] || echec "langue/$table is not installed beside the program"
done
mv "$travail/première copie" "$travail/clé USB"
grep -q '^## For the teacher' "$travail/clé USB/README" || echec "no documentation beside the program"
export HOME="$travail/home" XDG_DATA_HOME="$travail/home/.local/share"
"$travail/clé USB/installer-raccourci.sh" >/dev/null
entree="$XDG_DATA_HOME/applications/orthoval-dossier.desktop"
desktop-file-validate "$entree" || echec "desktop-file-validate"
grep -qxF "Exec=\"$travail/clé USB/orthoval.sh\"" "$entree" || echec "Exec: $(grep Exec= "$entree")"
# No Sons yet (scripts/run lets Sons.exe fill it): only the folder matters here.
sortie="$(cd / && "$travail/clé USB/orthoval.sh" --verifier || true)"
grep -qF "« $travail/clé USB » (le dossier du programme)" <<<"$sortie" \
  || echec "the launcher does not start the program of its folder: $sortie"
echo "DOSSIER: stage/ moved, menu entry and launcher OK"
