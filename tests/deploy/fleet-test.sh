#!/usr/bin/env bash
# The fleet playbook against this machine (-i localhost, -c local) with
# vlat-kbdsim as the till's keyboard: the first run writes the keyboard, the
# second changes nothing, a till without its port fails with vlat-cli's message.
# Usage: fleet-test.sh PLAYBOOK VLAT-CLI VLAT-KBDSIM DATA-DIR LAYOUT
set -euo pipefail
playbook=$1 cli=$2 kbdsim=$3 data=$4 layout=$5

work=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config ANSIBLE_LOCAL_TEMP=$work/ansible ANSIBLE_REMOTE_TMP=$work/ansible \
       ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0 ANSIBLE_HOME=$work/ansible

# The simulated till keyboard on a pseudo-terminal; its first line is the terminal.
start_keyboard() {
  mkfifo "$work/sim.in" 2>/dev/null || true
  "$kbdsim" --type 0105 --controller 1.7 --state "$work/state" --data "$data" <"$work/sim.in" >"$work/sim.out" &
  sim_pid=$!
  exec 3>"$work/sim.in"  # keeps its input open
  for _ in $(seq 100); do
    port=$(head -n1 "$work/sim.out" 2>/dev/null || true)
    [ -n "$port" ] && return 0
    sleep 0.1
  done
  echo "vlat-kbdsim did not start"; exit 1
}
stop_keyboard() {
  kill "$sim_pid"; wait "$sim_pid" || true; sim_pid=
  exec 3>&-
}

play() {  # play PORT: the playbook's output in $work/play.out, its exit status returned
  ansible-playbook -v -i localhost, -c local "$playbook" \
    -e ansible_python_interpreter=/usr/bin/python3 \
    -e "velmorando_layout=$layout velmorando_port=$1 velmorando_cli=$cli velmorando_data=$data" \
    -e "velmorando_backup_dir=$work/backups velmorando_work_dir=$work/till" >"$work/play.out" 2>&1
}
recap() { grep -E '^localhost +:' "$work/play.out"; }
fail() { echo "FAIL: $*"; cat "$work/play.out"; exit 1; }

start_keyboard
# A new keyboard's memory is erased; a cleared one holds an empty layout.
"$cli" --data "$data" --port "$port" clear --yes >/dev/null 2>&1 || fail "clear"

play "$port" || fail "the first run failed"
recap | grep -q 'changed=1 .*failed=0' || fail "the first run did not write the keyboard: $(recap)"
[ "$(find "$work/backups" -name 'localhost-*.vld' | wc -l)" -eq 1 ] || fail "no backup kept"

play "$port" || fail "the second run failed"
recap | grep -q 'changed=0 .*failed=0' || fail "the second run changed something: $(recap)"

# The keyboard's memory, kept across a restart, holds the layout.
stop_keyboard
start_keyboard
"$cli" --data "$data" --port "$port" compare "$layout" >/dev/null 2>&1 || fail "the keyboard does not hold the layout"
stop_keyboard

if play "$work/serio_raw7"; then fail "a missing port succeeded"; fi
recap | grep -q 'changed=0 .*failed=1' || fail "a missing port did not fail the till: $(recap)"
grep -q "serio_raw7" "$work/play.out" || fail "the failure does not carry vlat-cli's message"
echo "fleet playbook: written once, then unchanged; a missing port fails the till"
