#!/usr/bin/env bash
# Compares the program's start-up with a bare Qt window under a private Xvfb:
# medians of whole-process runs (hyperfine), their ratio, and the peak memory
# of each (/usr/bin/time -v); then the time to open each secondary window the
# first time after start. Then runs the engine microbenchmarks.
# Usage: bench/run-bench.sh <build folder>
set -euo pipefail

# A desktop session has a message bus that Qt asks on start-up; give both
# programs one, so neither pays for a failed or auto-launched bus.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
  # (its daemon's complaint about the file limit is noise here)
  exec dbus-run-session -- "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi

build=$(cd "${1:-build}" && pwd)
orvane="$build/bench/orvane_startup"
bare="$build/bench/bare_window_startup"
first_open="$build/bench/orvane_first_open"
engine="$build/bench/orvane_engine_bench"
runs=${BENCH_RUNS:-100}
for tool in Xvfb hyperfine python3 /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "run-bench: $tool is missing (scripts/install-deps installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/../tests/app/xvfb-env.sh"
cleanup() {
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

# (the benchmark copy keeps its lock apart from a running Orvane)
start_xvfb || { echo "run-bench: no X server" >&2; exit 1; }

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
rounds=${BENCH_ROUNDS:-10}
per_round=$(( (runs + rounds - 1) / rounds ))
echo "Display: Xvfb $DISPLAY, $rounds rounds of $per_round runs each after 3 warm-up runs"
echo

# In rounds, so that a change in the machine's load while the benchmark runs
# falls on both programs alike rather than on whichever ran then.
for round in $(seq "$rounds"); do
  echo "Round $round of $rounds"
  hyperfine --style basic --warmup 3 --runs "$per_round" --export-json "$work/startup-$round.json" \
    -n "bare window" "$bare" -n "bare window with text" "$bare --text" -n "orvane" "$orvane"
done

peak_kib() {  # median of five peak resident set sizes, in KiB
  for _ in 1 2 3 4 5; do
    /usr/bin/time -v "$1" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}'
  done | sort -n | sed -n 3p
}
bare_kib=$(peak_kib "$bare")
orvane_kib=$(peak_kib "$orvane")

python3 - "$work" "$bare_kib" "$orvane_kib" <<'PY'
import glob, json, statistics, sys
times, round_ratios = {}, []
for path in sorted(glob.glob(sys.argv[1] + "/startup-*.json")):
    medians = {}
    for r in json.load(open(path))["results"]:
        times.setdefault(r["command"], []).extend(r["times"])
        medians[r["command"]] = r["median"]
    round_ratios.append(medians["orvane"] / medians["bare window"])
median = {name: statistics.median(t) for name, t in times.items()}
bare, orvane = median["bare window"], median["orvane"]
text = median["bare window with text"]
bare_kib, orvane_kib = int(sys.argv[2]), int(sys.argv[3])
ratio = orvane / bare
extra_mib = (orvane_kib - bare_kib) / 1024
print()
print(f"Start-up median of all {len(times['orvane'])} runs: bare window {bare * 1000:.1f} ms, orvane {orvane * 1000:.1f} ms")
print("Ratio in each round: " + ", ".join(f"{r:.2f}" for r in round_ratios))
print(f"Ratio of medians: {ratio:.2f} (target at most 1.50): {'met' if ratio <= 1.5 else 'MISSED'}")
print(f"Bare window with one line of text (it starts the font system too): {text * 1000:.1f} ms, "
      f"orvane / it: {orvane / text:.2f}")
print(f"Peak memory: bare window {bare_kib / 1024:.1f} MiB, orvane {orvane_kib / 1024:.1f} MiB, "
      f"difference {extra_mib:.1f} MiB (target at most 15): {'met' if extra_mib <= 15 else 'MISSED'}")
PY

# Each secondary window opened the first time, one after the other, from the
# button press to its first frame; the median of each over the runs.
open_runs=${BENCH_OPEN_RUNS:-20}
for _ in $(seq "$open_runs"); do "$first_open" >>"$work/first-open.txt"; done
python3 - "$work/first-open.txt" "$open_runs" <<'PY'
import statistics, sys
times = {}
for line in open(sys.argv[1]):
    name, ms = line.split()
    times.setdefault(name, []).append(float(ms))
worst = max(statistics.median(t) for t in times.values())
print(f"First opening of each window, median of {sys.argv[2]} runs: " +
      ", ".join(f"{name} {statistics.median(t):.1f} ms" for name, t in times.items()) +
      f" (target at most 100 each): {'met' if worst <= 100 else 'MISSED'}")
PY

# Instruction counts are steady where wall time is noisy (a shared machine).
if command -v valgrind >/dev/null; then
  instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 | awk '/Collected :/ {print $4}'
  }
  bare_ir=$(instructions "$bare")
  text_ir=$(instructions "$bare" --text)
  orvane_ir=$(instructions "$orvane")
  open_ir=$(instructions "$first_open")
  python3 -c 'import sys; b, t, o = (int(a) for a in sys.argv[1:]); print(f"Instructions (callgrind): bare window {b / 1e6:.1f} M, with text {t / 1e6:.1f} M, orvane {o / 1e6:.1f} M, ratio {o / b:.2f} ({o / t:.2f} to the window with text)")' "$bare_ir" "$text_ir" "$orvane_ir"
  python3 -c 'import sys; o, f = (int(a) for a in sys.argv[1:]); print(f"Instructions to open the five other windows the first time: {(f - o) / 1e6:.1f} M")' "$orvane_ir" "$open_ir"
fi

echo
if [ -x "$engine" ]; then
  "$engine" --benchmark_min_time=0.2
else
  echo "Engine microbenchmarks not built (Google Benchmark, libbenchmark-dev, is missing)."
fi
