#!/usr/bin/env bash
# Makes resources/langue/orthographe-1990.txt again: the traditional and the
# 1990 reformed spelling of every form of Debian's wfrench list that the two
# differ on, from Debian's French dictionaries made for this,
# hunspell-fr-classical and hunspell-fr-revised; and
# resources/langue/formes-ecartees.txt, the forms the homophone index leaves
# out (see orthographe.cpp). The two packages cannot be installed together,
# so both are downloaded and unpacked in a throwaway folder; the tables are
# kept in the sources and the build only reads them.
#   tools/orthographe/regenerer.sh     (needs wfrench, libhunspell-dev, g++)
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
liste=/usr/share/dict/french
sortie="$racine/resources/langue/orthographe-1990.txt"
ecartees="$racine/resources/langue/formes-ecartees.txt"
[ -r "$liste" ] || { echo "$liste is missing: apt-get install wfrench" >&2; exit 1; }
pkg-config --exists hunspell || { echo "libhunspell is missing: apt-get install libhunspell-dev" >&2; exit 1; }

travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
cd "$travail"
apt-get download -q hunspell-fr-classical hunspell-fr-revised
for paquet in hunspell-fr-classical hunspell-fr-revised; do
  dpkg-deb -x "$paquet"_*.deb "$paquet"
  echo "$paquet $(dpkg-deb -f "$paquet"_*.deb Version)" >>versions
done
# shellcheck disable=SC2046  # pkg-config gives several words on purpose
g++ -O2 -std=c++20 -Wall -Wextra "$racine/tools/orthographe/orthographe.cpp" -o orthographe $(pkg-config --cflags --libs hunspell)
dico() { echo "$1/usr/share/hunspell/fr.aff" "$1/usr/share/hunspell/fr.dic"; }
# shellcheck disable=SC2046
./orthographe "$liste" $(dico hunspell-fr-classical) $(dico hunspell-fr-revised) paires formes
origine() {
  echo "# Made by tools/orthographe/regenerer.sh from wfrench $(dpkg-query -W -f='${Version}' wfrench),"
  sed 's/^/# /' versions
}
{
  echo "# French spellings before and after the 1990 rectifications: traditional, a tab, reformed."
  origine
  cat paires
} >"$sortie.tmp"
{
  echo "# Forms of wfrench the homophone index leaves out: refused by hunspell-fr-classical,"
  echo "# or only a passé simple or an imparfait du subjonctif."
  origine
  cat formes
} >"$ecartees.tmp"
mv "$sortie.tmp" "$sortie"
mv "$ecartees.tmp" "$ecartees"
echo "$(wc -l <paires) pairs in $sortie, $(wc -l <formes) forms in $ecartees"
