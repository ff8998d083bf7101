#!/usr/bin/env bash
# The README's first command from a deep checkout: the demo's set-up (tools/ and demo/ copied
# under a folder path of more than 150 characters, the programs taken from this Windows build)
# must start the viewer on its main dialog, not on the stop box of a too-long command line.
#   demo_deep_path.sh source-tree windows-build 32|64 scratch-folder
set -uo pipefail
source=$1 win=$2 arch=$3 scratch=$4
deadline=${GRAV_DEMO_DEADLINE:-300}  # seconds for a fresh prefix and the viewer's start-up
[ -n "${DISPLAY:-}" ] || { echo "demo_deep_path: no DISPLAY (run under tools/test or wine-suite)"; exit 1; }
if [ "$arch" = 32 ]; then runs32=yes; else runs32=no; fi

checkout=$scratch/demo-deep
while [ ${#checkout} -lt 150 ]; do checkout+=/a-checkout-folder-with-a-rather-long-name; done
rm -rf "$scratch/demo-deep"
mkdir -p "$checkout/tools"
cp "$source/tools/velquon-demo" "$source/tools/runs-32bit" "$source/tools/setup" "$checkout/tools/"
cp -r "$source/demo" "$checkout/demo"
prefix=$checkout/build/demo/wineprefix$arch
log=$scratch/demo-deep.log

env -u GRAV_BUILD -u WINEPREFIX GRAV_RUNS_32BIT=$runs32 GRAV_DEMO_PROGRAMS="$win" \
  bash "$checkout/tools/velquon-demo" >"$log" 2>&1 </dev/null &
demo=$!  # the demo ends by becoming the viewer's Wine process, which owns its windows
trap 'WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1; kill "$demo" 2>/dev/null; wait "$demo" 2>/dev/null' EXIT

titles() { for w in $(xdotool search --all --onlyvisible --pid "$demo" --name '.' 2>/dev/null); do
             echo "  '$(xdotool getwindowname "$w" 2>/dev/null)'"; done; }
found=""
while [ "$SECONDS" -lt "$deadline" ]; do
  found=$(xdotool search --all --onlyvisible --pid "$demo" --name '^Global Vedu Quorvale$' 2>/dev/null | head -1)
  [ -n "$found" ] && break
  kill -0 "$demo" 2>/dev/null || break
  sleep 0.2
done
if [ -z "$found" ]; then
  echo "demo_deep_path: no main dialog from the checkout $checkout (${#checkout} characters)"
  echo "visible windows of the viewer:"; titles
  echo "the demo's output:"; cat "$log"
  exit 1
fi
# The viewer's own run log names the folders it works in: the short ones of drive Q:.
runlog=$checkout/build/demo/tmp/quorvale.log
logged() { tr -d '\r' <"$runlog" | grep -qxF " $1"; }
if ! logged 'QV_DIR=Q:\qv' || ! logged 'QV_TMP=Q:\tmp'; then
  echo "demo_deep_path: the run log does not name the folders on drive Q:"; cat "$runlog"; exit 1
fi
echo "demo_deep_path: main dialog shown from a checkout of ${#checkout} characters"
