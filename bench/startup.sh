#!/usr/bin/env bash
# Median wall time from process start to the first painted main window, over RUNS runs, on a
# private Xvfb display. Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-21}
probe="$(cd "$build/bin" && pwd)/selvane-startup-probe"
export XDG_RUNTIME_DIR=$(mktemp -d)  # Qt wants one; a fresh one per run
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
cd "$build/bin"
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  DISPLAY=$display LC_ALL=en_US.UTF-8 "$probe"
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(sed -n "$(( (runs + 1) / 2 ))p" <<<"$sorted")
echo "start-up to first painted window: median ${median} ms over ${runs} runs" \
     "(min $(head -n1 <<<"$sorted"), max $(tail -n1 <<<"$sorted"))"
