#!/usr/bin/env bash
# Runs a Windows executable under Wine; CMake's CMAKE_CROSSCOMPILING_EMULATOR
# for the "windows" preset, so that CTest runs the .exe tests on Linux.
#
#   scripts/wine-emulator.sh program.exe [arguments...]
#
# Wine keeps its state in a prefix folder, here build/wineprefix (or
# $AXO_WINEPREFIX). Two things keep a test run short:
#   - The prefix is created once (wineboot, 15 to 20 s on a new machine).
#   - One wineserver is kept alive between programs ("-p", persistent for
#     AXO_WINESERVER_IDLE seconds after the last program, default 300), with
#     Wine's background services already started. Without it every program
#     starts and stops the server and services, seconds per test.
# Both steps run under a lock, so parallel CTest jobs do not race.
# scripts/wine-emulator.sh --stop ends the server of the prefix.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${AXO_WINEPREFIX:-${root}/build/wineprefix}"
export WINEDEBUG=-all
# No Mono or Gecko: their installers would ask questions during wineboot.
export WINEDLLOVERRIDES="mscoree=;mshtml="
export WINEARCH=win64

# The 64-bit loader directly: Debian's "wine" wrapper warns on every start
# when the 32-bit half is not installed.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
if [[ ! -x "${wine}" ]]; then
  wine="$(command -v wine64 || command -v wine || true)"
  wineserver="$(command -v wineserver || true)"
fi
if [[ -z "${wine}" || -z "${wineserver}" ]]; then
  echo "wine-emulator: Wine is not installed (package wine64)" >&2
  exit 127
fi

if [[ "${1:-}" == "--stop" ]]; then
  "${wineserver}" -k 2>/dev/null || true
  exit 0
fi

mkdir -p "$(dirname "${WINEPREFIX}")"
{
  flock 9
  if [[ ! -f "${WINEPREFIX}/system.reg" ]]; then
    echo "wine-emulator: creating the Wine prefix ${WINEPREFIX} (once)" >&2
    "${wine}" wineboot --init </dev/null >/dev/null 2>&1 9>&- || true
    "${wineserver}" -w 9>&-
  fi
  # Exit status 0: this call started the server (2: one is running already).
  # The server and services must not inherit the lock (fd 9), or they would
  # hold it for as long as they live.
  if "${wineserver}" -p"${AXO_WINESERVER_IDLE:-300}" </dev/null >/dev/null 2>&1 9>&-; then
    "${wine}" wineboot </dev/null >/dev/null 2>&1 9>&- || true
  fi
} 9>"${WINEPREFIX}.lock"

exec "${wine}" "$@"
