#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format
# (.clang-format at the top) makes of it, and names the places.
#
#   scripts/check-format.sh         check every tracked .h and .cpp file
#   scripts/check-format.sh --fix   reformat them in place
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "${root}"
mode=(--dry-run -Werror)
[[ "${1:-}" == --fix ]] && mode=(-i)
git ls-files -z '*.h' '*.cpp' | xargs -0 clang-format "${mode[@]}"
echo "check-format: $(git ls-files '*.h' '*.cpp' | wc -l) files as clang-format writes them"
