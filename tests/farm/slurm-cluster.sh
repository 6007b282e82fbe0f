#!/usr/bin/env bash
# A single-node Slurm cluster for the farm tests, everything under one
# folder: munge with its own key and socket, slurmctld and slurmd on free
# local ports, their state, spool, pid and log files.
#
#   slurm-cluster.sh start DIR [OWNER]
#       brings it up and waits until the node is idle; prints the SLURM_CONF
#       to export.  With OWNER (a process id) the cluster is stopped when
#       that process ends, however it ends (a test run killed on a timeout
#       leaves no daemon behind).
#   slurm-cluster.sh stop DIR
#       cancels the jobs left, and stops every daemon started in DIR by the
#       pid recorded when it started
#
# start exits with 77 when Slurm cannot run here (not root, programs
# missing), saying why.  Every Slurm command needs SLURM_CONF=DIR/slurm.conf:
# without it the client looks its configuration up over the network.
set -euo pipefail

cmd=${1:-} dir=${2:-} owner=${3:-}
usage() {
  echo "usage: $0 start DIR [OWNER] | stop DIR" >&2
  exit 2
}
[[ -n $cmd && -n $dir ]] || usage
dir=$(realpath -m "$dir")

# True while the process runs.  A daemon whose starter has gone is nobody's
# child, and where process 1 reaps no orphans it stays a zombie once it
# ends: that counts as ended.
running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $state != Z* ]]
}

# Asks a process to end, then tells it.
end_process() {
  local pid=$1
  if running "$pid" && kill -TERM "$pid" 2>/dev/null; then
    for _ in $(seq 50); do running "$pid" || break; sleep 0.1; done
    if running "$pid"; then kill -KILL "$pid" 2>/dev/null || true; fi
  fi
}

# Stops the daemons in reverse order of starting.  Jobs still running (a
# test run that was killed) are cancelled first, so that no job step
# outlives the cluster; a step that does anyway is one of this cluster's
# if it carries the cluster's SLURM_CONF, which it has from slurmd.
stop() {
  local name pid
  if [[ -f $dir/pids/slurmctld ]] && running "$(<"$dir/pids/slurmctld")"; then
    export SLURM_CONF=$dir/slurm.conf
    scancel --partition=farm 2>/dev/null || true
    for _ in $(seq 50); do [[ -z $(squeue -h 2>/dev/null) ]] && break; sleep 0.1; done
  fi
  for name in watcher slurmd slurmctld munged; do
    [[ -f $dir/pids/$name ]] || continue
    end_process "$(<"$dir/pids/$name")"
    rm -f "$dir/pids/$name"
  done
  for pid in $(pgrep -x slurmstepd || true); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "SLURM_CONF=$dir/slurm.conf"; then
      end_process "$pid"
    fi
  done
}

if [[ $cmd == stop ]]; then
  stop
  exit 0
fi
[[ $cmd == start ]] || usage

skip() {
  echo "SKIP: $*" >&2
  exit 77
}
[[ $(id -u) == 0 ]] || skip "Slurm's daemons need root (this is uid $(id -u))"
for p in munged slurmctld slurmd sbatch squeue sinfo scontrol scancel setpriv ps pgrep python3; do
  command -v "$p" >/dev/null || skip "$p is not installed (scripts/deps.sh installs Slurm and munge)"
done
id munge >/dev/null 2>&1 || skip "there is no munge user (the munge package makes it)"

mkdir -p "$dir"/{state,spool,log,pids,munge}
chmod 755 "$dir"
# munged runs as its own user and must reach its folder.
setpriv --reuid=munge --regid=munge --init-groups test -x "$dir" ||
  { echo "the munge user cannot reach $dir: open the folders above it to others (chmod o+x)" >&2; exit 1; }
# An early failure takes down what did start.
trap 'stop' ERR

# munge: its own key and socket, run as its own user.
chown munge: "$dir/munge"
chmod 755 "$dir/munge"
head -c 1024 /dev/urandom >"$dir/munge/munge.key"
chown munge: "$dir/munge/munge.key"
chmod 400 "$dir/munge/munge.key"
socket=$dir/munge/munge.socket
setpriv --reuid=munge --regid=munge --init-groups munged --foreground --socket="$socket" --key-file="$dir/munge/munge.key" \
  --pid-file="$dir/munge/munged.pid" --log-file="$dir/munge/munged.log" \
  --seed-file="$dir/munge/munged.seed" </dev/null >>"$dir/log/munged.out" 2>&1 &
echo $! >"$dir/pids/munged"

# Two free local ports, found by binding to port 0.
read -r ctld_port slurmd_port < <(python3 -c '
import socket
s = [socket.socket() for _ in range(2)]
for x in s: x.bind(("127.0.0.1", 0))
print(*(x.getsockname()[1] for x in s))')

# Never more processors than the machine has, or the node drains.
cat >"$dir/slurm.conf" <<CONF
ClusterName=fntest
SlurmctldHost=localhost(127.0.0.1)
SlurmctldPort=$ctld_port
SlurmdPort=$slurmd_port
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$socket
CredType=cred/munge
StateSaveLocation=$dir/state
SlurmdSpoolDir=$dir/spool
SlurmctldPidFile=$dir/slurmctld.pid
SlurmdPidFile=$dir/slurmd.pid
SlurmctldLogFile=$dir/log/slurmctld.log
SlurmdLogFile=$dir/log/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
SchedulerParameters=batch_sched_delay=0
MailProg=/bin/true
ReturnToService=2
NodeName=localhost NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=farm Nodes=localhost Default=YES MaxTime=INFINITE State=UP
CONF
export SLURM_CONF=$dir/slurm.conf

for _ in $(seq 100); do [[ -S $socket ]] && break; sleep 0.05; done
[[ -S $socket ]] || { echo "munged did not start: $(tail -1 "$dir/log/munged.out")" >&2; false; }

slurmctld -D -i </dev/null >>"$dir/log/slurmctld.out" 2>&1 &
echo $! >"$dir/pids/slurmctld"
slurmd -D -N localhost </dev/null >>"$dir/log/slurmd.out" 2>&1 &
echo $! >"$dir/pids/slurmd"

if [[ -n $owner ]]; then
  setsid bash -c 'while ps -p "$1" >/dev/null; do sleep 1; done; rm -f "$3/pids/watcher"; exec "$2" stop "$3"' \
    watcher "$owner" "$(realpath "$0")" "$dir" </dev/null >/dev/null 2>&1 &
  echo $! >"$dir/pids/watcher"
fi

# Up when the node takes work.
for _ in $(seq 200); do
  state=$(sinfo -h -n localhost -o %T 2>/dev/null || true)
  [[ $state == idle ]] && { echo "$SLURM_CONF"; exit 0; }
  sleep 0.1
done
echo "the node did not come up (state: ${state:-none}); see $dir/log" >&2
tail -5 "$dir/log/slurmctld.log" "$dir/log/slurmd.log" >&2 || true
false
