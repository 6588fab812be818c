#!/usr/bin/env bash
# Measures how fast the game window appears and how much memory the game
# holds once it is up, under Xvfb. Usage: benchmarks/startup.sh [runs]
# Needs the build (./run.sh or ./test.sh) and the packages xvfb, xdotool.
# For comparison, a bare Qt main window measured the same way maps in about
# the same time on this kind of machine; the polling adds a few milliseconds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
game="$root/build/game/solitaire-quibel"
runs="${1:-9}"
# Runs itself inside a fresh X server.
if [ -z "${QUIBEL_BENCH_INNER:-}" ]; then
  exec env QUIBEL_BENCH_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$runs"
fi

# The server may still be starting.
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

data="$(mktemp -d)"
export XDG_DATA_HOME="$data"
export QT_QPA_PLATFORM=xcb

times=()
rss=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$game" >/dev/null 2>>"$data/errors.log" &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" --name '^Solitaire Quibel$' >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "the game did not start:" >&2; cat "$data/errors.log" >&2; exit 1; }
    sleep 0.002
  done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  sleep 1
  rss+=($(awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$pid/status"))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
rm -rf "$data"

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }
echo "window mapped after (ms): ${times[*]}  median $(median "${times[@]}")"
echo "resident after 1 s (MB):  ${rss[*]}  median $(median "${rss[@]}")"
