#!/bin/bash
# Start-up cost of OrthoVal: the time from launching the program until its
# first window is visible, and its resident memory one second later.
#
#   bench/startup.sh [program] [runs] [bare] [text]
#       (defaults: build/orthoval, 9, and build/bench/fenetre_nue and
#       build/bench/fenetre_texte beside the program)
#
# Two yardsticks are started in the same runs, alternating with the program:
# the bare Qt window (bench/fenetrenue.cpp) and the smallest window with text
# (bench/fenetretexte.cpp, which pays for the font system as every window
# with words does). The ratios of the medians are printed: on a shared
# machine only a ratio measured in one run means something.
#
# Each run starts the program in a fresh installation folder (the program,
# an empty Sons folder so that the installer is not started, one pupil file)
# on a private Xvfb display, and polls the display every 10 ms for a visible
# window of that process. Prints every run, then the medians. The processor
# time the program had used when its window appeared is printed too: on a
# busy machine it says more than the wall-clock time.
set -euo pipefail

programme="${1:-build/orthoval}"
essais="${2:-9}"
nue="${3:-$(dirname "$programme")/bench/fenetre_nue}"
texte="${4:-$(dirname "$programme")/bench/fenetre_texte}"
[ -x "$programme" ] || { echo "no program at $programme (build it first)" >&2; exit 1; }
[ -x "$nue" ] || { echo "no bare window at $nue (build the target fenetre_nue)" >&2; exit 1; }
[ -x "$texte" ] || { echo "no window with text at $texte (build the target fenetre_texte)" >&2; exit 1; }
for outil in Xvfb xdotool; do
  command -v "$outil" >/dev/null || { echo "$outil is missing (see scripts/common.sh)" >&2; exit 1; }
done

travail="$(mktemp -d)"
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$travail"
}
trap cleanup EXIT

# A display number nobody uses.
n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
# -noreset: between two runs the server must not restart, or the next
# program may find no display.
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$n"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
for _ in $(seq 200); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.02
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }

mediane() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

tic=$(getconf CLK_TCK)
# Processor time used so far by a process, in ms (user + system).
processeur() { awk -v t="$tic" '{ sub(/.*\) /, ""); print int(($12 + $13) * 1000 / t) }' "/proc/$1/stat"; }

# One start: prints "ms cpu rss" for the given program copied as $2.
mesurer() {
  local source="$1" dossier="$2"
  mkdir -p "$dossier/Sons"
  cp "$source" "$dossier/orthoval"
  : > "$dossier/Paul.bil"

  local debut fin pid visible cpu rss
  debut=$(date +%s%N)
  "$dossier/orthoval" >/dev/null 2>&1 &
  pid=$!
  visible=""
  for _ in $(seq 1000); do          # gives up after about 10 s
    if xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
      visible=1
      break
    fi
    sleep 0.01
  done
  fin=$(date +%s%N)
  cpu=$(processeur "$pid" 2>/dev/null || echo 0)
  if [ -z "$visible" ]; then
    kill "$pid" 2>/dev/null || true
    echo "$source: no visible window" >&2
    exit 1
  fi
  sleep 1
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$(( (fin - debut) / 1000000 )) $cpu $(awk -v k="$rss" 'BEGIN { printf "%.1f", k / 1024 }')"
}

temps=()
cpus=()
memoires=()
nues=()
cpusnues=()
textes=()
cpustextes=()
for i in $(seq "$essais"); do
  mesure=$(mesurer "$programme" "$travail/installation-$i")
  read -r ms cpu mo <<<"$mesure"
  mesure=$(mesurer "$nue" "$travail/nue-$i")
  read -r msnue cpunue _ <<<"$mesure"
  mesure=$(mesurer "$texte" "$travail/texte-$i")
  read -r mstexte cputexte _ <<<"$mesure"
  printf 'run %d: %4d ms to first window (%3d ms processor), %5s MB resident; bare %4d ms (%3d), with text %4d ms (%3d)\n' \
    "$i" "$ms" "$cpu" "$mo" "$msnue" "$cpunue" "$mstexte" "$cputexte"
  temps+=("$ms")
  cpus+=("$cpu")
  memoires+=("$mo")
  nues+=("$msnue")
  cpusnues+=("$cpunue")
  textes+=("$mstexte")
  cpustextes+=("$cputexte")
done

printf 'median over %d runs: %d ms to first window (%d ms processor), %s MB resident\n' "$essais" \
  "$(printf '%s\n' "${temps[@]}" | mediane)" "$(printf '%s\n' "${cpus[@]}" | mediane)" \
  "$(printf '%s\n' "${memoires[@]}" | mediane)"
m=$(printf '%s\n' "${temps[@]}" | mediane)
mn=$(printf '%s\n' "${nues[@]}" | mediane)
c=$(printf '%s\n' "${cpus[@]}" | mediane)
cn=$(printf '%s\n' "${cpusnues[@]}" | mediane)
mt=$(printf '%s\n' "${textes[@]}" | mediane)
ct=$(printf '%s\n' "${cpustextes[@]}" | mediane)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b ? a / b : 0 }'; }
printf 'bare Qt window median: %d ms (%d ms processor); ratio %s (processor %s)\n' "$mn" "$cn" \
  "$(ratio "$m" "$mn")" "$(ratio "$c" "$cn")"
printf 'window with text median: %d ms (%d ms processor); ratio %s (processor %s)\n' "$mt" "$ct" \
  "$(ratio "$m" "$mt")" "$(ratio "$c" "$ct")"
