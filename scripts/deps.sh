# Installs with apt-get whatever the build, the tests and the game need and
# this machine lacks. Sourced by run.sh, test.sh and fuzz.sh.
VAULTANE_PACKAGES=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev libdeflate-dev
  libsdl1.2-dev libsdl-ttf2.0-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libvorbis-dev libjpeg-dev
  fonts-liberation
)

vaultane_install_deps() {
  vaultane_install_packages "${VAULTANE_PACKAGES[@]}"
}

# Installs those of the named packages that this machine lacks.
vaultane_install_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

vaultane_jobs() {
  nproc 2>/dev/null || echo 2
}
