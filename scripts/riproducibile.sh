#!/usr/bin/env bash
# Builds the Debian package twice from the same commit, in two different
# folders, and checks that the two builds are byte-identical (the package,
# its debug symbols and the .buildinfo's checksums). dpkg-buildpackage takes
# SOURCE_DATE_EPOCH from debian/changelog.
#   scripts/riproducibile.sh [commit]     (default: HEAD)
set -euo pipefail
cd "$(dirname "$0")/.."
commit=${1:-HEAD}

lavoro=$(mktemp -d /tmp/pinnole-riproducibile.XXXXXX)
trap 'rm -rf "$lavoro"' EXIT INT TERM

costruisci() { # <n>
  local albero=$lavoro/$1/pinnole
  mkdir -p "$albero"
  git archive "$commit" | tar -x -C "$albero"
  if command -v ccache >/dev/null; then
    export CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)} CCACHE_BASEDIR=$albero
  fi
  (cd "$albero" && dpkg-buildpackage -us -uc -b) >"$lavoro/$1.log" 2>&1 \
    || { tail -n 40 "$lavoro/$1.log" >&2; echo "riproducibile: build $1 failed" >&2; exit 1; }
}

costruisci 1
costruisci 2
diversi=0
for primo in "$lavoro"/1/*.deb; do
  nome=$(basename "$primo")
  secondo=$lavoro/2/$nome
  if cmp "$primo" "$secondo"; then
    echo "identical: $nome ($(sha256sum <"$primo" | cut -c1-16))"
  else
    diversi=1
    # Name the files that differ inside the two packages.
    mkdir -p "$lavoro/x1/$nome" "$lavoro/x2/$nome"
    dpkg-deb -R "$primo" "$lavoro/x1/$nome"
    dpkg-deb -R "$secondo" "$lavoro/x2/$nome"
    diff -rq "$lavoro/x1/$nome" "$lavoro/x2/$nome" || true
    if command -v diffoscope >/dev/null; then diffoscope "$primo" "$secondo" || true; fi
  fi
done
[ "$diversi" = 0 ] || { echo "riproducibile: the two builds differ" >&2; exit 1; }
echo "two builds of $(git rev-parse --short "$commit") are byte-identical"
