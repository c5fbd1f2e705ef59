# Shared set-up of scripts/run and scripts/test: install what a fresh Debian
# 12 machine lacks, then configure and build into build/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
PACKAGES=(cmake g++ make qt6-base-dev qt6-qpa-plugins libgtest-dev libgmock-dev
          libdeflate-dev libcli11-dev libbenchmark-dev xvfb xauth x11-utils xdotool openbox fonts-ipafont-gothic clang
          qt6-translations-l10n qt6-tools-dev qt6-l10n-tools qt6-wayland weston desktop-file-utils appstream dpkg-dev file lintian shared-mime-info libglib2.0-bin)

ensure_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "ISPLN needs these packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q "${missing[@]}"
}

# build_tree DIR [cmake options...]
build_tree() {
    local dir="$1"; shift
    if [ ! -f "$ROOT/$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$ROOT/$dir" "$@" >/dev/null
    fi
    cmake --build "$ROOT/$dir" -j "$(nproc)"
}
