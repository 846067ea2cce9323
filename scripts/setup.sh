#!/usr/bin/env bash
# Installs the Debian packages Orvo Mail is built, run and tested with.
# Idempotent: when every package is present it touches nothing and needs no network.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build pkg-config
  # window, drawing and text
  qt6-base-dev libgl-dev
  fonts-noto-core fonts-noto-color-emoji fonts-material-design-icons-iconfont
  # libraries
  libspdlog-dev libfmt-dev nlohmann-json3-dev libgmime-3.0-dev libxml2-dev libssl-dev
  libasio-dev libcurl4-openssl-dev ca-certificates
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # real servers on 127.0.0.1 for the integration tests
  dovecot-imapd openssl
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  as_root=(sudo)
fi
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
