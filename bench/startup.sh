#!/usr/bin/env bash
# Start-up to the login window against an empty Qt program, measured in the same run: the median
# of N runs of each (whole processes, wall clock), and their ratio.
#   bench/startup.sh [N]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRO_BUILD_DIR:-$root/build}
runs=${1:-15}
[ -x "$build/bench/bench_startup" ] || cmake --build "$build" --target bench_startup
cluster=$(mktemp -d "${TMPDIR:-/tmp}/veltro-startup.XXXXXX")
"$root/scripts/pg.sh" start "$cluster"
trap '"$root/scripts/pg.sh" stop "$cluster"; rm -rf "$cluster"' EXIT
"$root/scripts/db-init.sh" "$cluster" veltro_erp_dev demo
printf '[veltro_erp_dev]\nhost=%s\nport=5432\ndbname=veltro_erp_dev\n' "$cluster/socket" > "$cluster/service.conf"
export PGSERVICEFILE=$cluster/service.conf QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} XDG_CONFIG_HOME=$cluster/config
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
wall() { local s e; s=$(date +%s%N); "$@" >/dev/null 2>&1; e=$(date +%s%N); echo $(( (e - s) / 1000 )); }
empty=() full=()
for _ in $(seq "$runs"); do
  empty+=("$(wall "$build/bench/bench_startup" empty)")
  full+=("$(wall "$build/bench/bench_startup" full)")
done
e=$(printf '%s\n' "${empty[@]}" | median)
f=$(printf '%s\n' "${full[@]}" | median)
printf 'start-up to the login window, median of %d runs (wall clock, whole process)\n' "$runs"
awk -v e="$e" -v f="$f" 'BEGIN {
  printf "  empty Qt program: %8.1f ms\n", e / 1000
  printf "  VELTRO.ERP:       %8.1f ms\n", f / 1000
  printf "  ratio:            %8.2f x\n", f / e }'
