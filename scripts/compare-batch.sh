#!/usr/bin/env bash
# Runs lamvero-batch of this build and a reference build (for example the
# previous main) on a set of input cases and compares what they print (rows
# and --json), their exit status and their --series files byte for byte.
# Usage: scripts/compare-batch.sh REFERENCE_BINARY [BUILD_DIR]
set -u
ref=${1:?usage: compare-batch.sh REFERENCE_BINARY [BUILD_DIR]}
new=${2:-build}/tools/lamvero-batch
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cases=(
  ""                                                            # the default inputs
  "txt_Dicke=10"
  "txt_linTrSchwind=0"
  "txt_Ortsschrittweite=0,5"                                    # coarse grid
  "txt_Ortsschrittweite=0,05"                                   # fine grid
  "txt_Dicke=4 txt_Ortsschrittweite=0,2 txt_deltaT=2 txt_rund=100"  # quick plate
  "txt_ThetaGegenstromende=500"                                 # never reaches the chamber section
  "txt_ThetaGegenstromende=35"                                  # switches in the first step
  "txt_Lufttemp=60 txt_AbluftFeuchte=40 txt_mue=8 txt_KappaSteig=3"
  "txt_Dicke=2 txt_Ortsschrittweite=0,1 txt_deltaT=0,001 txt_rund=100000"  # series full: stopped
  "txt_Ortsschrittweite=0"                                      # refused
  "txt_Dicke=abc txt_rhos=-1"                                   # refused, two fields
)

failed=0
for c in "${cases[@]}"; do
  # shellcheck disable=SC2086
  for mode in rows json; do
    opt=(); [ "$mode" = json ] && opt=(--json)
    "$ref" "${opt[@]}" --series "$work/ref.csv" $c >"$work/ref.out" 2>"$work/ref.err"; rs=$?
    "$new" "${opt[@]}" --series "$work/new.csv" $c >"$work/new.out" 2>"$work/new.err"; ns=$?
    what="[$mode] ${c:-defaults}"
    differs=""
    [ $rs -ne $ns ] && differs+=" exit($rs/$ns)"
    for f in out err; do cmp -s "$work/ref.$f" "$work/new.$f" || differs+=" std$f"; done
    if [ -e "$work/ref.csv" ] || [ -e "$work/new.csv" ]; then
      cmp -s "$work/ref.csv" "$work/new.csv" || differs+=" series"
    fi
    rm -f "$work/ref.csv" "$work/new.csv"
    if [ -n "$differs" ]; then
      echo "DIFFERS $what:$differs"
      failed=1
    else
      echo "same    $what (exit $rs)"
    fi
  done
done
exit $failed
