#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the windows need; does nothing when all are there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  python3 # the layer check
  clang-format # the format check
  qt6-base-dev qt6-base-dev-tools libgl-dev
  googletest libgtest-dev
  clang libclang-rt-dev # the fuzz preset: clang with libFuzzer and the sanitizers
  fonts-ipafont-gothic
  fonts-roboto-unhinted fonts-motoya-l-maruberi # stand-ins for the version labels' and the top menu's fonts
  xvfb xauth openbox xdotool x11-apps x11-utils netpbm # a real desktop for the xcb tests and screenshots
  libxcb1-dev # the xcb tests look at the screen through an X connection of their own
  qt6-translations-l10n # Qt's own texts in Japanese
  qt6-l10n-tools # lrelease, for the program's Japanese of the texts Qt's translation lacks
  libcups2-dev # asks the print system whether a queue accepts jobs
  locales # a decimal-comma locale for the number-text test
  desktop-file-utils # checks the installed desktop entry
  # the print test's own scheduler and PDF queue, and the tools that read its output back
  cups-daemon cups-client cups-filters printer-driver-cups-pdf ghostscript poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
