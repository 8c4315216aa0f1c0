#!/usr/bin/env bash
# Checks a built orthoval_<version>_amd64.deb the way a Debian computer meets
# it: unpacked with dpkg -x into a throwaway root, its file list, menu entry,
# AppStream description and lintian; then the unpacked program started as a
# fresh user whose home is in the throwaway tree: the per-user data folder
# must appear with the starter library, ready for a pupil, and nothing may be
# written under the unpacked /usr.
#   tests/paquet/verifier-paquet.sh build/orthoval_1.0_amd64.deb
set -euo pipefail
deb="$(readlink -f "$1")"
travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
racine="$travail/racine"
echec() { echo "PAQUET: $*" >&2; exit 1; }

command -v lintian >/dev/null && command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null \
  || echec "lintian, desktop-file-validate and appstreamcli are needed (scripts/common.sh installs them)"
dpkg -x "$deb" "$racine"

# The layout.
for f in usr/bin/orthoval usr/libexec/orthoval/orthoval usr/libexec/orthoval/orthoval_son.so \
         usr/libexec/orthoval/orthoval_parole.so \
         usr/libexec/orthoval/Sons.exe usr/share/orthoval/bibliotheque/mots-depart.txt \
         usr/share/orthoval/langue/homophones.txt usr/share/orthoval/langue/orthographe-1990.txt \
         usr/share/applications/fr.orthoval.OrthoVal.desktop usr/share/metainfo/fr.orthoval.OrthoVal.metainfo.xml \
         usr/share/icons/hicolor/256x256/apps/fr.orthoval.OrthoVal.png usr/share/icons/hicolor/scalable/apps/fr.orthoval.OrthoVal.svg \
         usr/share/doc/orthoval/copyright usr/share/doc/orthoval/changelog.gz usr/share/man/man1/orthoval.1.gz \
         usr/share/doc/orthoval/README; do
  [ -e "$racine/$f" ] || echec "missing /$f"
done
[ "$(ls "$racine")" = "usr" ] || echec "files outside /usr: $(ls "$racine")"
# The main window sends the teacher to this file: the whole guide, readable as it is.
grep -q '^## For the teacher' "$racine/usr/share/doc/orthoval/README" || echec "/usr/share/doc/orthoval/README is not the documentation"
# The tables hold what the program looks up: "dent" sounds like "dans", "île" is also "ile".
awk '{ d = t = 0; for (i = 1; i <= NF; i++) { d = d || $i == "dans"; t = t || $i == "dent" } if (d && t) f = 1 }
     END { exit !f }' "$racine/usr/share/orthoval/langue/homophones.txt" || echec "the homophone index does not pair dent and dans"
grep -qxP 'île\tile' "$racine/usr/share/orthoval/langue/orthographe-1990.txt" || echec "the reformed spellings lack île/ile"
wavs=$(find "$racine/usr/share/orthoval/bibliotheque" -maxdepth 1 -name '*.wav' | wc -l)
# A recording for every starter sentence, and the list the installer reads.
bibliotheque="$racine/usr/share/orthoval/bibliotheque"
[ -e "$bibliotheque/phrases-depart.txt" ] || echec "missing the starter sentences' list"
phrases=$(grep -cvE '^[[:space:]]*(#|$)' "$bibliotheque/phrases-depart.txt")
enregistrees=$(find "$bibliotheque/Phrases" -maxdepth 1 -name '*.wav' | wc -l)
[ "$phrases" -gt 0 ] && [ "$enregistrees" -eq "$phrases" ] \
  || echec "$enregistrees sentence recordings for $phrases starter sentences"
grep -qx 'Exec=orthoval' "$racine/usr/share/applications/fr.orthoval.OrthoVal.desktop" || echec "Exec is not plain orthoval"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || echec "no computed dependencies"

desktop-file-validate "$racine/usr/share/applications/fr.orthoval.OrthoVal.desktop" || echec "desktop-file-validate"
appstreamcli validate --no-net "$racine/usr/share/metainfo/fr.orthoval.OrthoVal.metainfo.xml" || echec "appstreamcli validate"
lintian --tag-display-limit 0 "$deb" >"$travail/lintian.txt" 2>&1 || true
grep -v '^running with root' "$travail/lintian.txt" || true
! grep -q '^E:' "$travail/lintian.txt" || echec "lintian reports errors"

# A fresh user, as the menu entry starts the program.
avant="$(cd "$racine" && find . -printf '%p %s %T@\n' | sort)"
export HOME="$travail/home" XDG_DATA_HOME="$travail/home/.local/share" XDG_CONFIG_HOME="$travail/home/.config"
export XDG_RUNTIME_DIR="$travail/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cd "$HOME"
"$racine/usr/bin/orthoval" --verifier | tee "$travail/verifier.txt" || echec "the self-check fails"
donnees="$XDG_DATA_HOME/OrthoVal"
grep -qF "« $donnees »" "$travail/verifier.txt" || echec "not the per-user data folder"
[ "$(find "$donnees/Sons" -name '*.wav' | wc -l)" -eq "$wavs" ] || echec "Sons does not hold the $wavs starter recordings"
[ -s "$donnees/Mots.dat" ] || echec "no Mots.dat with the suggested levels"
[ "$(find "$donnees/Phrases" -name '*.wav' | wc -l)" -eq "$enregistrees" ] || echec "Phrases does not hold the $enregistrees starter sentences"
[ "$(grep -c . "$donnees/Phrases.dat")" -eq "$enregistrees" ] || echec "Phrases.dat does not hold the $enregistrees starter sentences"
# The window itself: still up after a few seconds means it started.
set +e
timeout 4 "$racine/usr/bin/orthoval" >"$travail/orthoval.log" 2>&1
code=$?
set -e
[ "$code" -eq 124 ] || { cat "$travail/orthoval.log"; echec "the program stopped at start ($code)"; }
apres="$(cd "$racine" && find . -printf '%p %s %T@\n' | sort)"
[ "$avant" = "$apres" ] || echec "something was written under the unpacked /usr: $(diff <(echo "$avant") <(echo "$apres") | head)"
echo "PAQUET: $(basename "$deb") OK ($wavs recordings, $enregistrees sentences, Phrases/ $(du -sh "$bibliotheque/Phrases" | cut -f1))"
