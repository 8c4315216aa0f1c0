#!/usr/bin/env bash
# Records the starter library: one "<word>.wav" per line of the word list,
# spoken by espeak-ng's French voice slowly enough for a child to follow.
# Usage: enregistrer-mots.sh LIST OUTPUT_DIR [ESPEAK]
set -euo pipefail
liste="$1"
sortie="$2"
espeak="${3:-espeak-ng}"

mkdir -p "$sortie"
# Start afresh so that a word taken out of the list loses its recording.
find "$sortie" -maxdepth 1 -name '*.wav' -delete

mots=()
numero=0
while IFS= read -r ligne || [ -n "$ligne" ]; do
  numero=$((numero + 1))
  ligne="${ligne%$'\r'}"
  [[ "$ligne" =~ ^[[:space:]]*(#|$) ]] && continue
  if [[ "$ligne" =~ ^[[:space:]]*[1-5][[:space:]]+(.*[^[:space:]])[[:space:]]*$ ]]; then
    mot="${BASH_REMATCH[1]}"
    # The word becomes a file name: nothing that could leave the folder.
    if [[ "$mot" == */* || "$mot" == .* || "$mot" == -* ]]; then
      echo "$liste:$numero: mot refusé : $mot" >&2
      exit 1
    fi
    mots+=("$mot")
  else
    echo "$liste:$numero: ligne illisible : $ligne" >&2
    exit 1
  fi
done < "$liste"

# espeak-ng takes a few milliseconds a word: two at a time keeps both cores busy.
printf '%s\0' "${mots[@]}" |
  xargs -0 -P 2 -I '{}' "$espeak" -v fr -s 110 -w "$sortie/{}.wav" '{}'

cp "$liste" "$sortie/mots-depart.txt"
echo "${#mots[@]} mots enregistrés dans $sortie"
