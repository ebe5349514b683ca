#!/usr/bin/env bash
# Fails when a file under src/ includes a header from a layer above its own, or when a
# widget-free core file includes a window header or Qt Widgets.
# The layer order, lowest first; folders on one line share a layer and may not include
# each other.
set -euo pipefail
cd "$(dirname "$0")/.."

LAYERS=(
    "platform"
    "common"
    "schema"
    "shell"
    "ledger"
    "calendar"
    "vouchers"
    "periods reports"
    "assets tax banking"
    "admin"
    "demo"
    "app"
)

declare -A rank
for i in "${!LAYERS[@]}"; do
    for folder in ${LAYERS[$i]}; do
        rank[$folder]=$i
    done
done

failures=0
fail() {
    echo "$1" >&2
    failures=$((failures + 1))
}

while IFS= read -r line; do
    file="${line%%:*}"
    rest="${line#*:}"
    number="${rest%%:*}"
    target="${rest#*:}"
    target="${target#"${target%%[![:space:]]*}"}"
    rel="${file#src/}"
    own="${rel%%/*}"
    if [ -z "${rank[$own]+x}" ]; then
        fail "$file: la carpeta '$own' no figura en el orden de capas de scripts/check-layers.sh"
        continue
    fi
    core=1
    case "/$rel" in */ui/*) core=0 ;; esac
    [ "$own" = app ] && core=0
    if [[ "$target" =~ ^#include[[:space:]]*\"([^\"]+)\" ]]; then
        path="${BASH_REMATCH[1]}"
        folder="${path%%/*}"
        [ "$folder" = "$path" ] && continue # a header beside the file
        [ -z "${rank[$folder]+x}" ] && continue
        if [ "$folder" != "$own" ] && [ "${rank[$folder]}" -ge "${rank[$own]}" ]; then
            fail "$file:$number: incluye \"$path\", de una capa no inferior a '$own'"
        fi
        if [ $core -eq 1 ] && [[ "/$path" == */ui/* ]]; then
            fail "$file:$number: el núcleo incluye una ventana (\"$path\")"
        fi
    elif [ $core -eq 1 ] && [[ "$target" =~ ^#include[[:space:]]*\<(QtWidgets|QWidget|QDialog|QMainWindow|QMessageBox|QApplication|QAbstractItemView|QTableView|QLineEdit)[/\>] ]]; then
        fail "$file:$number: el núcleo incluye Qt Widgets ($target)"
    fi
done < <(grep -rn --include='*.cpp' --include='*.h' '^[[:space:]]*#include' src | sort)

if [ $failures -gt 0 ]; then
    echo "check-layers: $failures inclusión(es) fuera del orden de capas" >&2
    exit 1
fi
echo "check-layers: todas las inclusiones respetan el orden de capas"
