#!/usr/bin/env bash
# Builds the Debian package with CPack, unpacks it into a temporary root and
# starts the unpacked program on a private X server with a fresh home: it must
# find its program folder there (it installs the cursive font from it on a
# first run) and show its splash. Also checks what the package holds and
# validates the launcher and the metadata.
#   pacchetto.sh <cpack> <CPackConfig.cmake>
set -euo pipefail
cpack=$1
config=$2

lavoro=$(mktemp -d /tmp/pinnole-pacchetto.XXXXXX)
xvfb_pid=""
pinnole_pid=""
fine() {
  if [ -n "$pinnole_pid" ]; then kill "$pinnole_pid" 2>/dev/null || true; wait "$pinnole_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$lavoro"
}
trap fine EXIT INT TERM
errore() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$config" -B "$lavoro/pacchetti" >"$lavoro/cpack.log" 2>&1 \
  || { cat "$lavoro/cpack.log" >&2; errore "cpack failed"; }
deb=$(ls "$lavoro"/pacchetti/pinnole_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || errore "no pinnole_*.deb was built"

dipendenze=$(dpkg-deb -f "$deb" Depends)
for pacchetto in libqt6widgets6 libqt6svg6 libqt6multimedia6 libqt6printsupport6 libespeak-ng1 \
    espeak-ng-data fonts-ecolier-court libpulse0 libcups2 qt6-translations-l10n; do
  grep -q "$pacchetto" <<<"$dipendenze" || errore "Depends lacks $pacchetto: $dipendenze"
done
[ "$(dpkg-deb -f "$deb" Section)" = education ] || errore "section is not education"

radice=$lavoro/radice
dpkg-deb -x "$deb" "$radice"
for file in usr/bin/pinnole usr/share/pinnole/lngpinnole/Italiano.lng usr/share/pinnole/indis1.ttf \
    usr/share/pinnole/swf/pinnole1.svg usr/share/pinnole/pinnole.pdf \
    usr/share/applications/example.vermilo.pinnole.desktop \
    usr/share/metainfo/example.vermilo.pinnole.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/example.vermilo.pinnole.svg \
    usr/share/icons/hicolor/16x16/apps/example.vermilo.pinnole.png \
    usr/share/icons/hicolor/48x48/apps/example.vermilo.pinnole.png \
    usr/share/icons/hicolor/256x256/apps/example.vermilo.pinnole.png; do
  [ -s "$radice/$file" ] || errore "the package lacks $file"
done
file "$radice/usr/share/icons/hicolor/48x48/apps/example.vermilo.pinnole.png" | grep -q "48 x 48" \
  || errore "the 48x48 icon is not 48 x 48"
desktop-file-validate "$radice/usr/share/applications/example.vermilo.pinnole.desktop" \
  || errore "desktop-file-validate"
appstreamcli validate --no-net "$radice/usr/share/metainfo/example.vermilo.pinnole.metainfo.xml" \
  || errore "appstreamcli validate"

# A private X server on a display number of its own choosing.
exec 3>"$lavoro/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$lavoro/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$lavoro/display" ] && break; sleep 0.1; done
[ -s "$lavoro/display" ] || errore "Xvfb did not start"
display=:$(head -n1 "$lavoro/display")

casa=$lavoro/casa
mkdir -p "$casa"
env -i PATH=/usr/bin:/bin HOME="$casa" DISPLAY="$display" "$radice/usr/bin/pinnole" \
  >"$lavoro/pinnole.log" 2>&1 &
pinnole_pid=$!

# First run in a fresh home: the font comes from the program folder, then its
# message is answered, then the splash shows.
splash=""
for _ in $(seq 150); do
  kill -0 "$pinnole_pid" 2>/dev/null || { cat "$lavoro/pinnole.log" >&2; errore "the program ended"; }
  for finestra in $(DISPLAY=$display xdotool search --onlyvisible --name '^Pinnole$' 2>/dev/null); do
    larghezza=$(DISPLAY=$display xwininfo -id "$finestra" | awk '/Width:/{print $2}')
    if [ "${larghezza:-0}" -ge 500 ]; then
      splash=$finestra
    else
      DISPLAY=$display xdotool key --window "$finestra" Return 2>/dev/null || true
    fi
  done
  [ -n "$splash" ] && break
  sleep 0.2
done
[ -n "$splash" ] || { cat "$lavoro/pinnole.log" >&2; errore "no splash window"; }
[ -s "$casa/.local/share/fonts/indis1.ttf" ] || errore "the program folder was not found (no font installed)"
[ -d "$casa/.config/ImpostazioniProgrammiVermilo/pinnole/dati" ] || errore "no settings folders"
echo "splash shown by the unpacked program ($(basename "$deb"))"
