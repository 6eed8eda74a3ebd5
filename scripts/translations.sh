#!/usr/bin/env bash
# The English catalogues in translations/: one per layer, each read from the
# texts its folders mark (tr(), Tr(), LV_TR_NOOP, QT_TR_NOOP).
#   translations.sh update   reads the sources again into the catalogues; new
#                            texts come in unfinished, vanished ones go
#   translations.sh check    fails when a catalogue is not up to date with its
#                            sources, a text has no English, or an English
#                            text lacks a %1 … %9 of its German one
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
mode="${1:-check}"

# catalogue: the folders it reads
declare -A areas=(
  [core]="core"
  [present]="present"
  [study]="study"
  [files]="files disk"
  [window]="ui/calculator ui/shell app"
  [diagrams]="ui/diagrams ui/report"
  [studies]="ui/studies ui/fitting"
  [tools]="tools"
)

read_sources() {  # catalogue file, folders...
  local ts="$1"; shift
  local dirs=()
  for d in "$@"; do dirs+=("$root/$d"); done
  "$lupdate" -silent -source-language de -target-language en -locations none -no-obsolete -extensions cpp,h \
    -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=LV_TR_NOOP -I "$root" "${dirs[@]}" -ts "$ts"
}

case "$mode" in
  update)
    for area in "${!areas[@]}"; do
      read_sources "$root/translations/lamvero_${area}_en.ts" ${areas[$area]}
    done
    ;;
  check)
    tmp="$(mktemp -d)"
    trap 'rm -rf "$tmp"' EXIT
    status=0
    for area in $(printf '%s\n' "${!areas[@]}" | sort); do
      committed="$root/translations/lamvero_${area}_en.ts"
      copy="$tmp/lamvero_${area}_en.ts"
      if [ -f "$committed" ]; then cp "$committed" "$copy"; fi
      read_sources "$copy" ${areas[$area]}
      if ! cmp -s "$committed" "$copy"; then
        echo "translations: lamvero_${area}_en.ts is not up to date with its sources; run scripts/translations.sh update" >&2
        diff "$committed" "$copy" | head -20 >&2 || true
        status=1
      fi
      python3 - "$copy" <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET
path = sys.argv[1]
bad = []
for ctx in ET.parse(path).getroot().iter("context"):
    name = ctx.findtext("name")
    for m in ctx.iter("message"):
        src = m.findtext("source") or ""
        tr = m.find("translation")
        text = tr.text or "" if tr is not None else ""
        if tr is None or tr.get("type") in ("unfinished", "vanished", "obsolete") or not text:
            bad.append(f"{name}: no English for \"{src}\"")
        elif sorted(set(re.findall(r"%[1-9]", src))) != sorted(set(re.findall(r"%[1-9]", text))):
            bad.append(f"{name}: \"{text}\" does not place the %N of \"{src}\"")
for b in bad[:40]:
    print("translations:", b, file=sys.stderr)
if len(bad) > 40:
    print(f"translations: … and {len(bad) - 40} more in {path.rsplit('/', 1)[-1]}", file=sys.stderr)
sys.exit(1 if bad else 0)
PY
    done
    exit $status
    ;;
  *)
    echo "usage: translations.sh update|check" >&2
    exit 2
    ;;
esac
