#!/usr/bin/env bash
# Runs one SQL test file against a fresh database of the throwaway cluster.
#   VELTRO_PGHOST=<socket dir> bash tests/sql/run.sh FILE [demo]
# The database is cloned from "veltro_template" (schema only) or, with "demo", from
# "veltro_demo" (schema and demo data), and dropped afterwards. The file fails the run by
# raising an error (ASSERT in a DO block); psql stops at the first error.
set -euo pipefail
file=${1:?usage: run.sh FILE [demo]}
source_db=veltro_template
[ "${2:-}" = demo ] && source_db=veltro_demo
host=${VELTRO_PGHOST:?VELTRO_PGHOST must name the cluster socket directory}

name=$(basename "$file" .sql | tr -c 'a-z0-9_\n' '_')
db="sqltest_${name:0:40}_$$"
psql_() { psql -X -q -v ON_ERROR_STOP=1 -h "$host" -p 5432 -U postgres "$@"; }

psql_ -d postgres -c "create database \"$db\" template \"$source_db\"" >/dev/null
trap 'psql_ -d postgres -c "drop database if exists \"$db\" with (force)" >/dev/null' EXIT
psql_ -d "$db" -v test_db="$db" -f "$file"
echo "PASS $(basename "$file")"
