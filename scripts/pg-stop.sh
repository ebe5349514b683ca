#!/usr/bin/env bash
# Stops the private test cluster started by pg-start.sh in DIR and removes DIR.
set -uo pipefail

dir="${1:?usage: pg-stop.sh DIR}"
bin="/usr/lib/postgresql/15/bin"
[ -d "$dir" ] || exit 0
if [ -f "$dir/data/postmaster.pid" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
    else
        "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
    fi
fi
rm -rf "$dir"
