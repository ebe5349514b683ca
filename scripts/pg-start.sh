#!/usr/bin/env bash
# Starts a private PostgreSQL 15 cluster for the tests in folder DIR and prints the value for
# VALDORIA_TEST_PG. Listens on a unix socket in DIR and on 127.0.0.1 at a free port; trusts
# local connections; never touches other clusters.
#   export VALDORIA_TEST_PG="$(scripts/pg-start.sh /tmp/valdoria-pg)"
# DIR must be missing, or an empty folder of our own with mode 700 (as `mktemp -d` makes
# it), or a folder this script set up before: it leaves a marker file there, and refuses any
# other folder, since as root it hands DIR to the postgres account.
# Test clusters skip flushing to disk; VALDORIA_PG_DURABLE=1 keeps the server's defaults,
# which is what benchmarks of commits per second must measure.
set -euo pipefail

dir="${1:?usage: pg-start.sh DIR}"
bin="/usr/lib/postgresql/15/bin"
marker=".valdoria-pg-cluster"

refuse() {
    echo "pg-start.sh: $dir no es una carpeta de clúster de prueba de Valdoria: $1. No se tocó." >&2
    exit 1
}
if [ -L "$dir" ]; then
    refuse "es un enlace simbólico"
elif [ -e "$dir" ] && [ ! -d "$dir" ]; then
    refuse "no es una carpeta"
elif [ -d "$dir" ] && [ ! -f "$dir/$marker" ]; then
    [ -z "$(ls -A "$dir")" ] || refuse "no está vacía y no tiene la marca $marker"
    [ -O "$dir" ] || refuse "no es de este usuario"
    [ "$(stat -c %a "$dir")" = 700 ] || refuse "no tiene permisos 700"
fi
[ -x "$bin/initdb" ] || { echo "PostgreSQL 15 no está instalado ($bin)" >&2; exit 1; }

if [ ! -d "$dir" ]; then
    mkdir -p "$dir"
    chmod 700 "$dir"
fi
dir="$(cd "$dir" && pwd)"
[ -f "$dir/$marker" ] || echo "Clúster de prueba de Valdoria (scripts/pg-start.sh)" >"$dir/$marker"

# The server refuses to run as root: run it as the postgres account when we are root.
as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}
if [ "$(id -u)" -eq 0 ]; then
    chown postgres: "$dir"
    chmod 700 "$dir"
fi

port_in_use() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
port=""
for candidate in $(seq 54330 54429); do
    if ! port_in_use "$candidate"; then
        port="$candidate"
        break
    fi
done
[ -n "$port" ] || { echo "No hay un puerto libre para PostgreSQL" >&2; exit 1; }

if [ ! -f "$dir/data/PG_VERSION" ]; then
    as_owner "$bin/initdb" -D "$dir/data" -A trust -U postgres -E UTF8 --locale=C.UTF-8 \
        >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
fi
flush="-c fsync=off -c full_page_writes=off"
[ "${VALDORIA_PG_DURABLE:-0}" = 1 ] && flush=""
as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-k $dir -p $port -h 127.0.0.1 $flush -c max_connections=100" \
    start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
echo "$port" >"$dir/port"
echo "host=$dir port=$port user=postgres"
