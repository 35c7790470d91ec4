#!/usr/bin/env bash
# Checks that the Chinese README keeps in step with the English one: each links to the
# other, the getting-started sections name the same commands, and every command either
# names is a script of the repository.
#
#   readme_test.sh <source folder>
set -euo pipefail
source_dir=$(cd "$1" && pwd)
english="$source_dir/README.md"
chinese="$source_dir/README.zh-CN.md"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ -f "$chinese" ] || fail "README.zh-CN.md is missing"

# The lines of a README from its heading "## <title>" up to the next heading of that level.
section() {
    awk -v title="## $2" '$0 == title { inside = 1; next } /^## / { inside = 0 } inside' "$1"
}
# The commands (`./<name>.sh`) a text names, one a line, each once.
commands() {
    grep -o '`\./[A-Za-z0-9_.-]*\.sh`' | tr -d '`' | sort -u
}

grep -q '](README\.zh-CN\.md)' "$english" || fail "README.md does not link README.zh-CN.md"
grep -q '](README\.md)' "$chinese" || fail "README.zh-CN.md does not link README.md"

english_start=$(section "$english" "Getting started" | commands)
chinese_start=$(section "$chinese" "开始使用" | commands)
[ "$(echo "$english_start" | grep -c .)" -eq 2 ] ||
    fail "README.md's Getting started names $(echo $english_start), not two commands"
[ "$english_start" = "$chinese_start" ] ||
    fail "the getting-started sections name different commands: $(echo $english_start) and $(echo $chinese_start)"
echo "ok: both READMEs name $(echo $english_start)"

for command in $(commands <"$chinese") $(commands <"$english"); do
    [ -x "$source_dir/${command#./}" ] || fail "$command, named by a README, is not an executable script"
done
echo "ok: every command the READMEs name is a script of the repository"

# The walk-through shows the same results in both.
for fact in 'pb pbf' '峰 峁 峥 峤 嵛 刿' '鞍 氨 安 俺 按' '暂无此汉字的编码和拆分图！'; do
    grep -qF "$fact" "$english" || fail "README.md lacks \"$fact\""
    grep -qF "$fact" "$chinese" || fail "README.zh-CN.md lacks \"$fact\""
done
echo "PASS"
