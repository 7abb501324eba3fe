#!/usr/bin/env bash
# Runs the whole test suite on a fresh machine: installs what is missing, builds, starts a
# throwaway PostgreSQL cluster, loads the template and demo databases, runs CTest, stops the cluster.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh
cluster=$root/build/pgtest
scripts/pg.sh stop "$cluster" 2>/dev/null || true
rm -rf "$cluster"
scripts/pg.sh start "$cluster"
trap '"$root/scripts/pg.sh" stop "$cluster"' EXIT
scripts/db-init.sh "$cluster" veltro_template
scripts/db-init.sh "$cluster" veltro_demo demo
export VELTRO_PGHOST=$cluster/socket
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$cluster/runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cd build
ctest --output-on-failure -j "$(nproc)" "$@"
