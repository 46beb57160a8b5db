# Shared by scripts/run and scripts/test: installs what is missing, then configures and builds.
# Sourced, not run.

QV7_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QV7_JOBS=${QV7_JOBS:-2}

# Debian packages the build needs.
QV7_PACKAGES=(cmake g++ make pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
              qt6-base-dev fonts-dejavu-extra)

qv7_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the given packages that are not installed yet; quiet and quick when all are there.
qv7_install_missing() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    qv7_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    qv7_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# qv7_build <build dir> [cmake options...]
qv7_build() {
    local dir=$1
    shift
    cmake -S "$QV7_ROOT" -B "$QV7_ROOT/$dir" "$@" >/dev/null
    cmake --build "$QV7_ROOT/$dir" -j "$QV7_JOBS"
}
