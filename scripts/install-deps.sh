#!/usr/bin/env bash
# Installs, only when missing, every Debian package that building, testing and trying the
# program need. Safe to run again and again: it asks apt only for what is not there yet.
set -euo pipefail

packages=(
  # build
  g++ cmake make pkg-config
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the window
  qt6-base-dev libgl-dev
  # a real desktop session for screenshots and window tests
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core
  # acceptance: real clients of our documents
  chromium libreoffice-writer-nogui nodejs npm poppler-utils
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

# nodejs may come from another repository under the same name with npm built in.
if printf '%s\n' "${missing[@]}" | grep -qx npm && command -v npm >/dev/null 2>&1; then
  missing=("${missing[@]/npm}")
fi
read -r -a missing <<<"${missing[*]}"

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" != 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The headless browser driver for the acceptance tests, pinned in tests/acceptance.
if [ -f "$(dirname "$0")/../tests/acceptance/package.json" ]; then
  (cd "$(dirname "$0")/../tests/acceptance" && [ -d node_modules/playwright-core ] || npm ci --silent --no-audit --no-fund)
fi
