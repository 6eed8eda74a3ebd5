#!/usr/bin/env bash
# Runs a study of lamvero-batch on a Slurm cluster: one job array task per part
# of the study (--shard K/N), waits for every task, then merges the parts into
# one output, byte for byte what the unsharded study writes. Each task records
# its exit status next to its output, so that a failed part is named with its
# status and its last messages instead of vanishing into the array's status.
set -u
me=slurm-study.sh

usage() {
  cat <<EOF
Aufruf: $me [OPTIONEN] -o AUSGABE -- STUDIE...

Rechnet eine Studie von lamvero-batch als Job-Array unter Slurm: Teil K von N
(lamvero-batch STUDIE... -j C --shard K/N) je Array-Aufgabe, wartet auf alle
Aufgaben und setzt die Teile mit lamvero-batch --merge in AUSGABE zusammen,
byte-gleich mit der ungeteilten Studie.

  -n, --parts N          Zahl der Teile = Array-Aufgaben (Vorgabe 4)
  -c, --cpus-per-task C  Kerne je Aufgabe; der Teil rechnet mit -j C (Vorgabe 1)
  -p, --partition NAME   Slurm-Partition (Vorgabe: die des Clusters)
  -t, --time GRENZE      Zeitlimit je Aufgabe in Slurms Form, etwa 30 oder 2:00:00
                         (Vorgabe: das der Partition)
  -d, --dir ORDNER       Arbeitsordner für die Teile, auf allen Knoten sichtbar
                         (Vorgabe: ein neuer Ordner lamvero-study.XXXXXX hier, nach
                         dem Zusammensetzen gelöscht; ein angegebener bleibt)
  -b, --batch PROGRAMM   Pfad von lamvero-batch (Vorgabe: lamvero-batch im PATH);
                         die Knoten rufen denselben Pfad auf
  -o, --output DATEI     die zusammengesetzte Studie (erst am Ende geschrieben)
  -h, --help             diese Hilfe zeigen und enden
  -- STUDIE...           alles Weitere geht unverändert an lamvero-batch, etwa
                         --vary txt_Dicke=10:40:5 --vary 'txt_Lufttemp=35;45;55'
                         (-j und --shard setzt dieses Skript)

Die Aufgaben laufen im aktuellen Ordner (relative Pfade der Studie gelten dort).
Weitere sbatch-Optionen über sbatchs Umgebungsvariablen (SBATCH_ACCOUNT, SBATCH_QOS, ...).
Ein Teil, der mit 3 endet (ein Fall wurde nicht vollständig gerechnet), ist fertig.

Rückgabewert: 0 Studie zusammengesetzt; 3 zusammengesetzt, ein Fall wurde nicht
vollständig gerechnet; 1 ein Teil oder Slurm schlug fehl (jeder Teil mit Rückgabewert
und seinen letzten Meldungen auf stderr; die Teile bleiben im Arbeitsordner);
2 Bedienfehler; 130/143 abgebrochen (die Aufgaben werden mit scancel beendet).
EOF
}

usage_error() {
  echo "$me: $*" >&2
  echo "$me: --help zeigt die Optionen" >&2
  exit 2
}

fail() {
  echo "$me: $*" >&2
  exit 1
}

whole_number() { [[ $1 =~ ^[1-9][0-9]{0,5}$ ]]; }

parts=4 cpus=1 partition="" limit="" dir="" batch=lamvero-batch output=""
while [ $# -gt 0 ]; do
  opt=$1
  case $opt in
    -h|--help) usage; exit 0 ;;
    --) shift; break ;;
    --*=*) set -- "${opt%%=*}" "${opt#*=}" "${@:2}"; continue ;;
    -n|--parts|-c|--cpus-per-task|-p|--partition|-t|--time|-d|--dir|-b|--batch|-o|--output)
      [ $# -ge 2 ] || usage_error "$opt: der Wert fehlt"
      value=$2
      [ -n "$value" ] || usage_error "$opt: leerer Wert"
      case $opt in
        -n|--parts) whole_number "$value" || usage_error "--parts $value: keine ganze Zahl ab 1"; parts=$value ;;
        -c|--cpus-per-task) whole_number "$value" || usage_error "--cpus-per-task $value: keine ganze Zahl ab 1"; cpus=$value ;;
        -p|--partition) partition=$value ;;
        -t|--time) limit=$value ;;
        -d|--dir) dir=$value ;;
        -b|--batch) batch=$value ;;
        -o|--output) output=$value ;;
      esac
      shift 2 ;;
    *) usage_error "unbekannte Option $opt (die Optionen der Studie stehen nach --)" ;;
  esac
done
study=("$@")

[ -n "$output" ] || usage_error "--output fehlt: wohin die zusammengesetzte Studie soll"
[ ${#study[@]} -gt 0 ] || usage_error "die Studie fehlt: ihre Optionen für lamvero-batch nach --"
for arg in "${study[@]}"; do
  case $arg in
    --shard|--shard=*|--merge|--merge=*|-j|-j*|--jobs|--jobs=*)
      usage_error "$arg: -j und --shard setzt $me, --merge folgt am Ende" ;;
  esac
done
[ -d "$output" ] && usage_error "--output $output: ist ein Ordner"
outdir=$(dirname -- "$output")
[ -d "$outdir" ] && [ -w "$outdir" ] || usage_error "--output $output: der Ordner $outdir fehlt oder ist nicht beschreibbar"

# The tasks run on other machines and the merge runs here: the runner is called
# by its absolute path on both.
if [[ $batch == */* ]]; then
  [ -f "$batch" ] && [ -x "$batch" ] || usage_error "--batch $batch: kein ausführbares Programm"
  batch=$(cd -- "$(dirname -- "$batch")" && pwd)/$(basename -- "$batch")
else
  found=$(command -v -- "$batch") || usage_error "--batch $batch: nicht im PATH"
  batch=$found
fi
command -v sbatch >/dev/null || fail "sbatch nicht gefunden: ist Slurm auf diesem Rechner eingerichtet?"

own_dir=0
if [ -z "$dir" ]; then
  dir=$(mktemp -d "$PWD/lamvero-study.XXXXXX") || fail "kein Arbeitsordner in $PWD"
  own_dir=1
else
  mkdir -p -- "$dir" || usage_error "--dir $dir: lässt sich nicht anlegen"
fi
dir=$(cd -- "$dir" && pwd)

# One array task: its part of the study, its exit status and its messages in
# files named after the array job, so that older runs in the same folder never
# mix in. SIGTERM (scancel, a time limit) is passed on to the runner, which
# stops in order, also when it comes before the runner has started; this shell
# stays to record the runner's status.
cat >"$dir/part-task.sh" <<'EOF'
#!/usr/bin/env bash
stop=0 runner=""
trap 'stop=1; [ -n "$runner" ] && kill -TERM "$runner" 2>/dev/null' TERM INT
dir=$1 parts=$2 batch=$3
shift 3
name="$dir/part-$SLURM_ARRAY_JOB_ID-$SLURM_ARRAY_TASK_ID"
"$batch" "$@" -j "$SLURM_CPUS_PER_TASK" --shard "$SLURM_ARRAY_TASK_ID/$parts" >"$name.out" 2>"$name.err" &
runner=$!
[ "$stop" -eq 1 ] && kill -TERM "$runner" 2>/dev/null
# A signal ends the wait early (status above 128) while the runner still runs.
while wait "$runner"; status=$?; kill -0 "$runner" 2>/dev/null; do :; done
echo "$status" >"$name.status"
# 3: a case did not complete; its row says so and the part merges.
[ "$status" -eq 3 ] && exit 0
exit "$status"
EOF

sbatch_options=(--parsable --wait --array="1-$parts" --cpus-per-task="$cpus" --job-name=lamvero-study
                --output="$dir/slurm-%A_%a.log")
[ -n "$partition" ] && sbatch_options+=(--partition="$partition")
[ -n "$limit" ] && sbatch_options+=(--time="$limit")

# sbatch --wait prints the job's number at once and returns when every task has
# ended; it runs in the background so that an interrupt here cancels the tasks.
submitted="$dir/sbatch.out"
sbatch "${sbatch_options[@]}" "$dir/part-task.sh" "$dir" "$parts" "$batch" "${study[@]}" \
  >"$submitted" 2>"$dir/sbatch.err" &
waiter=$!
job_id() { cut -d';' -f1 "$submitted" | head -n 1; }
cancel() {
  local job
  job=$(job_id)
  [ -n "$job" ] && scancel "$job"
  kill "$waiter" 2>/dev/null
  echo "$me: abgebrochen${job:+, Auftrag $job beendet}; die Teile bleiben in $dir" >&2
  exit "$1"
}
trap 'cancel 130' INT
trap 'cancel 143' TERM
wait "$waiter"
waited=$?
trap - INT TERM
job=$(job_id)
if [ -z "$job" ]; then
  refusal=$(cat "$dir/sbatch.err")
  [ "$own_dir" -eq 1 ] && rm -rf -- "$dir"  # nothing ran: nothing to keep
  fail "sbatch hat den Auftrag nicht angenommen: $refusal"
fi

# Every part must have run to its end: the array's own status tells only the worst one.
failed=0
part_files=()
for ((k = 1; k <= parts; k++)); do
  name="$dir/part-$job-$k"
  if [ ! -s "$name.status" ]; then
    echo "$me: Teil $k von $parts (Auftrag ${job}_$k) hat keinen Rückgabewert hinterlassen (abgebrochen," \
      "Zeitlimit oder Knotenausfall?); Slurm meldet:" >&2
    tail -n 5 "$dir/slurm-${job}_$k.log" >&2 2>/dev/null
    failed=1
    continue
  fi
  status=$(cat "$name.status")
  if [ "$status" != 0 ] && [ "$status" != 3 ]; then
    echo "$me: Teil $k von $parts (Auftrag ${job}_$k) endete mit $status; lamvero-batch meldet:" >&2
    tail -n 5 "$name.err" >&2
    failed=1
    continue
  fi
  part_files+=("$name.out")
done
if [ "$failed" -ne 0 ]; then
  # sbatch --wait ends with the worst task's status; anything else it says is about Slurm itself.
  [ -s "$dir/sbatch.err" ] && echo "$me: sbatch endete mit $waited: $(cat "$dir/sbatch.err")" >&2
  fail "die Studie ist nicht zusammengesetzt; die Teile bleiben in $dir"
fi

# Written beside the output and moved over it only when the merge succeeded.
merged=$(mktemp "$output.XXXXXX") || fail "--output $output: lässt sich nicht schreiben"
trap 'rm -f -- "$merged"' EXIT
chmod "$(printf '%o' $((0666 & ~$(umask))))" -- "$merged"  # as a new file would be
"$batch" --merge "${part_files[@]}" >"$merged"
status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 3 ]; then
  rm -f -- "$merged"
  fail "lamvero-batch --merge endete mit $status (Meldung oben); die Teile bleiben in $dir"
fi
mv -f -- "$merged" "$output" || fail "--output $output: lässt sich nicht schreiben; die Teile bleiben in $dir"
[ "$own_dir" -eq 1 ] && rm -rf -- "$dir"
echo "$me: $parts Teile (Auftrag $job) zusammengesetzt in $output" >&2
exit "$status"
