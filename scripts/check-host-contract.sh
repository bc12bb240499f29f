#!/usr/bin/env bash
# Checks that the library asks of the host only what the host offers.
# Compiles (compile only) every source file of AXOCorServices that is not a
# test against the host's declarations alone: CAT_HOST_API_ONLY hides the
# stand-in's own additions in the host headers and refuses its own headers,
# and only the host modules' include and stand-in folders are searched
# (no testing/, no internal/).
# Fails, naming the lines, when a source uses anything else; also when one
# names the stand-in's component machinery, which host headers of the
# stand-in bring along.
#
#   scripts/check-host-contract.sh
#     AXO_JOBS  compilers run at once (default 2)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "${root}"

# The export macros of the generated headers, from the default build's
# configuration.
generated=build/default/generated
if [[ ! -f "${generated}/CATHostExport.h" ]]; then
  cmake --preset default >/dev/null
fi

flags=(-std=c++17 -fsyntax-only -DCAT_HOST_API_ONLY -I AXOCorServices -I "${generated}"
  -I platform/include)
# The stand-in's machinery (host/*/standin) is searched too: host headers
# of the stand-in build on it (CATTie.h on CATAdapter.h).
for folder in AXOCorServices/*/ host/*/include host/*/standin; do flags+=(-I "${folder%/}"); done

mapfile -t sources < <(find AXOCorServices -name '*.cpp' ! -name '*_test.cpp' | sort)
status=0
printf '%s\0' "${sources[@]}" |
  xargs -0 -n 4 -P "${AXO_JOBS:-2}" "${CXX:-c++}" "${flags[@]}" || status=1

mapfile -t headers < <(find AXOCorServices -name '*.h' | sort)
if grep -n -w -E 'CATComponent|CATAdapter|CATNewAdapter|CATAdoptAs|CATAdoptHandle' \
  "${sources[@]}" "${headers[@]}"; then
  echo "check-host-contract: the lines above use the stand-in's component machinery"
  status=1
fi

if ((status == 0)); then
  echo "check-host-contract: ${#sources[@]} library sources use the host's declarations only"
else
  echo "check-host-contract: FAILED"
fi
exit "${status}"
