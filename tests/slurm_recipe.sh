#!/usr/bin/env bash
# The README's Slurm recipe on a one-node cluster of this machine: munge, slurmctld and slurmd
# started in a temporary folder on free loopback ports (and stopped at the end), a job written
# from the top of a tree of videos, submitted as an array job of 3 from another folder with
# --slice auto: every video is made once, and --check says so (and said what was missing before).
#
#   tests/slurm_recipe.sh CLI_FOLDER MEDIA_FOLDER
set -euo pipefail
cli_folder=$1
media=$2
export PATH="$cli_folder:$PATH"
work=$(mktemp -d)
daemons=()
stop_cluster() {
    for pid in "${daemons[@]}"; do kill "$pid" 2> /dev/null || true; done
    for pid in "${daemons[@]}"; do wait "$pid" 2> /dev/null || true; done
    rm -rf "$work"
}
trap stop_cluster EXIT
fail() { echo "FAIL: $*"; for f in "$work"/log/*; do echo "== $f"; tail -20 "$f"; done; exit 1; }

# The cluster: its own munge key and socket, its own state, two free ports.
cluster=$work/cluster
mkdir -p "$cluster/munge" "$cluster/state" "$cluster/spool" "$work/log"
chmod 700 "$cluster/munge"
head -c 1024 /dev/urandom > "$cluster/munge/munge.key"
chmod 400 "$cluster/munge/munge.key"
munged --force --foreground --socket="$cluster/munge/socket" --key-file="$cluster/munge/munge.key" \
    --log-file="$work/log/munged.log" --pid-file="$cluster/munge/pid" \
    --seed-file="$cluster/munge/seed" > "$work/log/munged.out" 2>&1 &
daemons+=($!)
read -r controller_port node_port < <(python3 -c '
import socket
ports = []
held = []
for _ in range(2):
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    held.append(s)
    ports.append(str(s.getsockname()[1]))
print(" ".join(ports))')
node=$(hostname -s)
export SLURM_CONF=$cluster/slurm.conf
cat > "$SLURM_CONF" << CONF
ClusterName=tolvanetest
SlurmctldHost=$node(127.0.0.1)
SlurmctldPort=$controller_port
SlurmdPort=$node_port
AuthType=auth/munge
AuthInfo=socket=$cluster/munge/socket
CredType=cred/munge
SlurmUser=$(id -un)
StateSaveLocation=$cluster/state
SlurmdSpoolDir=$cluster/spool/%n
SlurmctldPidFile=$cluster/slurmctld.pid
SlurmdPidFile=$cluster/slurmd.pid
SlurmctldLogFile=$work/log/slurmctld.log
SlurmdLogFile=$work/log/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SchedulerType=sched/builtin
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
ReturnToService=2
MpiDefault=none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
SwitchType=switch/none
NodeName=$node NodeAddr=127.0.0.1 CPUs=$(nproc) RealMemory=1000 State=UNKNOWN
PartitionName=test Nodes=$node Default=YES MaxTime=INFINITE State=UP
CONF
for _ in $(seq 50); do [ -S "$cluster/munge/socket" ] && break; sleep 0.1; done
slurmctld -D -i -f "$SLURM_CONF" > "$work/log/slurmctld.out" 2>&1 &
daemons+=($!)
slurmd -D -f "$SLURM_CONF" -N "$node" > "$work/log/slurmd.out" 2>&1 &
daemons+=($!)
for _ in $(seq 300); do
    sinfo -h -o %t 2> /dev/null | grep -qx idle && break
    sleep 0.1
done
sinfo -h -o %t | grep -qx idle || fail "the node never came up"

# A tree of videos, and the job written from its top (its sources are relative to it).
mkdir -p "$work/videos/talks" "$work/videos/trips/2024"
cp "$media/short_1s.mp4" "$work/videos/a.mp4"
cp "$media/odd_5.72.mp4" "$work/videos/trips/2024/beach day.mp4"
cp "$media/ac3_51.mkv" "$work/videos/trips/2024/night.mkv"
cp "$media/mpeg4_mp3.avi" "$work/videos/talks/lecture.avi"
cp "$media/audio_only.m4a" "$work/videos/talks/sound.mkv"
(cd "$work/videos" &&
    find . -type f -print0 | sort -z |
    xargs -0 tolvane-cli -q --keep-folders -f ogg -o ../audio --write-job tree.tolvane-job)
grep -q '"source": "talks/lecture.avi"' "$work/videos/tree.tolvane-job" ||
    fail "the job's sources are not relative to it"
expected=(a trips/2024/beach\ day trips/2024/night talks/lecture talks/sound)

# Before: everything is missing.
mkdir -p "$work/elsewhere"
cd "$work/elsewhere"
status=0
tolvane-cli --job ../videos/tree.tolvane-job --check -o "$work/audio" > before.txt 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "--check before the run exited $status"
[ "$(grep -c '^Missing' before.txt)" -eq ${#expected[@]} ] || fail "$(cat before.txt)"

# The recipe: an array job of 3, submitted from another folder.
sbatch --wait --array=1-3 --output="$work/log/task-%a.out" \
    --wrap "tolvane-cli -q --skip-existing --job '$work/videos/tree.tolvane-job' --slice auto -o '$work/audio'" \
    > /dev/null || fail "the array job failed"
for name in "${expected[@]}"; do
    out="$work/audio/$name.ogg"
    ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$out" | grep -qx vorbis ||
        fail "no playable $out"
done
made=$(find "$work/audio" -type f | wc -l)
[ "$made" -eq ${#expected[@]} ] || fail "$made files for ${#expected[@]} videos: $(find "$work/audio" -type f)"
for task in 1 2 3; do
    [ -s "$work/log/task-$task.out" ] || fail "array task $task said nothing"
done

# After: --check says every row is made, and exits 0.
tolvane-cli --job ../videos/tree.tolvane-job --check -o "$work/audio" > after.txt 2>&1 ||
    fail "--check after the run: $(cat after.txt)"
[ "$(grep -c '^Made' after.txt)" -eq ${#expected[@]} ] || fail "$(cat after.txt)"
echo "slurm recipe: ${#expected[@]} files made once by an array job of 3; --check agrees"
