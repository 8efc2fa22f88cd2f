#!/usr/bin/env bash
# The keyboard port on a real kernel: boots Debian's own kernel under QEMU with
# an i8042 controller and a PS/2 keyboard, and runs tests/kernel/in-guest.sh in
# it against the programs of the build tree (vlat-port, serio_raw, vlat-cli).
# The guest sees this machine's root read-only (9p) under a tmpfs overlay, so it
# runs the freshly built programs without copying them. Its results come back on
# the serial console; QEMU's monitor types the keys for the monitor test.
#
#   scripts/kernel-test.sh [BUILD_DIR]     (default build/default, already built)
#
# The kernel package is fetched once into $VLAT_KERNEL_CACHE (default
# ~/.cache/velmorando-kernel) and reused. Skips (exit 0) only when QEMU cannot
# run at all; any failed step fails the run. VLAT_KERNEL_ACCEL=tcg keeps KVM
# out even where /dev/kvm is usable.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build_dir=$(realpath "${1:-build/default}")
cache=${VLAT_KERNEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmorando-kernel}
started=$SECONDS

say() { echo "kernel-test: $*"; }
fail() { say "FAILED: $*" >&2; exit 1; }

qemu=$(command -v qemu-system-x86_64 || true)
if [ -z "$qemu" ] || ! "$qemu" -version >/dev/null 2>&1; then
  say "skipped: qemu-system-x86_64 cannot run here (install qemu-system-x86)"
  exit 0
fi
for tool in busybox depmod modprobe cpio dpkg xz; do
  command -v "$tool" >/dev/null || PATH=$PATH:/sbin:/usr/sbin command -v "$tool" >/dev/null ||
    fail "$tool is missing (scripts/setup.sh installs it)"
done
export PATH=$PATH:/sbin:/usr/sbin
for program in src/cli/vlat-cli src/port-helper/vlat-port tests/kernel/test_kernel_port; do
  [ -x "$build_dir/$program" ] || fail "$build_dir/$program is not built"
done

# The versioned kernel package that linux-image-amd64 stands for, fetched and
# unpacked once. Without the package lists the newest one in the cache serves.
mkdir -p "$cache"
package=$(apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-[0-9]/ {print $2; exit}')
if [ -z "$package" ]; then
  package=$(cd "$cache" && ls -d linux-image-*/ 2>/dev/null | sort -V | tail -n1 | tr -d /)
  [ -n "$package" ] || fail "apt knows no linux-image-amd64 and the cache $cache holds no kernel"
fi
kernel_tree=$cache/$package
if [ ! -d "$kernel_tree/boot" ]; then
  say "fetching $package into $cache"
  download=$(mktemp -d "$cache/download.XXXXXX")
  if ! (cd "$download" && apt-get download -q "$package" 2>&1 | grep -v '^W: Download is performed unsandboxed'); then
    # Stale package lists name a version the mirror no longer has.
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    (cd "$download" && apt-get download -q "$package")
  fi
  dpkg -x "$download"/*.deb "$download/tree"
  depmod -b "$download/tree" "$(ls "$download/tree/lib/modules")"
  rm -rf "$kernel_tree" && mv "$download/tree" "$kernel_tree"
  rm -rf "$download"
fi
release=$(ls "$kernel_tree/lib/modules")
# The kernel uncompressed: QEMU boots the ELF image directly (PVH), which spares
# the emulated processor half a minute of decompression.
kernel=$kernel_tree/boot/vmlinux-$release
if [ ! -s "$kernel" ]; then
  compressed=$kernel_tree/boot/vmlinuz-$release
  offset=$(LC_ALL=C grep -obUaP '\xfd7zXZ\x00' "$compressed" | head -n1 | cut -d: -f1)
  [ -n "$offset" ] || fail "$compressed holds no xz-compressed kernel"
  # xz stops with an error at what follows the stream; the ELF header tells.
  tail -c +$((offset + 1)) "$compressed" | xz -dc >"$kernel.part" 2>/dev/null || true
  [ "$(head -c 4 "$kernel.part" | od -An -c | tr -d ' ')" = '177ELF' ] || fail "$compressed did not unpack"
  mv "$kernel.part" "$kernel"
fi

# The initramfs: busybox, the modules for the shared root (virtio, 9p, overlay)
# and serio_raw with what they need, in a depmod'ed tree. Rebuilt every run:
# it takes a second.
work=$build_dir/kernel-test
rm -rf "$work" && mkdir -p "$work/initramfs"
initramfs=$work/initramfs
mkdir -p "$initramfs"/{bin,proc,sys,dev,host,rw,new,lib/modules/"$release"}
cp "$(command -v busybox)" "$initramfs/bin/busybox"
for applet in sh mount umount mkdir modprobe chroot cp mv rm cat poweroff sleep ls echo; do
  ln -s busybox "$initramfs/bin/$applet"
done
modules=(virtio_pci 9pnet_virtio 9p overlay serio_raw)
modprobe -a -d "$kernel_tree" -S "$release" --show-depends "${modules[@]}" |
  awk '$1 == "insmod" {print $2}' | sort -u | while read -r module; do
    target=$initramfs/lib/modules/$release/${module#"$kernel_tree/lib/modules/$release/"}
    mkdir -p "$(dirname "$target")" && cp "$module" "$target"
  done
cp "$kernel_tree/lib/modules/$release"/modules.{order,builtin,builtin.modinfo} "$initramfs/lib/modules/$release/"
depmod -b "$initramfs" "$release"
cat >"$initramfs/init" <<'EOF'
#!/bin/sh
# Mounts this machine's root (9p, read-only) under a tmpfs overlay, gives it
# the kernel's modules, and runs the test script named on the command line there.
export PATH=/bin
mount -t proc proc /proc && mount -t sysfs sys /sys && mount -t devtmpfs dev /dev
for arg in $(cat /proc/cmdline); do
  case $arg in vlat.script=*) script=${arg#*=} ;; vlat.build=*) build=${arg#*=} ;; esac
done
for module in virtio_pci 9pnet_virtio 9p overlay; do modprobe $module; done
mount -t 9p -o trans=virtio,version=9p2000.L,ro,msize=512000,cache=loose hostroot /host &&
  mount -t tmpfs -o size=256m tmpfs /rw && mkdir /rw/upper /rw/work &&
  mount -t overlay -o lowerdir=/host,upperdir=/rw/upper,workdir=/rw/work overlay /new ||
  echo "VLAT-KERNEL-TEST: the host's root could not be mounted"
for place in proc sys dev tmp run; do mkdir -p /new/$place; done
mount -t proc proc /new/proc && mount -t sysfs sys /new/sys && mount -t devtmpfs dev /new/dev
# /tmp stays the host's, seen through the overlay (writes go to its tmpfs), so a
# tree checked out under /tmp is found there.
mount -t tmpfs tmpfs /new/run
mkdir -p /new/lib/modules && cp -a /lib/modules/* /new/lib/modules/
chroot /new /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  /bin/bash "$script" "$build" </dev/console >/dev/console 2>&1
echo "VLAT-KERNEL-TEST-END"
poweroff -f
EOF
chmod +x "$initramfs/init"
(cd "$initramfs" && find . | cpio -o -H newc --quiet) | gzip -1 >"$work/initramfs.cpio.gz"

console=$work/console.log
monitor=$work/monitor
mkfifo "$monitor.in" "$monitor.out"

# boot ACCEL WAIT: runs the guest to its end on kvm or tcg. The guest asks for
# key presses with a line of its own; each is a QEMU sendkey. A guest that has
# not started its tests after WAIT seconds is stuck in the boot, and one that
# KVM cannot run (a nested /dev/kvm that fails) is stopped.
boot() {
  say "booting $package ($1); console in $console"
  : >"$console"
  boot_started=$SECONDS
  timeout "${VLAT_KERNEL_TIMEOUT:-900}" "$qemu" -accel "$1" -M pc -m 768 -smp 1 -nodefaults \
    -display none -no-reboot -nic none \
    -serial "file:$console" -monitor "pipe:$monitor" \
    -virtfs "local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap" \
    -kernel "$kernel" -initrd "$work/initramfs.cpio.gz" \
    -append "console=ttyS0 quiet panic=-1 no_timer_check vlat.script=$source_dir/tests/kernel/in-guest.sh vlat.build=$build_dir" \
    2>"$work/qemu.err" &
  qemu_pid=$!
  cat "$monitor.out" >>"$work/monitor.log" &
  exec 7>"$monitor.in"
  trap 'kill $qemu_pid 2>/dev/null || true' EXIT
  local typed=0
  while kill -0 $qemu_pid 2>/dev/null; do
    if grep -q 'KVM internal error' "$work/qemu.err" ||
      { [ $((SECONDS - boot_started)) -gt "$2" ] && ! grep -q '^VLAT-KERNEL-TEST:' "$console"; }; then
      say "the guest did not boot ($1)"
      kill $qemu_pid
      break
    fi
    if [ $typed -eq 0 ] && grep -q '^VLAT-SENDKEYS' "$console" 2>/dev/null; then
      for key in $(sed -n 's/^VLAT-SENDKEYS //p' "$console" | head -n1 | tr -d '\r'); do
        echo "sendkey $key" >&7
        sleep 0.3
      done
      typed=1
    fi
    sleep 0.5
  done
  wait $qemu_pid || true
  exec 7>&-
  trap - EXIT
}

# KVM boots in seconds where it works; where /dev/kvm is there but fails, a
# minute is lost before the emulator takes over.
if [ "${VLAT_KERNEL_ACCEL:-}" != tcg ] && [ -r /dev/kvm ] && [ -w /dev/kvm ]; then
  boot kvm 60
  grep -q '^VLAT-KERNEL-TEST:' "$console" || boot tcg 300
else
  boot tcg 300
fi

sed 's/\r$//' "$console" | grep -E '^(PASS|FAIL|VLAT-)' || true
say "guest ran $((SECONDS - boot_started)) s, all told $((SECONDS - started)) s"
grep -q '^VLAT-KERNEL-TEST-END' "$console" || fail "the guest did not finish (see $console)"
grep -q $'^FAIL\|^VLAT-KERNEL-TEST: .*could not' "$console" && fail "a step failed (see $console)"
passed=$(grep -c '^PASS' "$console" || true)
[ "$passed" -gt 0 ] || fail "no step ran (see $console)"
say "$passed steps passed"
