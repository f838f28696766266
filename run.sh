#!/usr/bin/env bash
# Builds the program and starts one edition: ./run.sh [edition], default zerrat_xe2.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
edition=${1:-zerrat_xe2}
"$root/scripts/build.sh"
program="$root/build/program"
if [ ! -x "$program/$edition" ]; then
  echo "run.sh: unknown edition '$edition' (brenno_xe2 quillo_xe2 dovrak_xe2 zerrat_xe2 morvik_xe2 lusket_xe2)" >&2
  exit 2
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No display: print the edition's starter waybill to a PDF instead.
  declare -A code=([brenno_xe2]=10 [quillo_xe2]=20 [dovrak_xe2]=30 [zerrat_xe2]=40 [morvik_xe2]=50 [lusket_xe2]=60)
  declare -A style=([brenno_xe2]=払込取扱票.sle [quillo_xe2]=quil_lo.sle [dovrak_xe2]=dovrak.sle
                    [zerrat_xe2]=zerrat.sle [morvik_xe2]=morvik.sle [lusket_xe2]=zerrat.sle)
  out="$root/build/${edition}-starter.pdf"
  if [ -x "$program/korvel-print" ] && [ -f "$program/style/${style[$edition]}" ] &&
     "$program/korvel-print" pdf --style "$program/style/${style[$edition]}" \
       --record "$program/conf/singledata.txt" --edition "${code[$edition]}" --out "$out" >/dev/null; then
    echo "run.sh: no display; printed the starter waybill of $edition to $out"
    exit 0
  fi
  echo "run.sh: no display (DISPLAY is not set); run it on a desktop or under xvfb-run" >&2
  exit 1
fi
exec "$program/$edition"
