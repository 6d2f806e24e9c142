#!/usr/bin/env bash
# Installs what Velorin needs to build and test (Debian packages), then
# configures and builds it in build/. Sourced by sample.sh and test.sh; a
# script that needs only some targets names them in velorin_targets first.
set -euo pipefail

packages=(g++ cmake make pkg-config libsqlite3-dev mdbtools-dev libcli11-dev
          nlohmann-json3-dev libgtest-dev qt6-base-dev libgl-dev fonts-dejavu-core
          libmimalloc-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for target in ${velorin_targets:-}; do
  targets+=(--target "$target")
done
cmake --build "$root/build" -j"$(nproc)" "${targets[@]}"
