#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need (only those missing).
set -euo pipefail
pkgs=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libpqxx-dev libpq-dev
      postgresql-15 postgresql-client-15 libgtest-dev libbenchmark-dev fonts-dejavu-core)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" = 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
