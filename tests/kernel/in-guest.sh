#!/bin/bash
# Runs inside the QEMU guest that scripts/kernel-test.sh boots (root, the real
# kernel's i8042 keyboard port with QEMU's plain PS/2 keyboard behind it), with
# the build folder as its argument. Every step prints "PASS name (N s)" or
# "FAIL name" with what went wrong; the host counts them on the serial console.
# "VLAT-SENDKEYS keys..." asks the host to type those keys through QEMU's monitor.
set -u
build=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
vlat_port=$build/src/port-helper/vlat-port
vlat_cli=$build/src/cli/vlat-cli
device=/dev/serio_raw0
# The guest sees the host's home: the tools must not find its settings.
export HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config
mkdir -p "$HOME"
work=/tmp/kernel-test
mkdir -p "$work"

# How long a command on the plain keyboard may take: three identify attempts
# with their resets take about 11 s; the emulator on a busy machine, more.
bounded=90
plain_keyboard="На порту обычная клавиатура, не программируемая."

# step NAME COMMAND...: the command is a shell function that fails with a
# message on standard error.
step() {
  local name=$1 started=$SECONDS output
  shift
  if output=$("$@" 2>&1); then
    echo "PASS $name ($((SECONDS - started)) s)"
  else
    echo "FAIL $name ($((SECONDS - started)) s)"
    sed 's/^/    /' <<<"$output"
  fi
}

# expect CODE TEXT COMMAND...: the command exits with CODE and says TEXT
# (on either stream); its output is kept in $work/last.
expect() {
  local code=$1 text=$2 actual
  shift 2
  "$@" >"$work/last" 2>&1
  actual=$?
  if [ "$actual" -ne "$code" ] || ! grep -qF -- "$text" "$work/last"; then
    echo "$* exited $actual (wanted $code with \"$text\"):"
    cat "$work/last"
    return 1
  fi
}

port_driver_is() {
  expect 0 "serio0: $1" "$vlat_port" status
}

status_on_atkbd() { port_driver_is "atkbd (the keyboard types)"; }

release_when_released() { expect 0 "serio0: already atkbd" "$vlat_port" release; }

attach_loads_serio_raw() {
  if grep -q '^serio_raw ' /proc/modules; then echo "serio_raw is loaded before attach"; return 1; fi
  expect 0 "serio0: serio_raw $device" "$vlat_port" attach || return 1
  grep -q '^serio_raw ' /proc/modules || { echo "attach did not load serio_raw"; return 1; }
  [ -c "$device" ] || { echo "no character device $device"; return 1; }
  port_driver_is "serio_raw $device"
}

attach_when_attached() { expect 0 "serio0: already serio_raw $device" "$vlat_port" attach; }

# udev's own reading of the package's rule for the new device.
udev_rule_gives_plugdev() {
  if ! command -v udevadm >/dev/null; then echo "udevadm is not installed"; return 1; fi
  mkdir -p /etc/udev/rules.d
  cp "$source_dir/packaging/60-velmorando-serio-raw.rules" /etc/udev/rules.d/
  udevadm test --action=add /sys/class/misc/serio_raw0 >"$work/udev" 2>&1
  local rule="60-velmorando-serio-raw.rules:[0-9]* " plugdev
  plugdev=$(getent group plugdev | cut -d: -f3)
  if ! grep -q "${rule}GROUP $plugdev\$" "$work/udev" || ! grep -q "${rule}MODE 0660\$" "$work/udev"; then
    grep -v 'Reading rules file' "$work/udev" | tail -40
    return 1
  fi
}

port_program_test() { "$build/tests/kernel/test_kernel_port" --gtest_brief=1; }

# A plain keyboard answers the standard commands but not the identify command.
identify_on_plain_keyboard() {
  local started=$SECONDS
  expect 3 "$plain_keyboard" "$vlat_cli" identify || return 1
  [ $((SECONDS - started)) -le $bounded ] || { echo "identify took $((SECONDS - started)) s"; return 1; }
  port_driver_is "serio_raw $device"
}

info_on_plain_keyboard() {
  local started=$SECONDS
  expect 3 "$plain_keyboard" "$vlat_cli" --port "$device" info || return 1
  [ $((SECONDS - started)) -le $bounded ] || { echo "info took $((SECONDS - started)) s"; return 1; }
}

download_refused_on_plain_keyboard() {
  local started=$SECONDS
  expect 3 "$plain_keyboard" "$vlat_cli" download "$source_dir/data/examples/cash-register.vld" --yes ||
    return 1
  [ $((SECONDS - started)) -le $bounded ] || { echo "download took $((SECONDS - started)) s"; return 1; }
  # The user attached the port; the CLI leaves it so.
  port_driver_is "serio_raw $device"
}

# monitor holds the port (a second program is told it is busy) and shows the
# keys QEMU types through the controller: a, b, Enter in scan code set 1, as the
# controller translates them.
monitor_shows_typed_keys() {
  "$vlat_cli" monitor --show hex --seconds 60 >"$work/monitor" 2>&1 &
  local monitor=$! waited=0
  until ls -l /proc/$monitor/fd 2>/dev/null | grep -q "$device"; do
    sleep 0.2
    waited=$((waited + 1))
    [ $waited -lt 100 ] || { echo "monitor never opened $device"; cat "$work/monitor"; kill $monitor; return 1; }
  done
  expect 3 "занят другой программой" "$vlat_cli" identify || { kill $monitor; return 1; }
  echo "VLAT-SENDKEYS a b ret" >/dev/console
  local expected="0x1e 0x9e 0x30 0xb0 0x1c 0x9c"
  for _ in $(seq 1 150); do
    [ "$(tr -s ' \n' '  ' <"$work/monitor" | sed 's/ *$//')" = "$expected" ] && break
    sleep 0.2
  done
  kill -INT $monitor
  wait $monitor
  local shown
  shown=$(tr -s ' \n' '  ' <"$work/monitor" | sed 's/ *$//')
  [ "$shown" = "$expected" ] || { echo "monitor showed \"$shown\", wanted \"$expected\""; return 1; }
}

release_gives_port_back() {
  expect 0 "serio0: atkbd" "$vlat_port" release || return 1
  [ ! -e "$device" ] || { echo "$device is still there"; return 1; }
  # Unloaded, so that the next attach makes serio_raw0 again, not serio_raw1.
  if grep -q '^serio_raw ' /proc/modules; then echo "serio_raw is still loaded"; return 1; fi
  status_on_atkbd
}

# The application's download with "attach the port for the download" on.
app_download_gives_port_back() {
  QT_QPA_PLATFORM=offscreen "$build/tests/kernel/test_kernel_app" -silent
}

# Without serio_raw on the machine attach changes nothing.
attach_without_serio_raw() {
  local module
  module=$(modinfo -n serio_raw) || return 1
  rmmod serio_raw 2>/dev/null
  mv "$module" "$work/serio_raw.ko"
  expect 1 "the serio_raw driver is not available; the port stays with atkbd" "$vlat_port" attach
  local result=$?
  mv "$work/serio_raw.ko" "$module"
  [ $result -eq 0 ] && status_on_atkbd
}

echo "VLAT-KERNEL-TEST: $(uname -r), guest up $(cut -d' ' -f1 /proc/uptime) s"
step "vlat-port status on atkbd" status_on_atkbd
step "vlat-port release when released" release_when_released
step "vlat-port attach loads serio_raw" attach_loads_serio_raw
step "vlat-port attach when attached" attach_when_attached
step "udev rule gives the device to plugdev" udev_rule_gives_plugdev
step "SerioRawPort on $device" port_program_test
step "monitor shows typed keys, the port busy meanwhile" monitor_shows_typed_keys
step "identify on a plain keyboard" identify_on_plain_keyboard
step "info on a plain keyboard" info_on_plain_keyboard
step "download refused on a plain keyboard" download_refused_on_plain_keyboard
step "vlat-port release gives the port to atkbd" release_gives_port_back
step "vlat-port release when released again" release_when_released
if [ -x "$build/tests/kernel/test_kernel_app" ]; then
  step "the application's download on a plain keyboard gives the port back" app_download_gives_port_back
else
  echo "SKIP the application's download (the application is not built)"
fi
step "vlat-port attach without serio_raw" attach_without_serio_raw
echo "VLAT-KERNEL-TEST: done, guest up $(cut -d' ' -f1 /proc/uptime) s"
