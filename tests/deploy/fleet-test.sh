#!/usr/bin/env bash
# The fleet playbook as a shop chain's administrator uses it, against three tills
# on this machine (-c local), each keyboard a vlat-kbdsim: till-a (type 0105,
# 8x8 keys), till-b (type 0102, 4x8: the layout does not fit) and till-c, whose
# port is missing. A first layout, a second one (check and diff first), a
# rollback with the fetched backup, a keyboard left half-written repaired, and a
# port lent to serio_raw given back. Each step is checked by vlat-cli compare and
# by the keyboards' memory.
# Usage: fleet-test.sh PLAYBOOK VLAT-CLI VLAT-KBDSIM DATA-DIR LAYOUT.mtf
set -euo pipefail
playbook=$1 cli=$2 kbdsim=$3 data=$4 source_layout=$5

work=$(mktemp -d)
declare -A sim_pid sim_fd port
cleanup() {
  for till in "${!sim_pid[@]}"; do kill "${sim_pid[$till]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data-home ANSIBLE_LOCAL_TEMP=$work/ansible \
       ANSIBLE_REMOTE_TMP=$work/ansible ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0 ANSIBLE_HOME=$work/ansible
fail() { echo "FAIL: $*"; cat "$work/play.out" 2>/dev/null; exit 1; }
vlat() { "$cli" --data "$data" "$@"; }

# The simulated keyboard of a till on a pseudo-terminal; its first line is the terminal.
start_keyboard() {  # start_keyboard TILL TYPE
  local till=$1
  rm -f "$work/$till.in"; mkfifo "$work/$till.in"
  "$kbdsim" --type "$2" --controller 1.7 --state "$work/$till.mem" --data "$data" \
    <"$work/$till.in" >"$work/$till.out" &
  sim_pid[$till]=$!
  local fd
  exec {fd}>"$work/$till.in"  # keeps its input open
  sim_fd[$till]=$fd
  for _ in $(seq 100); do
    port[$till]=$(head -n1 "$work/$till.out" 2>/dev/null || true)
    [ -n "${port[$till]}" ] && return 0
    sleep 0.1
  done
  fail "vlat-kbdsim of $till did not start"
}
stop_keyboard() {  # its memory is saved in $work/TILL.mem on the way out
  kill "${sim_pid[$1]}"; wait "${sim_pid[$1]}" || true; unset "sim_pid[$1]"
  local fd=${sim_fd[$1]}
  exec {fd}>&-
}
start_tills() { start_keyboard till-a 0105; start_keyboard till-b 0102; }
stop_tills() { stop_keyboard till-a; stop_keyboard till-b; }

inventory() {
  cat >"$work/tills.ini" <<EOF
[tills]
till-a velmorando_port=${port[till-a]} velmorando_work_dir=$work/till-a
till-b velmorando_port=${port[till-b]} velmorando_work_dir=$work/till-b
till-c velmorando_port=$work/serio_raw7 velmorando_work_dir=$work/till-c

[tills:vars]
ansible_connection=local
ansible_python_interpreter=/usr/bin/python3
velmorando_cli=$cli
velmorando_data=$data
velmorando_backup_dir=$work/backups
EOF
}
play() {  # play ARGS...: the playbook's output in $work/play.out, its exit status returned
  ansible-playbook -v -i "$work/tills.ini" "$playbook" "$@" >"$work/play.out" 2>&1
}
recap() {  # recap TILL: its line of the play recap
  grep -E "^$1 +:" "$work/play.out" || echo "$1: no recap"
}
expect() {  # expect TILL 'changed=N .*failed=N' WHAT
  recap "$1" | grep -qE "$2" || fail "$3: $(recap "$1")"
}
backups() { find "$work/backups" -name "$1-*.vld" 2>/dev/null | sort; }
newest_backup() { backups "$1" | tail -n1; }

# Two layouts: the example, and a week later the same with other product codes.
layout1=$work/first.vld layout2=$work/second.vld
vlat convert "$source_layout" "$layout1" >/dev/null
sed -e 's/\\text(100\([0-9]\))/\\text(200\1)/' -e 's/{ \\f3 }/{ \\f5 }/' "$source_layout" >"$work/second.mtf"
vlat convert "$work/second.mtf" "$layout2" >/dev/null

start_tills
inventory
for till in till-a till-b; do vlat --port "${port[$till]}" clear --yes >/dev/null 2>&1 || fail "clear $till"; done

# 1. The first layout: till-a written, till-b refused (keys beyond its field),
# till-c failed for its port; each with its reason.
play -e "velmorando_layout=$layout1" && fail "the first run succeeded on every till"
expect till-a 'changed=1 .*failed=0' "the first run did not write till-a"
expect till-b 'changed=0 .*failed=1' "keys beyond till-b's field were dropped unasked"
expect till-c 'changed=0 .*failed=1' "a missing port did not fail till-c"
grep -q 'outside-field' "$work/play.out" || fail "till-b's failure names no reason"
grep -q 'serio_raw7' "$work/play.out" || fail "till-c's failure does not carry vlat-cli's message"
[ "$(backups till-a | wc -l)" -eq 1 ] || fail "till-a's backup was not kept"
[ -z "$(backups till-b)" ] || fail "a backup was fetched from a till that was not written"

# Told to leave those keys out, till-b takes the layout; then nothing changes.
play -l till-b -e "velmorando_layout=$layout1 velmorando_allow_outside=true" || fail "till-b refused again"
expect till-b 'changed=1 .*failed=0' "velmorando_allow_outside did not write till-b"
play -l till-a,till-b -e "velmorando_layout=$layout1" || fail "the repeated run failed"
expect till-a 'changed=0 .*failed=0' "the repeated run changed till-a"
vlat --port "${port[till-a]}" compare "$layout1" >/dev/null 2>&1 || fail "till-a does not hold the first layout"
stop_tills
cp "$work/till-a.mem" "$work/till-a.first.mem"
start_tills
inventory

# 2. The second layout, looked at first: check mode writes nothing, diff lists keys.
play -l till-a --check --diff -e "velmorando_layout=$layout2" || fail "the check failed"
expect till-a 'changed=1 .*failed=0' "the check did not report the difference"
grep -qE 'key 3,1 .*layer 0' "$work/play.out" || fail "the diff does not list the differing keys"
vlat --port "${port[till-a]}" compare "$layout1" >/dev/null 2>&1 || fail "the check wrote the keyboard"

play -l till-a,till-b -e "velmorando_layout=$layout2 velmorando_allow_outside=true" || fail "the second layout failed"
expect till-a 'changed=1 .*failed=0' "the second layout did not write till-a"
vlat --port "${port[till-a]}" compare "$layout2" >/dev/null 2>&1 || fail "till-a does not hold the second layout"
[ "$(backups till-a | wc -l)" -eq 2 ] || fail "the second run's backup was not kept beside the first"
stamp_a=$(basename "$(newest_backup till-a)" .vld) stamp_b=$(basename "$(newest_backup till-b)" .vld)
[ "${stamp_a#till-a-}" = "${stamp_b#till-b-}" ] || fail "one run named its backups with two stamps"
# The backup of this run is the layout the keyboard held before it: the first.
vlat compare "$layout1" "$(newest_backup till-a)" >/dev/null 2>&1 || fail "the fetched backup is not the first layout"

# 3. The rollback with that backup writes exactly the first layout again.
play -l till-a -e "velmorando_layout=$(newest_backup till-a)" || fail "the rollback failed"
expect till-a 'changed=1 .*failed=0' "the rollback did not write till-a"
vlat --port "${port[till-a]}" compare "$layout1" >/dev/null 2>&1 || fail "the rollback did not put back the first layout"
stop_tills
cmp -s "$work/till-a.mem" "$work/till-a.first.mem" || fail "the keyboard's memory after the rollback is not the first layout's"

# 4. A keyboard left half-written (its image damaged under an intact header) is rewritten.
printf '\x55\xAA\x55\xAA' | dd of="$work/till-a.mem" bs=1 seek=16 conv=notrunc status=none
start_tills
inventory
play -l till-a -e "velmorando_layout=$layout1" || fail "the half-written keyboard was not repaired"
expect till-a 'changed=1 .*failed=0' "the repair was not reported as a change"
grep -q 'checksum' "$work/play.out" || fail "the repair does not say why"
vlat --port "${port[till-a]}" compare "$layout1" >/dev/null 2>&1 || fail "the repaired keyboard does not hold the layout"

# 5. A port lent to serio_raw is given back, also when the till fails; a port that
# cannot be lent fails the till with the helper's reason.
helper=$work/vlat-port
cat >"$helper" <<EOF
#!/bin/sh
echo "\$1" >>"$work/port.log"
[ "\$1" = attach ] && [ -e "$work/refuse" ] && { echo "no serio port to attach" >&2; exit 1; }
exit 0
EOF
chmod +x "$helper"
lent="-e velmorando_port=/dev/serio_raw_fleet_test -e velmorando_port_helper=$helper -e ansible_become_method=su"
# shellcheck disable=SC2086
play -l till-a $lent -e "velmorando_layout=$layout1" -e ansible_become=false && fail "a missing port succeeded"
[ "$(tr '\n' ' ' <"$work/port.log")" = "attach release " ] || fail "the port was not given back: $(cat "$work/port.log")"
touch "$work/refuse"; rm "$work/port.log"
# shellcheck disable=SC2086
play -l till-a $lent -e "velmorando_layout=$layout1" -e ansible_become=false && fail "a refused attach succeeded"
grep -q 'no serio port to attach' "$work/play.out" || fail "the attach failure does not carry its reason"
[ "$(tr '\n' ' ' <"$work/port.log")" = "attach " ] || fail "a port never lent was released"

echo "fleet playbook: rollout, refusal beyond the field, check and diff, second layout, rollback, repair, port given back"
