# What the README's two commands share: the packages the project needs and how to get them.
# Sourced, not run.

# Needed to build and play.
DAKTO_PLAY_PACKAGES=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev
  fonts-liberation2 fluid-soundfont-gm xdg-utils)
# Needed on top of those to run every test.
DAKTO_TEST_PACKAGES=(libgtest-dev libgmock-dev googletest libbenchmark-dev xvfb xdotool x11-utils clang)

# Installs the named Debian packages that are not installed yet, saying which.
dakto_install_missing() {
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "These packages are missing and I am not root and have no sudo: ${missing[*]}" >&2
      return 1
    fi
    sudo=(sudo)
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

dakto_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }
