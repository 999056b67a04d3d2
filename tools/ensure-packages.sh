# Sourced by test.sh and run.sh: makes sure the Debian packages the build
# needs are there, installing them when run as root.
tilewright_ensure_packages() {
  local wanted=(cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
                fonts-liberation2 clang libclang-rt-14-dev libcli11-dev libcsv-dev
                nlohmann-json3-dev desktop-file-utils zlib1g-dev libspng-dev
                # The Windows build: cross compilers, wine, and what builds
                # Qt and the libraries from Debian's source packages.
                mingw-w64 g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 qt6-base-dev-tools
                ninja-build dpkg-dev xvfb xdotool zip unzip "$@")
  local missing=()
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # A fresh machine may still be busy with its first-boot upgrades.
    apt-get -o DPkg::Lock::Timeout=600 update -qq &&
      apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "Missing Debian packages. Run:" >&2
    echo "  sudo sh -c 'apt-get update && apt-get install -y ${missing[*]}'" >&2
    return 1
  fi
}
