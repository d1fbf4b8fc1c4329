#!/usr/bin/env bash
# Wall time from process start to the first painted main window, against a bare Qt Widgets window
# of 40 controls started the same way, and against the twin of the calculator's window (its
# controls, places, fonts and texts in Qt Widgets alone): RUNS runs of each, interleaved, on a
# private Xvfb display; the medians, their ranges and the ratios. Usage:
# bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-31}
bin="$(cd "$build/bin" && pwd)"
export XDG_RUNTIME_DIR=$(mktemp -d)  # Qt wants one; a fresh one per run
display=:$((90 + RANDOM % 9))
# -noreset, as a desktop session runs: without it the server resets itself each time its last
# client leaves, and the next program waits for that reset as it connects, tens of milliseconds
# that a desktop never adds and that would shrink the ratio below.
Xvfb "$display" -noreset -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
config=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$config" "$XDG_RUNTIME_DIR"' EXIT
sleep 1
cd "$bin"
# One start of PROGRAM with the settings folder CONFIG: its microseconds.
time_one() {
  local start end
  start=$(date +%s%N)
  DISPLAY=$display LC_ALL=en_US.UTF-8 XDG_CONFIG_HOME=$2 "$bin/$1"
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}
median() { sort -g | sed -n "$(( (runs + 1) / 2 ))p"; }
ms() { awk -v us="$1" 'BEGIN { printf "%.0f", us / 1000 }'; }
summary() { # label, times...
  local label=$1; shift
  local sorted; sorted=$(printf '%s\n' "$@" | sort -n)
  echo "$label: median $(ms "$(median <<<"$sorted")") ms over $runs runs" \
       "(min $(ms "$(head -n1 <<<"$sorted")"), max $(ms "$(tail -n1 <<<"$sorted")"))"
}
mkdir -p "$config/empty"
selvane=() bare=() twin=()
time_one selvane-bare-window-probe "$config/empty" >/dev/null # the first start fills the caches
for _ in $(seq "$runs"); do
  selvane+=("$(time_one selvane-startup-probe "$config/empty")")
  bare+=("$(time_one selvane-bare-window-probe "$config/empty")")
  twin+=("$(time_one selvane-twin-window-probe "$config/empty")")
done
summary "start-up to first painted window" "${selvane[@]}"
summary "bare 40-control Qt window        " "${bare[@]}"
summary "twin of the window in bare Qt    " "${twin[@]}"
# TOP over BOTTOM (two array names): the ratio of their medians, and the median of the ratios of
# each run's pair, whose two starts follow each other: the machine's speed drifts less within one.
ratios() {
  local -n top=$1 bottom=$2
  local t b paired
  t=$(printf '%s\n' "${top[@]}" | median) b=$(printf '%s\n' "${bottom[@]}" | median)
  paired=$(for i in "${!top[@]}"; do
    awk -v t="${top[$i]}" -v b="${bottom[$i]}" 'BEGIN { printf "%.4f\n", t / b }'
  done | median)
  echo "$(awk -v t="$t" -v b="$b" 'BEGIN { printf "%.2f", t / b }')x," \
       "$(awk -v r="$paired" 'BEGIN { printf "%.2f", r }')x paired"
}
echo "start-up over the bare window: $(ratios selvane bare)"
echo "start-up over its twin:        $(ratios selvane twin)"
echo "the twin over the bare window: $(ratios twin bare)"

# With a settings file of a million recent files, far more than Selvane ever keeps: start-up
# keeps the list's first entries and writes the file anew, so each run gets the big one afresh.
mkdir -p "$config/huge/selvane-startup-probe"
{
  printf '[General]\nRecentFiles='
  seq -f '/home/user/scenarios/loan-%07g.fin, ' 1000000 | tr -d '\n'
  printf '/last.fin\n'
} >"$config/huge.conf"
megabytes=$(du -sm "$config/huge.conf" | cut -f1)
huge=()
for _ in $(seq "$runs"); do
  cp "$config/huge.conf" "$config/huge/selvane-startup-probe/selvane-startup-probe.conf"
  huge+=("$(time_one selvane-startup-probe "$config/huge")")
done
summary "with settings of a million recent files ($megabytes MB)" "${huge[@]}"
