#!/bin/sh
# Starts OrthoVal from the folder this script is in, wherever that folder
# was copied (a USB stick, a school share, another computer).
dossier=$(dirname "$(readlink -f "$0")")
exec "$dossier/orthoval" "$@"
