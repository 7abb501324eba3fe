#!/usr/bin/env bash
# Runs the dataset benchmark on a throwaway PostgreSQL cluster and stops the cluster again.
#   bench/run.sh [benchmark options...]       e.g. --benchmark_filter=Sort
# The build directory is build/ unless VELTRO_BUILD_DIR names another; the benchmark is built
# there when missing. The cluster gets the real schema as template when db/schema.sql exists.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRO_BUILD_DIR:-$root/build}
if [ ! -x "$build/bench/bench_dataset" ]; then
  [ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target bench_dataset
fi
cluster=$(mktemp -d "${TMPDIR:-/tmp}/veltro-bench.XXXXXX")
"$root/scripts/pg.sh" start "$cluster"
trap '"$root/scripts/pg.sh" stop "$cluster"; rm -rf "$cluster"' EXIT
if [ -f "$root/db/schema.sql" ]; then
  "$root/scripts/db-init.sh" "$cluster" veltro_template
fi
VELTRO_PGHOST=$cluster/socket "$build/bench/bench_dataset" "$@"
