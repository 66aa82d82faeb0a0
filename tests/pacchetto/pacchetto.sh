#!/usr/bin/env bash
# Builds the Debian package with dpkg-buildpackage from a copy of the source
# tree (the tracked files as they are now), checks it with lintian (no error,
# no warning) and checks what it holds and declares; installs it with dpkg
# into a throw-away root and starts the installed program there, by the
# launcher's Exec line, on a private X server: first as root, who picks
# English from the "Lingua" menu, then as an ordinary user. Afterwards the
# package's files must be unchanged (dpkg --verify, and no file added under
# /usr), root's choice must be in root's settings folder, and the ordinary
# user must start in Italian with no font copied and no notice shown.
# Last, installing again from the package's own build folder must leave that
# folder as it was.
#   pacchetto.sh <source tree>
set -euo pipefail
sorgente=$(cd "$1" && pwd)

lavoro=$(mktemp -d /tmp/pinnole-pacchetto.XXXXXX)
chmod 755 "$lavoro"
xvfb_pid=""
pinnole_pid=""
fine() {
  if [ -n "$pinnole_pid" ]; then kill "$pinnole_pid" 2>/dev/null || true; wait "$pinnole_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$lavoro"
}
trap fine EXIT INT TERM
errore() { echo "FAIL: $*" >&2; exit 1; }
inizio=$(date +%s)

# --- Build ------------------------------------------------------------------
albero=$lavoro/pinnole
mkdir -p "$albero"
git -C "$sorgente" ls-files -z --cached --others --exclude-standard | (cd "$sorgente" && tar --ignore-failed-read --null -T - -cf - 2>/dev/null) | tar -x -C "$albero"
# ccache (when installed) is shared with the developer's builds; paths under
# the copy are made relative so its objects are found again next time.
if command -v ccache >/dev/null; then
  export CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)} CCACHE_BASEDIR=$albero
fi
(cd "$albero" && dpkg-buildpackage -us -uc -b) >"$lavoro/dpkg-buildpackage.log" 2>&1 \
  || { tail -n 60 "$lavoro/dpkg-buildpackage.log" >&2; errore "dpkg-buildpackage failed"; }
deb=$(ls "$lavoro"/pinnole_*_amd64.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || errore "no pinnole_*.deb was built"
ls "$lavoro"/pinnole-dbgsym_*.deb >/dev/null 2>&1 || errore "no pinnole-dbgsym package was built"
echo "built $(basename "$deb") in $(( $(date +%s) - inizio )) s"

# Only the program: no test, tool or benchmark was built for the package.
for estraneo in tst_avvio schermate frasi demo-casa bench_avvio fuzz_lingua; do
  [ ! -e "$albero/obj-x86_64-linux-gnu/$estraneo" ] && [ ! -e "$albero/obj-x86_64-linux-gnu/tests/$estraneo" ] \
    || errore "the package build made $estraneo"
done
grep -q -- '-D_FORTIFY_SOURCE=2' "$lavoro/dpkg-buildpackage.log" || errore "the build flags lack fortify"

# --- lintian ------------------------------------------------------------------
lintian "$lavoro"/pinnole_*_amd64.changes >"$lavoro/lintian.log" 2>&1 || true
echo "lintian:"; sed 's/^/  /' "$lavoro/lintian.log"
if grep -E '^(E|W): ' "$lavoro/lintian.log"; then errore "lintian reports errors or warnings"; fi

# --- What the package declares and holds ------------------------------------
dipendenze=$(dpkg-deb -f "$deb" Depends)
for pacchetto in libqt6widgets6 libqt6svg6 libqt6multimedia6 libqt6charts6 libqt6printsupport6 libespeak-ng1 libcups2 \
    espeak-ng-data fonts-ecolier-court fonts-liberation2 fonts-urw-base35 fonts-dejavu-core \
    qt6-translations-l10n libqt6sql6-sqlite; do
  grep -qE "(^|, )$pacchetto( |,|$)" <<<"$dipendenze" || errore "Depends lacks $pacchetto: $dipendenze"
done
doppi=$(tr ',' '\n' <<<"$dipendenze" | sed 's/^ *//; s/ .*//' | sort | uniq -d)
[ -z "$doppi" ] || errore "Depends names $doppi more than once"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || errore "section is not education"
echo "installed size: $(dpkg-deb -f "$deb" Installed-Size) KiB; Depends: $dipendenze"

radice=$lavoro/radice
mkdir -p "$radice/var/lib/dpkg/info" "$radice/var/lib/dpkg/updates"
touch "$radice/var/lib/dpkg/status" "$radice/var/lib/dpkg/available"
dpkg --root="$radice" --force-depends -i "$deb" >"$lavoro/dpkg.log" 2>&1 \
  || { cat "$lavoro/dpkg.log" >&2; errore "dpkg --root -i failed"; }
for file in usr/bin/pinnole usr/share/pinnole/lngpinnole/Italiano.lng usr/share/pinnole/lngpinnole/LangSetting.ini \
    usr/share/pinnole/swf/pinnole1.svg usr/share/pinnole/pinnole.pdf usr/share/man/man6/pinnole.6.gz \
    usr/share/doc/pinnole/copyright usr/share/applications/example.vermilo.pinnole.desktop \
    usr/share/metainfo/example.vermilo.pinnole.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/example.vermilo.pinnole.svg \
    usr/share/icons/hicolor/48x48/apps/example.vermilo.pinnole.png \
    usr/lib/x86_64-linux-gnu/pinnole/pinnole-audio.so usr/lib/x86_64-linux-gnu/pinnole/pinnole-progressi.so; do
  [ -s "$radice/$file" ] || errore "the package lacks $file"
done
[ ! -e "$radice/usr/share/pinnole/indis1.ttf" ] || errore "the package carries a copy of the cursive font"
file -L "$radice/usr/bin/pinnole" | grep -q ", stripped" || errore "the program is not stripped"
file "$radice/usr/share/icons/hicolor/48x48/apps/example.vermilo.pinnole.png" | grep -q "48 x 48" \
  || errore "the 48x48 icon is not 48 x 48"
desktop-file-validate "$radice/usr/share/applications/example.vermilo.pinnole.desktop" \
  || errore "desktop-file-validate"
appstreamcli validate --no-net "$radice/usr/share/metainfo/example.vermilo.pinnole.metainfo.xml" \
  >"$lavoro/appstream.log" 2>&1 || { cat "$lavoro/appstream.log" >&2; errore "appstreamcli validate"; }
find "$radice/usr" | sort >"$lavoro/usr-prima.txt"

# --- The installed program, started as root and as an ordinary user ----------
exec 3>"$lavoro/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$lavoro/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$lavoro/display" ] && break; sleep 0.1; done
[ -s "$lavoro/display" ] || errore "Xvfb did not start"
display=:$(head -n1 "$lavoro/display")
export DISPLAY=$display
comando=$(sed -n 's/^Exec=//p' "$radice/usr/share/applications/example.vermilo.pinnole.desktop")

# The visible top-level window named Pinnole at least that wide, else empty;
# a narrower one is a message box.
finestra_larga() {
  local f larghezza
  for f in $(xdotool search --onlyvisible --name '^Pinnole$' 2>/dev/null); do
    larghezza=$(xwininfo -id "$f" 2>/dev/null | awk '/Width:/{print $2}')
    if [ "${larghezza:-0}" -ge "$1" ]; then echo "$f"; return; fi
    echo "FAIL: a message before the splash: $(xwininfo -id "$f" | head -n 3)" >&2
    return 1
  done
}

# avvia <home> <who: root|user>: starts the launcher's command with a fresh
# home and waits for the splash, whose window id goes to $splash.
splash=""
avvia() {
  local casa=$1 chi=$2
  splash=""
  local prefisso=()
  [ "$chi" = user ] && prefisso=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  "${prefisso[@]}" env -i PATH="$radice/usr/bin:/usr/bin:/bin" HOME="$casa" DISPLAY="$display" \
    LANG=C.UTF-8 $comando >"$lavoro/pinnole-$chi.log" 2>&1 &
  pinnole_pid=$!
  for _ in $(seq 150); do
    kill -0 "$pinnole_pid" 2>/dev/null || { cat "$lavoro/pinnole-$chi.log" >&2; errore "the program ended ($chi)"; }
    splash=$(finestra_larga 500) || exit 1
    [ -n "$splash" ] && break
    sleep 0.2
  done
  [ -n "$splash" ] || { cat "$lavoro/pinnole-$chi.log" >&2; errore "no splash window ($chi)"; }
}

ferma() {
  kill "$pinnole_pid" 2>/dev/null || true
  wait "$pinnole_pid" 2>/dev/null || true
  pinnole_pid=""
}

# Root: splash, Enter opens the menu, "Lingua" > "English".
casa_root=$lavoro/casa-root
mkdir -p "$casa_root"
avvia "$casa_root" root
xdotool windowactivate --sync "$splash" key Return 2>/dev/null || xdotool key --window "$splash" Return
menu=""
for _ in $(seq 100); do
  for f in $(xdotool search --onlyvisible --name '^Pinnole' 2>/dev/null); do
    [ "$f" != "$splash" ] && [ "$(xwininfo -id "$f" | awk '/Width:/{print $2}')" -ge 1000 ] && menu=$f
  done
  [ -n "$menu" ] && break
  sleep 0.1
done
[ -n "$menu" ] || errore "the menu did not open"
# Once the splash is up the installed program opens its sound module, and
# the module links against the installed, stripped program.
for _ in $(seq 50); do grep -q pinnole-audio.so "/proc/$pinnole_pid/maps" && break; sleep 0.1; done
grep -q "$radice/usr/lib/x86_64-linux-gnu/pinnole/pinnole-audio.so" "/proc/$pinnole_pid/maps" \
  || { cat "$lavoro/pinnole-root.log" >&2; errore "the installed program did not open its sound module"; }
! grep -q "Module" "$lavoro/pinnole-root.log" || errore "a module failed: $(grep Module "$lavoro/pinnole-root.log")"
scelta=$casa_root/.config/ImpostazioniProgrammiVermilo/pinnole/lngpinnole/LangSetting.ini
# From the keyboard, wherever the captions put it: Alt enters the menu bar,
# Left wraps round to its last menu, "Lingua", Down opens it on its first
# entry, English.
for _ in $(seq 5); do
  xdotool windowactivate --sync "$menu" 2>/dev/null || true
  for tasto in alt Left Down Return; do
    xdotool key "$tasto"
    sleep 0.4
  done
  sleep 0.5
  grep -qs "CurrentLanguage=English" "$scelta" && break
done
grep -qs "CurrentLanguage=English" "$scelta" || errore "root's choice of English is not in root's settings folder"
ferma
[ ! -e "$casa_root/.local/share/fonts/indis1.ttf" ] || errore "the cursive font was copied for root"

# An ordinary user after root: Italian, no font copy, no notice.
casa_utente=$lavoro/casa-utente
mkdir -p "$casa_utente"
chown 65534:65534 "$casa_utente"
avvia "$casa_utente" user
sleep 1
finestra_larga 500 >/dev/null || exit 1
ferma
[ -d "$casa_utente/.config/ImpostazioniProgrammiVermilo/pinnole/dati" ] || errore "no settings folders for the user"
[ ! -e "$casa_utente/.local/share/fonts/indis1.ttf" ] || errore "the cursive font was copied for the user"
[ ! -e "$casa_utente/.config/ImpostazioniProgrammiVermilo/pinnole/lngpinnole/LangSetting.ini" ] \
  || errore "the user has a language choice of its own without having made one"
grep -q "CurrentLanguage=Italiano" "$radice/usr/share/pinnole/lngpinnole/LangSetting.ini" \
  || errore "the shipped language choice changed"

# --- The package's files are untouched ----------------------------------------
verifica=$(dpkg --root="$radice" --verify pinnole 2>&1 || true)
[ -z "$verifica" ] || errore "dpkg --verify: $verifica"
find "$radice/usr" | sort >"$lavoro/usr-dopo.txt"
diff -u "$lavoro/usr-prima.txt" "$lavoro/usr-dopo.txt" || errore "files appeared or vanished under /usr"
echo "dpkg --verify clean after root and a user ran the installed program"

# --- Installing again leaves the package's build folder as it was -------------
obj=$albero/obj-x86_64-linux-gnu
impronta() { (cd "$obj" && find . -path ./Testing -prune -o -type f -printf '%p %s %T@\n' | sort); }
impronta >"$lavoro/obj-prima.txt"
[ ! -e "$obj/install_manifest.txt" ] || errore "the package build wrote install_manifest.txt"
make -C "$obj" install DESTDIR="$lavoro/di-nuovo" >"$lavoro/make-install.log" 2>&1 \
  || { tail -n 30 "$lavoro/make-install.log" >&2; errore "make install failed"; }
cmake --install "$obj" --prefix "$lavoro/prefisso" >"$lavoro/cmake-install.log" 2>&1 \
  || { cat "$lavoro/cmake-install.log" >&2; errore "cmake --install failed"; }
impronta >"$lavoro/obj-dopo.txt"
diff -u "$lavoro/obj-prima.txt" "$lavoro/obj-dopo.txt" || errore "installing changed the build folder"
[ -x "$lavoro/prefisso/bin/pinnole" ] || errore "cmake --install installed no program"
echo "ui-pacchetto took $(( $(date +%s) - inizio )) s"
