#!/usr/bin/env bash
# A private CUPS server with one PDF queue, for tests that print for real.
#
# Sourced by scripts/test.sh; also runs a single command on its own:
#   scripts/cups-privato.sh ctest --test-dir build -R stampa
#
# Nothing is shared with the machine's CUPS or with another run started at
# the same time: the server's configuration, cache, spool and logs live in a
# fresh `mktemp -d` folder, it listens only on a unix socket in that folder
# (no network port), and it is stopped by its own PID.
#
# The queue "PDF" (the server's default) prints through cups-pdf, which
# writes every job into $PINNOLE_PDF_DIR as "<job title>-job_<job id>.pdf".
# A test that reads its print back:
#   - takes the CTest resource lock "cups-pdf" (RESOURCE_LOCK), so that no
#     other test of the same run prints while it waits for its files;
#   - lists $PINNOLE_PDF_DIR before printing and waits for the new files
#     (tests/StampaPdf.h does both).
#
# Exported for clients: CUPS_SERVER (the socket), PINNOLE_PDF_DIR, and
# PINNOLE_CUPS_LOG (the server's error log, worth reading when a job fails).
# cups-pdf must run as root, so this needs root.

cups_privato_avvia() {
  local log_dir=$1
  # Short: cups-pdf and the socket path have length limits.
  cups_dir=$(mktemp -d /tmp/pc.XXXXXX)
  # Filters run as the user lp and must reach the spool inside this folder.
  chmod 755 "$cups_dir"
  mkdir -p "$cups_dir"/{etc/ppd,cache,state,spool/tmp,log,pdf,sp,cl}
  mkdir -p "$log_dir"
  export PINNOLE_CUPS_LOG="$log_dir/cups-error.log"
  : >"$PINNOLE_CUPS_LOG"

  cat >"$cups_dir/etc/cupsd.conf" <<EOF
LogLevel warn
Listen $cups_dir/cups.sock
Browsing No
WebInterface No
DefaultPaperSize A4
DefaultShared No
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  cat >"$cups_dir/etc/cups-files.conf" <<EOF
ServerRoot $cups_dir/etc
CacheDir $cups_dir/cache
StateDir $cups_dir/state
RequestRoot $cups_dir/spool
TempDir $cups_dir/spool/tmp
AccessLog $cups_dir/log/access_log
ErrorLog $PINNOLE_CUPS_LOG
PageLog $cups_dir/log/page_log
SystemGroup root
Sandboxing Relaxed
EOF

  # cups-pdf reads its folders only from /etc/cups/cups-pdf.conf (a path
  # cannot come from the queue's PPD). The server therefore runs in a mount
  # namespace of its own, in which this run's settings file covers that one:
  # the machine's file and every other run stay untouched.
  cat >"$cups_dir/cups-pdf.conf" <<EOF
Out $cups_dir/pdf
AnonDirName $cups_dir/pdf
Spool $cups_dir/sp
Log $cups_dir/cl
Grp lp
Label 2
LogType 3
EOF
  unshare --mount --propagation private sh -c \
    'mount --bind "$1/cups-pdf.conf" /etc/cups/cups-pdf.conf &&
     exec /usr/sbin/cupsd -f -c "$1/etc/cupsd.conf" -s "$1/etc/cups-files.conf"' \
    cupsd "$cups_dir" >"$log_dir/cupsd.log" 2>&1 &
  cups_pid=$!
  export CUPS_SERVER="$cups_dir/cups.sock"
  local _
  for _ in $(seq 100); do
    [ -S "$CUPS_SERVER" ] && break
    sleep 0.05
  done
  if [ ! -S "$CUPS_SERVER" ]; then
    echo "cups-privato: the private CUPS server did not start, see $log_dir/cupsd.log" >&2
    return 1
  fi

  # The PDF jobs reach cups-pdf as PostScript made by pdftocairo, which keeps
  # the text's fonts readable: a test can read a printed page's words back
  # (the default renderer turns them into glyphs without their letters).
  lpadmin -p PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
    -o printer-is-shared=false -o pdftops-renderer-default=pdftocairo 2>>"$log_dir/cupsd.log"
  lpadmin -d PDF
  export PINNOLE_PDF_DIR="$cups_dir/pdf"
}

cups_privato_ferma() {
  if [ -n "${cups_pid:-}" ]; then
    kill "$cups_pid" 2>/dev/null || true
    wait "$cups_pid" 2>/dev/null || true
    cups_pid=""
  fi
  if [ -n "${cups_dir:-}" ]; then
    # cups-pdf's own log, kept beside the server's for a failed run.
    cat "$cups_dir"/cl/* >"$(dirname "$PINNOLE_CUPS_LOG")/cups-pdf.log" 2>/dev/null || true
    rm -rf "$cups_dir"
    cups_dir=""
  fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  cups_pid=""
  cups_dir=""
  trap cups_privato_ferma EXIT INT TERM
  cups_privato_avvia "${PINNOLE_TEST_LOGS:-$(pwd)/build/test-logs}"
  "$@"
fi
