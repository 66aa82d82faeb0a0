#!/usr/bin/env bash
# Runs a test program with PINNOLE_DISCO_PIENO naming an empty file system of
# its own (tmpfs, 64 KB unless PINNOLE_DISCO_KB says otherwise), mounted in a private mount namespace: nobody else
# sees it, and it goes with the namespace when the program ends, also on
# failure.
#
#   con-disco-pieno.sh program [arguments...]
set -euo pipefail
dir=$(mktemp -d /tmp/pinnole-disco.XXXXXX)
trap 'rm -rf "$dir"' EXIT
if [ "$(id -u)" -eq 0 ]; then ns=(unshare --mount); else ns=(unshare --map-root-user --mount); fi
"${ns[@]}" sh -c 'mount -t tmpfs -o size=${PINNOLE_DISCO_KB:-64}k pinnole-disco "$0" && PINNOLE_DISCO_PIENO="$0" exec "$@"' "$dir" "$@"
