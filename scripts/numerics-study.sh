#!/usr/bin/env bash
# The measurements behind the water-error advice and the coarsest accepted grid,
# made with the headless runner (several minutes of CPU; run it with nice).
#
#   scripts/numerics-study.sh [RUNNER] water   water-balance error over time step x
#                                              spatial step x moisture conductivity
#                                              on three input sets
#   scripts/numerics-study.sh [RUNNER] grid    drying time, water error and deepest
#                                              stored front over the spatial steps per
#                                              half plate of the default plate
#
# RUNNER defaults to build/tools/lamvero-batch. Lines: the inputs, then outcome and
# figures from the runner's JSON.
set -euo pipefail
runner=${1:-build/tools/lamvero-batch}
study=${2:-water}

figures() {  # the runner's JSON on stdin -> "outcome WasserfehlerProzent Zeit"
  python3 -c 'import json,sys; j=json.load(sys.stdin); s=j.get("scalars",{}); print(j["outcome"], s.get("WasserfehlerProzent"), s.get("Zeit"))'
}

case $study in
  water)
    sets=("" "txt_Dicke=10 txt_Lufttemp=45 txt_AbluftFeuchte=60 txt_ThetaGegenstromende=100"
          "txt_Dicke=40 txt_rhos=2000 txt_XAnf=0,2 txt_linTrSchwind=5")
    for i in 0 1 2; do
      for kappa in 10 40 200 1000; do
        for dx in 0,05 0,1 0,25 0,5 1; do
          for dt in 0,05 0,5 2 5; do
            # shellcheck disable=SC2086
            echo "set$i $kappa $dx $dt $("$runner" --json ${sets[$i]} txt_Feuchteleit="$kappa" \
              txt_Ortsschrittweite="$dx" txt_deltaT="$dt" 2>/dev/null | figures)"
          done
        done
      done
    done
    ;;
  grid)
    for kappa in 40 1E-6 400; do
      for n in 1 2 3 4 5 6 8 10 15 20 50 100; do
        dx=$(python3 -c "print(str(10 / $n).replace('.', ','))")
        csv=$(mktemp)
        line=$("$runner" --json --series "$csv" txt_Ortsschrittweite="$dx" txt_Feuchteleit="$kappa" 2>/dev/null | figures || true)
        deepest=$(python3 -c "import csv,sys; print(max(float(r['SpiegelReihe']) for r in csv.DictReader(open(sys.argv[1]))) / 0.00938)" "$csv" 2>/dev/null || echo -)
        rm -f "$csv"
        echo "$kappa $n $line front/half=$deepest"
      done
    done
    ;;
  *) echo "usage: $0 [RUNNER] water|grid" >&2; exit 2 ;;
esac
