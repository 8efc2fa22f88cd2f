#!/usr/bin/env bash
# Every command and option a program's help lists must be described in its
# manual page: a command as an entry of its own (".B name" after ".TP"), an
# option anywhere, written as roff writes dashes.
set -euo pipefail
man_dir=$1
cli=$2
kbdsim=$3
port=$4
editor=$5
failed=0

# Options of a help text, one per line, in roff spelling (\-\-name).
roff_options() { grep -oE '(^|[^a-zA-Z0-9-])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u | sed 's/-/\\-/g'; }

check_options() {
  local page=$1 help=$2 option
  while read -r option; do
    [ -n "$option" ] || continue
    grep -qF -- "$option" "$man_dir/$page" ||
      { echo "$page does not describe the option ${option//\\/} that the help lists"; failed=1; }
  done < <(roff_options <<<"$help")
}

cli_help=$("$cli" help)
commands=$(sed -nE 's/^  ([a-z][a-z-]*)( .*)?$/\1/p' <<<"$cli_help")
[ -n "$commands" ] || { echo "vlat-cli help lists no commands:"; echo "$cli_help"; exit 1; }
entries=$(awk 'previous == ".TP" { print } { previous = $1 }' "$man_dir/vlat-cli.1" |
          sed -nE 's/^\.B ([a-z\\-]+).*/\1/p' | sed 's/\\-/-/g')
for command in $commands; do
  grep -qx -- "$command" <<<"$entries" ||
    { echo "vlat-cli.1 has no entry for the command '$command': add one under COMMANDS in man/vlat-cli.1"; failed=1; }
done
check_options vlat-cli.1 "$cli_help"
check_options vlat-kbdsim.1 "$("$kbdsim" 2>&1 || true)"
check_options vlat-port.1 "$("$port" --help)"
check_options velmorando.1 "$("$editor" --help)"
"$editor" --no-such-option >/dev/null 2>&1 && { echo "velmorando took an unknown option for a file"; failed=1; }
[ "$failed" -eq 0 ] && echo "manual pages describe $(wc -w <<<"$commands") vlat-cli commands and every listed option"
exit "$failed"
