#!/usr/bin/env bash
# Loads a database into the running throwaway cluster.
#   scripts/db-init.sh CLUSTER_DIR DBNAME [demo]
# Creates DBNAME afresh from db/schema.sql (and db/demo.sql with "demo").
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1 db=$2 demo=${3:-}
psql_() { "$root/scripts/pg.sh" psql "$dir" "$@"; }
psql_ -d postgres -c "drop database if exists \"$db\" with (force)" >/dev/null
psql_ -d postgres -c "create database \"$db\"" >/dev/null
psql_ -d "$db" -f "$root/db/schema.sql" >/dev/null
[ "$demo" = demo ] && psql_ -d "$db" -f "$root/db/demo.sql" >/dev/null
true
