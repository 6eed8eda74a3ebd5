#!/usr/bin/env bash
# Brings up a one-node Slurm on this machine (munged, slurmctld and slurmd with
# a configuration of their own in a temporary folder, nothing under /etc), runs
# studies through scripts/slurm-study.sh as job arrays and compares the merged
# output byte for byte with the unsharded study; a part that fails must be
# named. Stops every daemon and job it started, also on failure.
# Where Slurm cannot start, it says why (with the daemons' last log lines) and
# fails when CI is set; elsewhere it is skipped (exit 77).
# Usage: test_slurm_study.sh LAMVERO_BATCH SLURM_STUDY_SCRIPT
set -u
batch=$(realpath "$1")
script=$(realpath "$2")
tmp=$(mktemp -d /tmp/lamvero-slurm.XXXXXX)
chmod 755 "$tmp"  # munged wants every folder above its socket open to all
daemons=() daemon_names=()
failures=0

stop_all() {
  if [ ${#daemons[@]} -ge 2 ]; then  # the controller runs: no job may outlive the test
    scancel --quiet --user="$(id -un)" 2>/dev/null
    for _ in $(seq 100); do [ -z "$(squeue --noheader 2>/dev/null)" ] && break; sleep 0.1; done
  fi
  local i pid
  for ((i = ${#daemons[@]} - 1; i >= 0; i--)); do
    pid=${daemons[i]}
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$tmp"
}
trap stop_all EXIT
trap 'exit 1' INT TERM

fail() { echo "FAIL: $*"; failures=1; }

unavailable() {
  echo "Slurm lässt sich auf diesem Rechner nicht starten: $*"
  local log
  for log in "$tmp"/log/*; do
    [ -s "$log" ] && { echo "--- $(basename "$log"):"; tail -n 15 "$log"; }
  done
  if [ -n "${CI:-}" ]; then echo "FAIL: CI=$CI verlangt den Slurm-Test"; exit 1; fi
  echo "SKIP: außerhalb von CI übersprungen"
  exit 77
}

# A port nobody on this machine uses, neither listening nor connected.
free_port() {
  local port
  while true; do
    port=$((20000 + RANDOM % 40000))
    grep -qi "$(printf ':%04X ' "$port")" /proc/net/tcp /proc/net/tcp6 2>/dev/null || break
  done
  echo "$port"
}

write_config() {
  local node=$1 ctld_port=$2 slurmd_port
  slurmd_port=$(free_port)
  while [ "$slurmd_port" = "$ctld_port" ]; do slurmd_port=$(free_port); done
  cat >"$tmp/slurm.conf" <<EOF
ClusterName=lamvero-test
SlurmctldHost=$node(127.0.0.1)
SlurmctldPort=$ctld_port
SlurmdPort=$slurmd_port
SlurmUser=$(id -un)
SlurmdUser=$(id -un)
AuthType=auth/munge
AuthInfo=socket=$tmp/run/munge.socket
CredType=cred/munge
StateSaveLocation=$tmp/state
SlurmdSpoolDir=$tmp/spool
SlurmctldPidFile=$tmp/run/slurmctld.pid
SlurmdPidFile=$tmp/run/slurmd.pid
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
MpiDefault=none
ReturnToService=2
KillWait=5
NodeName=$node NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=studie Nodes=$node Default=YES MaxTime=INFINITE State=UP
EOF
}

node_state() { sinfo --noheader --format=%T 2>/dev/null | head -n 1; }

start_slurm() {
  local tool node state i
  for tool in mungekey munged slurmctld slurmd sbatch sinfo squeue scontrol scancel; do
    command -v "$tool" >/dev/null || unavailable "$tool fehlt (scripts/setup.sh installiert slurm-wlm und munge)"
  done
  mkdir -p "$tmp"/{munge,run,log,state,spool}
  chmod 700 "$tmp/munge"
  chmod 755 "$tmp/run"
  mungekey --create --keyfile="$tmp/munge/munge.key" >"$tmp/log/mungekey.log" 2>&1 ||
    unavailable "mungekey konnte keinen Schlüssel erzeugen"
  munged --foreground --socket="$tmp/run/munge.socket" --key-file="$tmp/munge/munge.key" \
    --log-file="$tmp/log/munged.log" --pid-file="$tmp/run/munged.pid" --seed-file="$tmp/munge/seed" \
    >>"$tmp/log/munged.log" 2>&1 &
  daemons+=($!) daemon_names+=(munged)
  for _ in $(seq 50); do [ -S "$tmp/run/munge.socket" ] && break; sleep 0.1; done
  [ -S "$tmp/run/munge.socket" ] || unavailable "munged hat keinen Socket angelegt"

  node=$(hostname -s)
  write_config "$node" "$(free_port)"
  export SLURM_CONF=$tmp/slurm.conf
  slurmctld -D -f "$SLURM_CONF" >"$tmp/log/slurmctld.log" 2>&1 &
  daemons+=($!) daemon_names+=(slurmctld)
  slurmd -D -f "$SLURM_CONF" -N "$node" >"$tmp/log/slurmd.log" 2>&1 &
  daemons+=($!) daemon_names+=(slurmd)
  for _ in $(seq 300); do
    state=$(node_state)
    [ "$state" = idle ] && return 0
    for i in "${!daemons[@]}"; do
      kill -0 "${daemons[i]}" 2>/dev/null || unavailable "${daemon_names[i]} hat sich beendet"
    done
    sleep 0.1
  done
  unavailable "der Knoten $node ist nach 30 s nicht bereit (sinfo: ${state:-keine Antwort})"
}

# Runs the script from a working folder of its own; its status in $status,
# its stderr in $tmp/script.err. The whole test has a time budget: past it the
# script gets SIGTERM (and cancels its job), so that the daemons are still
# stopped here rather than left behind by ctest's harder timeout.
budget=100
run_script() {
  local left=$((budget - SECONDS))
  [ "$left" -ge 1 ] || left=1
  (cd "$tmp/cwd" && exec timeout "$left" "$script" "$@") </dev/null >"$tmp/script.out" 2>"$tmp/script.err"
  status=$?
  [ "$status" -eq 124 ] && fail "$*: nach $budget s Testdauer abgebrochen"
}

expect_in_stderr() {
  grep -qF -- "$1" "$tmp/script.err" || fail "$2: stderr nennt nicht '$1': $(cat "$tmp/script.err")"
}

mkdir -p "$tmp/cwd"

# Mistakes in the options are refused before anything is submitted.
while IFS='|' read -r words args; do
  # shellcheck disable=SC2086
  run_script $args
  [ "$status" -eq 2 ] || fail "$args: Rückgabewert $status statt 2"
  expect_in_stderr "$words" "$args"
done <<EOF
--output fehlt|-n 2 -b $batch -- --vary txt_Dicke=4:8:2
keine ganze Zahl ab 1|-n 0 -b $batch -o x.csv -- --vary txt_Dicke=4:8:2
keine ganze Zahl ab 1|--cpus-per-task=1x -b $batch -o x.csv -- --vary txt_Dicke=4:8:2
die Studie fehlt|-b $batch -o x.csv --
--shard: -j und --shard setzt|-b $batch -o x.csv -- --vary txt_Dicke=4:8:2 --shard 1/2
-j4: -j und --shard setzt|-b $batch -o x.csv -- -j4 --vary txt_Dicke=4:8:2
kein ausführbares Programm|-b $tmp/fehlt -o x.csv -- --vary txt_Dicke=4:8:2
unbekannte Option --vary|-b $batch -o x.csv --vary txt_Dicke=4:8:2
EOF

# Six quick cases, the first two refused (plate too thin for the spatial step):
# in four parts, two end with 3 and two with 0, and all of them merge.
study=(--vary txt_Dicke=2:6:2 --vary 'txt_deltaT=2;4' 'txt_Ortsschrittweite=0,2')
"$batch" "${study[@]}" >"$tmp/whole.csv" 2>/dev/null
whole_status=$?

start_slurm

# The study in four parts matches the unsharded one, Slurm counts the parts
# that ended with 3 as completed, and the folder of the parts is gone afterwards.
run_script --parts 4 --cpus-per-task 1 --partition studie --time 5 --batch "$batch" -o merged.csv -- "${study[@]}"
[ "$status" -eq "$whole_status" ] || fail "Studie: Rückgabewert $status statt $whole_status: $(cat "$tmp/script.err")"
cmp "$tmp/whole.csv" "$tmp/cwd/merged.csv" || fail "Studie: zusammengesetzt nicht byte-gleich mit der ungeteilten"
states=$(scontrol show job 2>/dev/null | grep -o 'JobState=[A-Z_]*' | sort | uniq -c | xargs)
[ "$states" = "4 JobState=COMPLETED" ] || fail "Studie: Slurm meldet die Aufgaben als $states"
compgen -G "$tmp/cwd/lamvero-study.*" >/dev/null && fail "Studie: der Arbeitsordner ist geblieben"

# What Slurm refuses is reported with its reason.
run_script -n 2 -p gibt-es-nicht -b "$batch" -o refused.csv -- "${study[@]}"
[ "$status" -eq 1 ] || fail "Partition: Rückgabewert $status statt 1"
expect_in_stderr "sbatch hat den Auftrag nicht angenommen: sbatch: error: invalid partition" "Partition"
compgen -G "$tmp/cwd/lamvero-study.*" >/dev/null && fail "Partition: ein leerer Arbeitsordner ist geblieben"

# A runner that fails in part 2 of 3: that part is named with its status and
# message, the others are not, no output is written and the parts stay.
cat >"$tmp/failing-batch" <<EOF
#!/usr/bin/env bash
case " \$* " in *" --shard 2/3 "*) echo "Platte gebrochen" >&2; exit 1 ;; esac
exec "$batch" "\$@"
EOF
chmod +x "$tmp/failing-batch"
run_script -n 3 -d parts -b "$tmp/failing-batch" -o failed.csv -- "${study[@]}"
[ "$status" -eq 1 ] || fail "fehlender Teil: Rückgabewert $status statt 1"
expect_in_stderr "Teil 2 von 3" "fehlender Teil"
expect_in_stderr "endete mit 1" "fehlender Teil"
expect_in_stderr "Platte gebrochen" "fehlender Teil"
grep -q "Teil [13] von 3" "$tmp/script.err" && fail "fehlender Teil: stderr nennt einen fertigen Teil"
[ -e "$tmp/cwd/failed.csv" ] && fail "fehlender Teil: eine Ausgabe wurde geschrieben"
[ "$(compgen -G "$tmp/cwd/parts/part-*.out" | wc -l)" -eq 3 ] || fail "fehlender Teil: die Teile sind nicht geblieben"

# SIGTERM while the tasks run cancels the job: nothing of it stays on the cluster.
slow=(--vary txt_Dicke=4:100:2 'txt_deltaT=0,001')  # each case fills its time series: minutes in all
(cd "$tmp/cwd" && exec "$script" -n 2 -d stopped -b "$batch" -o stopped.csv -- "${slow[@]}") \
  </dev/null >"$tmp/script.out" 2>"$tmp/script.err" &
waiter=$!
# A task's output file appears once its shell is ready to pass the signal on.
for _ in $(seq 300); do compgen -G "$tmp/cwd/stopped/part-*.out" >/dev/null && break; sleep 0.1; done
kill -TERM "$waiter"
wait "$waiter"
status=$?
[ "$status" -eq 143 ] || fail "abgebrochen: Rückgabewert $status statt 143"
expect_in_stderr "abgebrochen, Auftrag" "abgebrochen"
# Cancelled tasks take a while to complete (CG) on a busy machine; none may go on running.
for _ in $(seq 150); do [ -z "$(squeue --noheader 2>/dev/null)" ] && break; sleep 0.1; done
running() { squeue --noheader --states=PENDING,RUNNING 2>/dev/null; }
[ -z "$(running)" ] || fail "abgebrochen: Aufgaben laufen weiter: $(running)"
[ -e "$tmp/cwd/stopped.csv" ] && fail "abgebrochen: eine Ausgabe wurde geschrieben"
# The runner of a cancelled task stops in order (143) and its task records that
# (a task cancelled before its shell started leaves no status, and is named so).
stopped=$(cat "$tmp"/cwd/stopped/part-*.status 2>/dev/null | sort -u | xargs)
[ "$stopped" = 143 ] || fail "abgebrochen: die Teile melden '$stopped' statt 143"

[ "$failures" -eq 0 ] && echo "slurm-study.sh unter Slurm: alles wie erwartet"
exit "$failures"
