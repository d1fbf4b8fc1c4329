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
# Median and range of RUNS starts, with the settings folder given (an empty one, or one holding
# a settings file of a million recent files that Selvane never writes and must not read).
measure() {
  local times=() start end sorted median
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    DISPLAY=$display LC_ALL=en_US.UTF-8 XDG_CONFIG_HOME=$1 "$probe"
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  sorted=$(printf '%s\n' "${times[@]}" | sort -n)
  median=$(sed -n "$(( (runs + 1) / 2 ))p" <<<"$sorted")
  echo "start-up to first painted window$2: median ${median} ms over ${runs} runs" \
       "(min $(head -n1 <<<"$sorted"), max $(tail -n1 <<<"$sorted"))"
}
config=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$config"' EXIT
measure "$config/empty" ""
mkdir -p "$config/huge/selvane-startup-probe"
{
  printf '[General]\nRecentFiles='
  seq -f '/home/user/scenarios/loan-%07g.fin, ' 1000000 | tr -d '\n'
  printf '/last.fin\n'
} >"$config/huge/selvane-startup-probe/selvane-startup-probe.conf"
measure "$config/huge" ", settings of a million recent files ($(du -sm "$config/huge" | cut -f1) MB)"
