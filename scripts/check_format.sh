#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format asks, naming the
# files. Run scripts/check_format.sh --fix to format them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || bash scripts/setup.sh --format
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
unformatted=()
for f in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
        unformatted+=("$f")
    fi
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "check_format: these files are not formatted (scripts/check_format.sh --fix):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "check_format: ${#files[@]} C++ files formatted as .clang-format asks"
