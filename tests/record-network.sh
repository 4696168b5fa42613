#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The child's record in a home folder on a network file system, as in a
# school lab: one folder mounted twice over SSHFS (a private sshd on a
# loopback port of its own), which share no locks, as two computers would.
# Two copies of the record's own code write 300 answers each at the same
# time, one through each mount: all 600 must be in the file, which must be
# whole and not in WAL mode.
# Usage: record-network.sh TEST_PROGRAM (tst_progress, with --write-answers)
set -euo pipefail
program=$1
each=${2:-300}
say() { echo "record-network: $*"; }
for tool in /usr/sbin/sshd sshfs ssh-keygen fusermount3 python3; do
  command -v "$tool" >/dev/null || { say "SKIP: $tool is missing (openssh-server, sshfs)"; exit 77; }
done
[ "$(id -u)" = 0 ] || { say "SKIP: mounting needs root"; exit 77; }
[ -c /dev/fuse ] || { say "SKIP: /dev/fuse is missing (no FUSE here)"; exit 77; }
py=/usr/bin/python3; [ -x "$py" ] || py=python3

work=$(mktemp -d)
sshd=""
mounts=()
cleanup() {
  local m
  for m in "${mounts[@]}"; do fusermount3 -u -z "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true; done
  if [ -n "$sshd" ]; then kill "$sshd" 2>/dev/null || true; wait "$sshd" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/shared" "$work/m1" "$work/m2"
chmod 755 "$work"

# A port nobody listens on.
port=$("$py" -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
ssh-keygen -q -t ed25519 -N '' -f "$work/hostkey"
ssh-keygen -q -t ed25519 -N '' -f "$work/userkey"
cp "$work/userkey.pub" "$work/authorized_keys"
cat > "$work/sshd_config" <<EOF
Port $port
ListenAddress 127.0.0.1
HostKey $work/hostkey
AuthorizedKeysFile $work/authorized_keys
StrictModes no
UsePAM no
PasswordAuthentication no
KbdInteractiveAuthentication no
PermitRootLogin prohibit-password
PidFile $work/sshd.pid
Subsystem sftp internal-sftp
LogLevel ERROR
EOF
# sshd insists on its privilege separation folder.
mkdir -p /run/sshd
/usr/sbin/sshd -D -e -f "$work/sshd_config" 2>"$work/sshd.log" &
sshd=$!
for m in m1 m2; do
  for _ in $(seq 50); do
    if sshfs -p "$port" -o "IdentityFile=$work/userkey,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null,BatchMode=yes" \
         "root@127.0.0.1:$work/shared" "$work/$m" 2>>"$work/sshfs.log"; then
      mounts+=("$work/$m")
      break
    fi
    sleep 0.2
  done
  mountpoint -q "$work/$m" || { say "SKIP: sshfs could not mount: $(tail -n 2 "$work/sshfs.log")"; exit 77; }
done

start=$(date +%s.%N)
QT_QPA_PLATFORM=offscreen "$program" --write-answers "$work/m1/progress.sqlite" "$each" >"$work/c1.log" 2>&1 &
c1=$!
QT_QPA_PLATFORM=offscreen "$program" --write-answers "$work/m2/progress.sqlite" "$each" >"$work/c2.log" 2>&1 &
c2=$!
rc=0
wait "$c1" || rc=1
wait "$c2" || rc=1
took=$(echo "$(date +%s.%N) - $start" | bc 2>/dev/null || echo "?")
for m in "${mounts[@]}"; do fusermount3 -u "$m"; done
mounts=()

read -r rows check mode < <("$py" - "$work/shared/progress.sqlite" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
print(db.execute("SELECT COUNT(*) FROM answer_rows").fetchone()[0],
      db.execute("PRAGMA integrity_check").fetchone()[0],
      db.execute("PRAGMA journal_mode").fetchone()[0])
PY
)
say "two copies, one mount each, $each answers each: $rows rows in the file, integrity $check, journal $mode (${took} s)"
if [ "$rc" != 0 ]; then say "a copy failed or was told something"; cat "$work/c1.log" "$work/c2.log"; exit 1; fi
[ "$rows" = "$((2 * each))" ] || { say "expected $((2 * each)) rows"; exit 1; }
[ "$check" = ok ] || { say "the file is not whole"; exit 1; }
[ "$mode" != wal ] || { say "WAL on a network file system"; exit 1; }
ls "$work/shared" | grep -q '\.lock$' && { say "a lock file was left behind"; exit 1; }
say "ok"
