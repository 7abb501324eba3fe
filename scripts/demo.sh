#!/usr/bin/env bash
# Runs VELTRO.ERP on its demo database: installs what is missing, builds, starts a throwaway
# cluster with the demo data (kept in build/pgdemo between runs; --reset reloads it), and starts
# the program with the data source "veltro_erp_dev" pointing at it. Arguments after "--" go to
# the program. The cluster stops when the program ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
reset=""
if [ "${1:-}" = "--reset" ]; then reset=1; shift; fi
[ "${1:-}" = "--" ] && shift
scripts/setup.sh
scripts/build.sh
cluster=$root/build/pgdemo
[ -f "$cluster/data/PG_VERSION" ] || reset=1
scripts/pg.sh start "$cluster"
trap '"$root/scripts/pg.sh" stop "$cluster"' EXIT
[ -z "$reset" ] || scripts/db-init.sh "$cluster" veltro_erp_dev demo
cat > "$root/build/pg_service.conf" <<CONF
[veltro_erp_dev]
host=$cluster/socket
port=5432
dbname=veltro_erp_dev
CONF
export PGSERVICEFILE=$root/build/pg_service.conf
"$root/build/veltro-erp" "$@"
