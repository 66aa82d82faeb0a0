#!/bin/sh
# Runs a test as an ordinary user when it is started as root: file
# permissions do not stop root, so the tests of folders the user cannot
# write would otherwise prove nothing. The runtime folder of the caller is
# not the ordinary user's to use.
if [ "$(id -u)" = 0 ]; then
  exec env -u XDG_RUNTIME_DIR setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
fi
exec "$@"
