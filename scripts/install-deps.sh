#!/usr/bin/env bash
# Installs every Debian package Valdoria needs to build, run and test.
# Idempotent: packages already present are skipped, so it is cheap to call
# from the run and test commands.
set -euo pipefail

PACKAGES=(
    cmake ninja-build ccache pkg-config g++
    qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n
    libgl-dev
    postgresql-15
    libxlsxwriter-dev libzip-dev libmimalloc-dev libfreexl-dev libsodium-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth poppler-utils fonts-dejavu-core adwaita-icon-theme
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
APT_OPTS=(-o DPkg::Lock::Timeout=300 -y -q)
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get "${APT_OPTS[@]}" update
$SUDO apt-get "${APT_OPTS[@]}" install --no-install-recommends "${missing[@]}"
