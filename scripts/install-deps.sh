#!/usr/bin/env bash
# Installs the Debian packages Quillmoor needs:
#   scripts/install-deps.sh play      to build the game and the server and play (make play)
#   scripts/install-deps.sh develop   that, and what the tests, benchmarks, fuzzers and
#                                     package checks add (make test)
# Only what is missing is installed; with nothing missing this takes well under a second.
set -euo pipefail

play=(
  # build
  cmake ninja-build pkg-config make
  # window, widgets, pictures, fonts
  qt6-base-dev qt6-qpa-plugins fonts-ipafont-gothic fonts-dejavu-core
  # credit picture
  libjpeg62-turbo-dev
  # sound effects and music: the mixer, and the encoder the generator writes the music with
  libsdl2-mixer-dev libmp3lame-dev
  # the network mode's client
  libcurl4-openssl-dev
  # the ranking server
  libcpp-httplib-dev libsqlite3-dev
)

develop=(
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the fuzz targets (scripts/fuzz.sh)
  clang libclang-rt-14-dev
  # the host's page tested in a real browser
  chromium chromium-driver
  # make install's and make package's checks: the desktop entry, the metadata, the package's
  # library dependencies
  desktop-file-utils appstream dpkg-dev
  # the real-window tests and the window's cost: an X server, a window manager, input made
  # by the X server (XTest), the cursor it shows (XFixes), the clipboard
  xvfb openbox libx11-dev libxtst-dev libxfixes-dev xclip
)

case "${1:-develop}" in
  play) packages=("${play[@]}") ;;
  develop) packages=("${play[@]}" "${develop[@]}") ;;
  *)
    echo "usage: $0 play|develop" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
