#!/usr/bin/env bash
# Records the starter sentences: one "Phrases/<word>.wav" per line of the
# sentence list, with the voice and pace of the starter words
# (enregistrer-mots.sh), and puts the list beside them for the installer.
# Usage: enregistrer-phrases.sh SENTENCES OUTPUT_DIR [ESPEAK]
set -euo pipefail
liste="$1"
sortie="$2"
espeak="${3:-espeak-ng}"
phrases="$sortie/Phrases"

mkdir -p "$phrases"
# Start afresh so that a sentence taken out of the list loses its recording.
find "$phrases" -maxdepth 1 -name '*.wav' -delete

arguments=()
numero=0
while IFS= read -r ligne || [ -n "$ligne" ]; do
  numero=$((numero + 1))
  ligne="${ligne%$'\r'}"
  [[ "$ligne" =~ ^[[:space:]]*(#|$) ]] && continue
  if [[ "$ligne" =~ ^([^$'\t']+)$'\t'+([^$'\t']*[^[:space:]])[[:space:]]*$ ]]; then
    mot="${BASH_REMATCH[1]}"
    phrase="${BASH_REMATCH[2]}"
    # The word becomes a file name: nothing that could leave the folder.
    if [[ "$mot" == */* || "$mot" == .* || "$mot" == -* ]]; then
      echo "$liste:$numero: mot refusé : $mot" >&2
      exit 1
    fi
    arguments+=("$phrases/$mot.wav" "$phrase")
  else
    echo "$liste:$numero: ligne illisible (un mot, une tabulation, la phrase) : $ligne" >&2
    exit 1
  fi
done < "$liste"

# Two at a time, as the words; "--" so that no sentence is read as an option.
printf '%s\0' "${arguments[@]}" |
  xargs -0 -n 2 -P 2 sh -c 'exec "$0" -v fr -s 110 -w "$1" -- "$2"' "$espeak"

cp "$liste" "$sortie/phrases-depart.txt"
echo "$(( ${#arguments[@]} / 2 )) phrases enregistrées dans $phrases"
