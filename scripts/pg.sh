#!/usr/bin/env bash
# Throwaway PostgreSQL cluster: listens only on a Unix socket in its own directory, port 5432.
#   scripts/pg.sh start DIR   create (if needed) and start the cluster in DIR; the socket is DIR/socket
#   scripts/pg.sh stop DIR    stop it
#   scripts/pg.sh psql DIR [args...]   psql as the superuser postgres
# Local superuser "postgres" is trusted; every other role logs in with its password.
set -euo pipefail
cmd=${1:?usage: pg.sh start|stop|psql DIR}
dir=$(realpath -m "${2:?cluster directory}")
shift 2 || true
bindir=$(ls -d /usr/lib/postgresql/15/bin 2>/dev/null || dirname "$(command -v pg_ctl)")

as_owner() {
  if [ "$(id -u)" = 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

case "$cmd" in
start)
  mkdir -p "$dir"
  [ "$(id -u)" = 0 ] && chown postgres: "$dir" && chmod 755 "$dir"
  if [ ! -f "$dir/data/PG_VERSION" ]; then
    as_owner "$bindir/initdb" -D "$dir/data" -U postgres -E UTF8 --locale=C.UTF-8 --auth-local=trust >"$dir/initdb.log" 2>&1 \
      || { cat "$dir/initdb.log"; exit 1; }
    as_owner mkdir -p "$dir/socket"
    cat > /tmp/pg_hba.$$ <<HBA
local all postgres trust
local all all scram-sha-256
HBA
    as_owner cp /tmp/pg_hba.$$ "$dir/data/pg_hba.conf"; rm -f /tmp/pg_hba.$$
    cat > /tmp/pg_conf.$$ <<CONF
listen_addresses = ''
port = 5432
unix_socket_directories = '$dir/socket'
fsync = off
synchronous_commit = off
full_page_writes = off
max_connections = 200
shared_buffers = 128MB
password_encryption = 'scram-sha-256'
CONF
    as_owner sh -c "cat /tmp/pg_conf.$$ >> '$dir/data/postgresql.conf'"; rm -f /tmp/pg_conf.$$
  fi
  as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start >/dev/null
  ;;
stop)
  [ -f "$dir/data/postmaster.pid" ] && as_owner "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true
  ;;
psql)
  psql -X -q -v ON_ERROR_STOP=1 -h "$dir/socket" -p 5432 -U postgres "$@"
  ;;
*) echo "usage: pg.sh start|stop|psql DIR" >&2; exit 2;;
esac
