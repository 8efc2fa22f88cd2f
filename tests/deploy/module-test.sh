#!/usr/bin/env bash
# The role's module velmorando_layout run alone by ansible-core (ansible -m, no
# network) against the CLI's in-process simulated keyboards: what it returns in
# check mode and when it writes, that check mode leaves the keyboard alone, a
# keyboard whose image fails its checksum repaired, and keys beyond a small
# field refused unless allowed.
# Usage: module-test.sh LIBRARY-DIR VLAT-CLI DATA-DIR LAYOUT.mtf
set -euo pipefail
library=$1 cli=$2 data=$3 source_layout=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data-home ANSIBLE_HOME=$work/ansible \
       ANSIBLE_LOCAL_TEMP=$work/ansible ANSIBLE_NOCOLOR=1
memory=$work/data-home/"Ostrel Velmorando AT"/keyboard-0105.mem
fail() { echo "FAIL: $*"; cat "$work/result" 2>/dev/null; exit 1; }

module() {  # module ARGS [ANSIBLE-OPTIONS...]: the task's result in $work/result
  local arguments=$1; shift
  ansible localhost -c local -e ansible_python_interpreter=/usr/bin/python3 -M "$library" \
    -m velmorando_layout -a "cli=$cli data=$data $arguments" "$@" 2>/dev/null >"$work/output" || true
  # "localhost | CHANGED => {...}", after what --diff shows.
  python3 -c 'import json, re, sys
text = open(sys.argv[1]).read()
print(json.dumps(json.loads(text[re.search(r"^localhost \| [A-Z!]+ => ", text, re.M).end():])))' \
    "$work/output" >"$work/result" || fail "no result: $(cat "$work/output")"
}
field() {  # field NAME: the result's member, as JSON
  python3 -c 'import json, sys; print(json.dumps(json.load(open(sys.argv[1])).get(sys.argv[2])))' "$work/result" "$1"
}
expect() {  # expect NAME VALUE WHAT
  [ "$(field "$1")" = "$2" ] || fail "$3: $1 is $(field "$1"), not $2"
}

"$cli" --data "$data" convert "$source_layout" "$work/layout.vld" >/dev/null

module "layout=$work/layout.vld port=sim:0105 backup=$work/backup.vld" --check --diff
expect changed true "check mode does not see the difference"
grep -q 'key 1,1 (device key 0,0), layer 0' "$work/output" || fail "the diff does not list the keys"
"$cli" --data "$data" --port sim:0105 compare "$work/layout.vld" >/dev/null 2>&1 && fail "check mode wrote the keyboard"

module "layout=$work/layout.vld port=sim:0105 backup=$work/backup.vld"
expect changed true "the layout was not written"
expect backup "\"$work/backup.vld\"" "the backup this run wrote is not named"
module "layout=$work/layout.vld port=sim:0105 backup=$work/backup.vld"
expect changed false "a keyboard holding the layout was written again"
expect backup null "a backup was named although nothing was written"

# A keyboard left half-written: its image no longer passes its checksum.
printf '\x55\xAA\x55\xAA' | dd of="$memory" bs=1 seek=16 conv=notrunc status=none
module "layout=$work/layout.vld port=sim:0105 backup=$work/backup.vld"
expect changed true "the unreadable keyboard was not rewritten"
expect repaired true "the repair is not told"
grep -q 'checksum' <<<"$(field msg)" || fail "the repair does not say why"
"$cli" --data "$data" --port sim:0105 compare "$work/layout.vld" >/dev/null 2>&1 || fail "the repair did not write the layout"

# Type 0101 is 4 keys by 3: most of the layout lies beyond it.
module "layout=$work/layout.vld port=sim:0101"
grep -q '^localhost | FAILED!' "$work/output" || fail "keys beyond the field were dropped unasked"
expect reason '"outside-field"' "the refusal names no reason"
module "layout=$work/layout.vld port=sim:0101 allow_outside=true"
expect changed true "allow_outside did not write the layout"
echo "velmorando_layout: check and diff, write, unchanged, repair, keys beyond the field"
