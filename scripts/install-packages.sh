#!/usr/bin/env bash
# Installs the Debian packages of scripts/packages.txt that are missing.
#
#   scripts/install-packages.sh main     packages to build and run the tool
#   scripts/install-packages.sh tests    all packages, for every test
#
# Checks each package with dpkg first, so a machine that has them all makes
# no network access. Runs apt-get as root, else through sudo.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scope="${1:-tests}"

missing=()
while read -r package use _; do
  [[ -z "${package}" || "${package}" == \#* ]] && continue
  [[ "${scope}" == main && "${use}" != main ]] && continue
  if ! dpkg-query -W -f='${Status}' "${package}" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("${package}")
  fi
done <"${root}/scripts/packages.txt"

if ((${#missing[@]} == 0)); then
  exit 0
fi

as_root=()
if [[ "$(id -u)" != 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "install-packages: missing ${missing[*]}; run as root to install them" >&2
    exit 1
  fi
  as_root=(sudo -n)
fi

echo "install-packages: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
