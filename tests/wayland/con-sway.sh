#!/usr/bin/env bash
# Runs the real program under a headless Wayland compositor (sway, 1920x1080)
# and drives it with a virtual keyboard, as a keyboard user and as a
# two-switch user would: the menu, a held switch, the picture for colouring
# (Ctrl+P, Alt+E), the print window and a question box, all by keys. The
# program says what it did on its standard error (PINNOLE_TRACCIA); the
# checks wait for those lines. Screenshots of every window go to the log
# folder.
#
#   [PINNOLE_SWAY_RISOLUZIONE=WxH] con-sway.sh wayland|xcb PROGRAM KEYBOARD LOG_FOLDER
#
# wayland runs the program natively, xcb through the compositor's XWayland.
# sway refuses to run as root: as root the script makes (or reuses) the
# ordinary user pinnole-prova and runs everything as that user. The
# compositor is stopped by its PID when the run ends, also on failure.
set -uo pipefail

piattaforma=$1
programma=$2
tastiera=$3
logs=$4
mkdir -p "$logs"
prefisso="$logs/sway-$piattaforma"

salta() {
  echo "con-sway: skipped: $*"
  exit 0
}
fallisci() {
  echo "con-sway: FAILED ($piattaforma): $*" >&2
  if [ -f "$dir/programma.log" ]; then
    echo "--- last lines of the program's account:" >&2
    tail -n 40 "$dir/programma.log" >&2
  fi
  exit 1
}

command -v sway >/dev/null || salta "sway is not installed"
command -v setpriv >/dev/null || salta "setpriv is not installed"

dir=$(mktemp -d /tmp/pinnole-sway.XXXXXX)
chmod 755 "$dir"
sway_pid=""
programma_pid=""
tastiera_pid=""
cleanup() {
  if [ -n "$tastiera_pid" ]; then kill "$tastiera_pid" 2>/dev/null; wait "$tastiera_pid" 2>/dev/null; fi
  if [ -n "$programma_pid" ]; then kill "$programma_pid" 2>/dev/null; wait "$programma_pid" 2>/dev/null; fi
  if [ -n "$sway_pid" ]; then kill "$sway_pid" 2>/dev/null; wait "$sway_pid" 2>/dev/null; fi
  [ -f "$dir/programma.log" ] && cp "$dir/programma.log" "$prefisso-programma.log"
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Who runs the compositor and the program.
come=()
if [ "$(id -u)" = 0 ]; then
  utente=pinnole-prova
  if ! id "$utente" >/dev/null 2>&1; then
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$utente" \
      || salta "the user $utente could not be made"
  fi
  come=(setpriv --reuid="$(id -u "$utente")" --regid="$(id -g "$utente")" --init-groups)
  chown "$utente:" "$dir"
fi
# Everything the user touches is under $dir; the program and the keyboard
# are read where they were built.
mkdir -p "$dir/casa" "$dir/run" "$dir/config"
chmod 700 "$dir/run"
[ "$(id -u)" = 0 ] && chown -R "$utente:" "$dir/casa" "$dir/run" "$dir/config"
ambiente=(env -i PATH=/usr/bin:/bin HOME="$dir/casa" XDG_RUNTIME_DIR="$dir/run" LANG=C.UTF-8)

cat >"$dir/sway.conf" <<EOF
output HEADLESS-1 resolution ${PINNOLE_SWAY_RISOLUZIONE:-1920x1080} position 0 0
xwayland force
exec sh -c 'echo "\$DISPLAY" > $dir/run/display'
EOF

"${come[@]}" "${ambiente[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway -c "$dir/sway.conf" >"$prefisso-compositore.log" 2>&1 &
sway_pid=$!
socket=""
for _ in $(seq 100); do
  socket=$(cd "$dir/run" && ls wayland-* 2>/dev/null | grep -v lock | head -n1)
  [ -n "$socket" ] && [ -s "$dir/run/display" ] && break
  kill -0 "$sway_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$socket" ] || ! kill -0 "$sway_pid" 2>/dev/null; then
  salta "the compositor did not start (see $prefisso-compositore.log)"
fi
if [ "$piattaforma" = xcb ] && [ ! -s "$dir/run/display" ]; then
  salta "the compositor started no XWayland"
fi
wayland=(WAYLAND_DISPLAY="$socket")

# The virtual keyboard: commands in, "ok" out, one per line.
mkfifo "$dir/comandi" "$dir/risposte"
"${come[@]}" "${ambiente[@]}" "${wayland[@]}" "$tastiera" <"$dir/comandi" >"$dir/risposte" 2>"$prefisso-tastiera.log" &
tastiera_pid=$!
# Opened for reading and writing, so neither end waits for a keyboard that
# failed to start; the first answer then times out instead.
exec 3<>"$dir/comandi" 4<>"$dir/risposte"
read -r -t 10 pronta <&4 || fallisci "the virtual keyboard did not start"
[ "$pronta" = pronta ] || fallisci "the virtual keyboard: $pronta"

manda() {
  echo "$1" >&3
  local risposta
  read -r -t 20 risposta <&4 || fallisci "the virtual keyboard did not answer '$1'"
  [ "$risposta" = ok ] || fallisci "the virtual keyboard refused '$1': $risposta"
}

# Waits for a line of the account, after the one the last wait found.
letto=0
attendi() {
  local modello=$1 secondi=${2:-15} riga
  for _ in $(seq $((secondi * 20))); do
    riga=$(tail -n +$((letto + 1)) "$dir/programma.log" 2>/dev/null | grep -n -m1 -E "^traccia: ($modello)" | cut -d: -f1)
    if [ -n "$riga" ]; then
      letto=$((letto + riga))
      return 0
    fi
    sleep 0.05
  done
  fallisci "no '$modello' within $secondi s"
}
# Fails when a line matching the pattern came after the last wait.
mai() {
  if tail -n +$((letto + 1)) "$dir/programma.log" | grep -q -E "^traccia: ($1)"; then
    fallisci "unexpected: $(tail -n +$((letto + 1)) "$dir/programma.log" | grep -m1 -E "^traccia: ($1)")"
  fi
}

# The compositor's own view of its windows (for a failure's report).
albero() {
  local presa
  presa=$(ls "$dir/run"/sway-ipc.*.sock 2>/dev/null | head -n1)
  [ -n "$presa" ] && "${come[@]}" "${ambiente[@]}" SWAYSOCK="$presa" swaymsg -t get_tree 2>&1
}

schermata() {
  command -v grim >/dev/null || return 0
  "${come[@]}" "${ambiente[@]}" "${wayland[@]}" grim "$dir/run/schermata.png" 2>/dev/null \
    && cp "$dir/run/schermata.png" "$prefisso-$1.png"
}

# The default user's settings with the input mode asked for: no speech or
# sounds (no sound server here), everything else as a new user has it.
impostazioni() {
  local cartella="$dir/config/ImpostazioniProgrammiVermilo/pinnole"
  mkdir -p "$cartella"
  printf '%s\r\n' " 130 " " 100 " False False True Arial " 14 " False False " $1 " " 4 " \
    FFFFCC sfondo sfondo sfondo sfondo 00FF00 verde verdi verde verdi FF0000 rosso rossi rossa rosse \
    0000FF blu blu blu blu FFFF00 giallo gialli gialla gialle " 16777088 " minuscolo arial arial " 24 " \
    "-2147483630 " "-2147483633 " True " 255 " " 16777215 " False False "{it}" Merlin \
    >"$cartella/_predefinito.INI"
  [ "$(id -u)" = 0 ] && chown -R "$utente:" "$dir/config"
}

avvia() {
  impostazioni "$1"
  [ -f "$dir/programma.log" ] && cat "$dir/programma.log" >>"$dir/programmi-precedenti.log"
  : >"$dir/programma.log"
  letto=0
  local display=()
  [ "$piattaforma" = xcb ] && display=(DISPLAY="$(cat "$dir/run/display")")
  "${come[@]}" "${ambiente[@]}" "${wayland[@]}" "${display[@]}" QT_QPA_PLATFORM="$piattaforma" \
    XDG_CONFIG_HOME="$dir/config" PINNOLE_TRACCIA=1 "$programma" >>"$dir/programma.log" 2>&1 &
  programma_pid=$!
  attendi "piattaforma $piattaforma"
  attendi 'fuoco FormAvvio' 20
  schermata avvio
  manda "batti Return"
  attendi 'fuoco FormMenu'
}

# Leaves the program from the menu's last button, as a child would.
chiudi() {
  local i=0
  while kill -0 "$programma_pid" 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
  kill -0 "$programma_pid" 2>/dev/null && fallisci "the program did not end from the menu's last button"
  wait "$programma_pid"
  local esito=$?
  programma_pid=""
  [ $esito = 0 ] || fallisci "the program ended with $esito"
}

. "$(dirname "$0")/scenari-sway.sh"
echo "con-sway: $piattaforma passed"
