#!/usr/bin/env bash
# Installs what Zilvaro's build, data generators and tests need, then leaves.
# Quick when everything is already there. Run by run.sh and test.sh, with --deep by
# scripts/deep_checks.sh and with --format by scripts/check_format.sh.
set -euo pipefail

ZILVARO_DEB_PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
    libgtest-dev libgmock-dev libbenchmark-dev
    unicode-data rime-data-wubi ibus-table-wubi
    fonts-arphic-uming fonts-dejavu-core
    fonts-urw-base35
    xvfb xdotool x11-utils
    libbz2-dev zlib1g-dev
    dpkg-dev file imagemagick desktop-file-utils appstream x11-xserver-utils
    jq
)

# The deep checks (scripts/deep_checks.sh, --deep) also build with clang, its sanitizers
# and libFuzzer.
if [ "${1:-}" = "--deep" ]; then
    ZILVARO_DEB_PACKAGES+=(clang libclang-rt-14-dev)
fi
# The format check (scripts/check_format.sh, --format) needs clang-format.
if [ "${1:-}" = "--format" ]; then
    ZILVARO_DEB_PACKAGES+=(clang-format)
fi

missing=()
for p in "${ZILVARO_DEB_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

# Node.js may come from Debian or from elsewhere; only its absence matters.
if ! command -v npm >/dev/null 2>&1; then
    missing+=(nodejs npm)
fi

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing Debian packages: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Zilvaro needs these Debian packages. Install them with:"
        echo "sudo apt-get install ${missing[*]}"
        exit 1
    fi
fi

# npm packages, pinned by the committed lockfile; reinstalled only when the lockfile changed.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
stamp="$root/node_modules/.zilvaro-lock"
if [ ! -f "$stamp" ] || ! cmp -s "$root/package-lock.json" "$stamp"; then
    echo "Installing npm packages from package-lock.json"
    (cd "$root" && npm ci --no-audit --no-fund --loglevel=error)
    cp "$root/package-lock.json" "$stamp"
fi
