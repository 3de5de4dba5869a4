# Shared by scripts/run and scripts/test: the Debian packages the project needs,
# and an installer that only touches what is missing.

KORVANE_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libjpeg62-turbo-dev libgif-dev libxcb1-dev
  libgtest-dev libbenchmark-dev
  fonts-noto-cjk xdg-utils
)

KORVANE_TEST_PACKAGES=(
  xvfb openbox xdotool x11-utils imagemagick
  clang libclang-rt-14-dev
  fonts-noto-color-emoji
)

korvane_install_missing() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

korvane_build() {
  local dir=${1:-build}
  shift || true
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir" -j "$(nproc)"
}
