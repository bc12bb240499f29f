#!/usr/bin/env bash
# Builds the axocor command-line tool (native "default" preset) and runs it.
#
#   scripts/run-main.sh              shows the help, makes a GUID and runs the
#                                    doctor on the sample installation
#                                    (examples/install)
#   scripts/run-main.sh ARGS...      runs "axocor ARGS..." instead
#
# Installs missing Debian packages first.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "${root}"
export CCACHE_BASEDIR="${root}" CCACHE_NOHASHDIR=true

scripts/install-packages.sh main
cmake --preset default -DAXO_BUILD_TOOLS=ON >/dev/null
cmake --build --preset default -j "${AXO_JOBS:-2}" --target axocor

axocor="${root}/build/default/bin/axocor"
if (($# > 0)); then
  exec "${axocor}" "$@"
fi

run() {
  echo
  echo "\$ axocor $*"
  "${axocor}" "$@"
}
run --help
run guid new
# The doctor exits with 1 when it finds problems, as it does in the sample
# installation (one fault is left in on purpose); 2 and above are failures.
echo
echo "\$ axocor doctor examples/install"
status=0
"${axocor}" doctor examples/install || status=$?
echo "(axocor doctor exit status ${status}: 0 no problem, 1 problems found)"
((status <= 1))
