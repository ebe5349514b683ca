#!/usr/bin/env bash
# Stops the private test cluster started by pg-start.sh in DIR and removes DIR. Only a folder
# that pg-start.sh set up (it holds its marker file) is stopped and removed; any other is
# refused untouched.
set -uo pipefail

dir="${1:?usage: pg-stop.sh DIR}"
bin="/usr/lib/postgresql/15/bin"
marker=".valdoria-pg-cluster"
[ -e "$dir" ] || [ -L "$dir" ] || exit 0
if [ -L "$dir" ] || [ ! -d "$dir" ] || [ ! -f "$dir/$marker" ]; then
    echo "pg-stop.sh: $dir no es una carpeta de clúster de prueba de Valdoria (no tiene la marca $marker). No se tocó." >&2
    exit 1
fi
if [ -f "$dir/data/postmaster.pid" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
    else
        "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
    fi
fi
rm -rf "$dir"
