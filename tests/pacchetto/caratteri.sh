#!/usr/bin/env bash
# The splash and the menu lay their texts out alike on a machine that has
# only the fonts the package declares: righe_menu is run on a private X
# server with the machine's fonts, with a fontconfig that sees only the font
# files of the fonts-* packages in the package's Depends, and with one that
# sees DejaVu alone (a clean system without them). The first two must give
# the same captions' line counts, title size and faces at both screen sizes;
# the third must differ, or the comparison could not see a missing face.
#   caratteri.sh <righe_menu> <con-xvfb.sh> <debian/control>
set -euo pipefail
righe=$1
con_xvfb=$2
controllo=$3

lavoro=$(mktemp -d /tmp/pinnole-caratteri.XXXXXX)
trap 'rm -rf "$lavoro"' EXIT INT TERM
errore() { echo "FAIL: $*" >&2; exit 1; }

# The fonts-* packages of the binary package's Depends (continuation lines included).
dichiarati=$(awk '/^Package: pinnole$/{p=1} p&&/^Depends:/{d=1; print; next} d&&/^ /{print; next} {d=0}' "$controllo" \
  | grep -o 'fonts-[a-z0-9.+-]*' | sort -u)
[ -n "$dichiarati" ] || errore "no fonts-* package in the Depends of $controllo"
echo "declared fonts: $(echo $dichiarati)"

# A fontconfig that scans only the given packages' font folders, with the
# system's rules (aliases included) but not its list of folders.
configura() {
  local file=$1; shift
  {
    echo '<?xml version="1.0"?>'
    echo '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
    echo '<fontconfig>'
    for pacchetto in "$@"; do
      dpkg -L "$pacchetto" | grep -E '\.(ttf|otf|pfb|t1)$' | xargs -r -n1 dirname | sort -u \
        | sed 's|.*|  <dir>&</dir>|'
    done
    echo "  <cachedir>$lavoro/cache</cachedir>"
    echo '  <include ignore_missing="yes">/etc/fonts/conf.d</include>'
    echo '</fontconfig>'
  } >"$file"
}
# shellcheck disable=SC2086
configura "$lavoro/dichiarati.conf" $dichiarati
configura "$lavoro/dejavu.conf" fonts-dejavu-core

mkdir -p "$lavoro/casa"
esegui() { # <name> <size> [fontconfig file]
  local nome=$1 misura=$2 conf=${3:-}
  (
    export HOME=$lavoro/casa XDG_DATA_HOME=$lavoro/casa/dati PINNOLE_X_LOGS=$lavoro
    [ -n "$conf" ] && export FONTCONFIG_FILE=$conf
    "$con_xvfb" --size="$misura" "$righe"
  ) >"$lavoro/$nome-$misura.txt" 2>"$lavoro/$nome-$misura.err" \
    || { cat "$lavoro/$nome-$misura.err" >&2; errore "righe_menu failed ($nome, $misura)"; }
  [ "$(wc -l <"$lavoro/$nome-$misura.txt")" -ge 10 ] || errore "righe_menu printed too little ($nome, $misura)"
}

for misura in 1024x768 1920x1080; do
  esegui normale "$misura"
  esegui dichiarati "$misura" "$lavoro/dichiarati.conf"
  esegui dejavu "$misura" "$lavoro/dejavu.conf"
  echo "== $misura, the machine's fonts:"
  cat "$lavoro/normale-$misura.txt"
  diff -u "$lavoro/normale-$misura.txt" "$lavoro/dichiarati-$misura.txt" \
    || errore "with only the declared fonts the layout differs at $misura"
  if cmp -s "$lavoro/normale-$misura.txt" "$lavoro/dejavu-$misura.txt"; then
    errore "DejaVu alone gives the same layout at $misura: the comparison cannot see a missing face"
  fi
  echo "-- with DejaVu alone (what the package must not leave to chance):"
  diff "$lavoro/normale-$misura.txt" "$lavoro/dejavu-$misura.txt" | grep '^>' || true
done
echo "the declared fonts give the machine's layout at both sizes"
