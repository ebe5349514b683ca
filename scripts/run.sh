#!/usr/bin/env bash
# Builds Valdoria and starts it on the embedded database (SQLite in the data folder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh --target valdoria valdoria-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No hay pantalla disponible (DISPLAY no está definido): Valdoria no puede abrir sus ventanas." >&2
    echo "Sin pantalla use build/src/app/cli/valdoria-cli (init, migrate, info; --help)." >&2
    exit 2
fi
# A workstation with no database configured yet starts on the demo company.
data="${VALDORIA_DATA:-build/src/app/data}"
if [ ! -f "$data/srvsql.txt" ] && [[ " $* " != *" --demo "* ]]; then
    echo "No hay base de datos configurada: se abre la empresa de demostración (usuario ADMIN, clave demo)."
    set -- --demo "$@"
fi
exec build/src/app/valdoria "$@"
