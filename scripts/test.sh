#!/usr/bin/env bash
# Builds Valdoria and runs every test: the whole suite on SQLite, then the database tests
# again on a private PostgreSQL cluster.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh

echo "== Pruebas sobre SQLite =="
(cd build && ctest --output-on-failure -j2)

pgdir="$(mktemp -d /tmp/valdoria-pg.XXXXXX)"
trap 'scripts/pg-stop.sh "$pgdir"' EXIT
VALDORIA_TEST_PG="$(scripts/pg-start.sh "$pgdir")"
export VALDORIA_TEST_PG
echo "== Pruebas de base de datos sobre PostgreSQL ($VALDORIA_TEST_PG) =="
(cd build && ctest --output-on-failure -L db -j2)
