#!/usr/bin/env bash
# Installs what is needed, builds Pinnole and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/pinnole
