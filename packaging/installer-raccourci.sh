#!/bin/sh
# Adds OrthoVal to the applications menu, pointing at the folder this script
# is in. Run it again after moving the folder.
#   ./installer-raccourci.sh          for the current account
#   sudo ./installer-raccourci.sh --tous   for every account of the computer
set -eu
dossier=$(dirname "$(readlink -f "$0")")
if [ "${1:-}" = "--tous" ]; then
  menu=/usr/local/share/applications
else
  menu="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
fi
if [ ! -x "$dossier/orthoval" ]; then
  echo "Le programme orthoval est introuvable dans « $dossier »." >&2
  exit 1
fi
mkdir -p "$menu"
# In Exec, a quoted argument escapes " ` $ and \ ; the file format then
# escapes every backslash once more.
exec_echappe=$(printf '%s' "$dossier/orthoval.sh" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g')
chemin_echappe=$(printf '%s' "$dossier" | sed -e 's/\\/\\\\/g')
entree="$menu/orthoval-dossier.desktop"
cat > "$entree" <<FIN
[Desktop Entry]
Type=Application
Name=OrthoVal
GenericName=Apprendre l'orthographe
Comment=J'apprends à écrire les mots : dictée de mots pour les enfants de 6 à 11 ans
Exec="$exec_echappe"
Path=$chemin_echappe
Icon=$chemin_echappe/orthoval.png
Terminal=false
Categories=Education;Languages;
FIN
chmod 644 "$entree"
echo "OrthoVal est dans le menu des applications (« $entree »), lancé depuis « $dossier »."
