#!/usr/bin/env bash
# Checks that every file is reached through the platform layer: outside
# platform/ and the tests, no source opens, tests, lists, renames or
# removes a file through <fstream>, <filesystem> or the C library. The
# platform's ReadFile and ReplaceFile are the one way in and out, and they
# refuse a FIFO or a device without waiting and report why a step failed;
# a stream opened elsewhere would do neither. std::filesystem::path itself,
# a type for taking paths apart, may be used anywhere.
# Fails, naming the lines, when one comes back.
#
#   scripts/check-file-access.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "${root}"

# Tests and what only tests use: test files and test-support headers, the
# shared test helpers, the fuzz targets and the benchmarks.
mapfile -t sources < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' |
  grep -v -E '^(platform|testing|tests|fuzz|bench)/' |
  grep -v -E '(_test\.cpp|Test[A-Za-z]*\.h|TestSupport\.h)$')

file_calls='exists|status|symlink_status|is_regular_file|is_directory|is_symlink|is_fifo|file_size'
file_calls+='|directory_iterator|recursive_directory_iterator|directory_entry|create_directory'
file_calls+='|create_directories|remove|remove_all|rename|copy|copy_file|resize_file|permissions'
file_calls+='|last_write_time|absolute|canonical|weakly_canonical|current_path'
file_calls+='|temp_directory_path|space|equivalent|read_symlink|create_symlink'
file_calls+='|create_hard_link|create_directory_symlink|hard_link_count'
patterns=(
  '#include <fstream>'
  '\b(std::)?(i|o)?fstream\b'
  "\b(std::filesystem|fs)::(${file_calls})\b"
  '\b(std::)?(fopen|freopen|_wfopen)\s*\('
)
status=0
for pattern in "${patterns[@]}"; do
  if grep -n -E "${pattern}" "${sources[@]}"; then status=1; fi
done

if ((status == 0)); then
  echo "check-file-access: ${#sources[@]} sources reach files through the platform only"
else
  echo "check-file-access: the lines above reach files around the platform" \
    "(use AXOPlatform::ReadFile, ReplaceFile, ListFolder, GetFileStatus ...)"
fi
exit "${status}"
