# Shared by scripts/run and scripts/test: Debian packages and the build.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  libsndfile1-dev libbenchmark-dev
  espeak-ng libespeak-ng-dev wfrench
  fonts-comic-neue fonts-sil-andika fonts-urw-base35 fonts-dejavu-core fontconfig
  fonts-opendyslexic fonts-ecolier-court fonts-ecolier-lignes-court
  xvfb xauth xdotool imagemagick poppler-utils
  pulseaudio pulseaudio-utils
  clang libclang-rt-14-dev
  dpkg-dev desktop-file-utils appstream lintian
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# build DIR [cmake options...]
build() {
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
