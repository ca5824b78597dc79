#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only those that are missing. Sourced by run.sh and test.sh.

norvalen_packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
  libjpeg62-turbo-dev
  googletest libgtest-dev libbenchmark-dev
  xvfb xauth
  fonts-crosextra-carlito fonts-liberation2 fonts-liberation
  locales
  poppler-utils
  libcups2-dev cups-daemon cups-client cups-filters
  ccache
)

# Runs a command as root: directly when root, else through sudo.
norvalen_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Whether norvalen_sudo can run a command without asking for anything: root,
# or a sudo that needs no password.
norvalen_can_sudo() {
  [ "$(id -u)" -eq 0 ] && return 0
  command -v sudo >/dev/null 2>&1 && sudo -n true >/dev/null 2>&1
}

norvalen_install_missing() {
  local missing=()
  local p
  for p in "${norvalen_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    if ! norvalen_can_sudo; then
      echo "Puuttuvia paketteja ei voi asentaa, koska et ole pääkäyttäjä eikä sudo toimi ilman salasanaa; asenna ne itse: sudo apt-get install --no-install-recommends ${missing[*]}" >&2
      return 1
    fi
    echo "Asennetaan puuttuvat paketit: ${missing[*]}"
    norvalen_sudo apt-get update -qq
    norvalen_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  # A Finnish locale lets the tests prove that numbers never follow it.
  if ! locale -a 2>/dev/null | grep -qi '^fi_FI.utf-\?8$'; then
    if ! norvalen_can_sudo; then
      echo "Suomalaista localea fi_FI.UTF-8 ei voi lisätä ilman pääkäyttäjän oikeuksia; sen testit ohitetaan."
    elif [ -f /etc/locale.gen ] && command -v locale-gen >/dev/null 2>&1; then
      norvalen_sudo sed -i 's/^# *fi_FI.UTF-8 UTF-8/fi_FI.UTF-8 UTF-8/' /etc/locale.gen
      grep -q '^fi_FI.UTF-8 UTF-8' /etc/locale.gen || echo 'fi_FI.UTF-8 UTF-8' | norvalen_sudo tee -a /etc/locale.gen >/dev/null
      norvalen_sudo locale-gen >/dev/null 2>&1 || true
    fi
  fi
}

norvalen_jobs() {
  local n
  n=$(nproc 2>/dev/null || echo 2)
  echo "$n"
}

# Compiler cache: a rebuild of unchanged sources (the second build tree, a
# new clone of the same code) takes seconds. Paths are hashed relative to the
# checkout, so any clone on this machine shares the cache.
# Sets launcher to the CMake arguments that use it (empty without ccache).
norvalen_use_compiler_cache() {
  launcher=""
  if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="$PWD"
    export CCACHE_NOHASHDIR=1
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
  fi
}
