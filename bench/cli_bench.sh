#!/usr/bin/env bash
# Times quenda-cli against standard tools on generated data and prints a table of medians,
# ratios and targets. It is a report: once the table is printed it exits 0, whatever the
# results; it exits 2 when a program it needs is missing.
#
# usage: bench/cli_bench.sh [QUENDA_CLI [RUNS]]
#   QUENDA_CLI        the batch tool (default: build-bench/bin/quenda-cli under the repository)
#   RUNS              timed runs of every command (default 5)
#   QUENDA_BENCH_GEN  the data generator (default: quenda-bench-gen beside QUENDA_CLI)
#   BENCH_LINES       lines of the generated data (default 1000000)
#
# Data and outputs live in bench/out/, so outputs are written to the inputs' file system.
# Every round runs each command once, a command right before its peer (A B ... A B ...), so
# that a burst of load from elsewhere hits a command and its peer alike and each command's
# runs are spread over the whole benchmark; every timed run starts with its target removed and
# the dirty pages of earlier runs written back.
set -u
export LC_ALL=C  # byte semantics for the peers; also makes EPOCHREALTIME use a dot

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli=${1:-${QUENDA_CLI:-$root/build-bench/bin/quenda-cli}}
runs=${2:-${BENCH_RUNS:-5}}
gen=${QUENDA_BENCH_GEN:-$(dirname "$cli")/quenda-bench-gen}
lines=${BENCH_LINES:-1000000}
out=$root/bench/out
data=$out/data-$lines
in=$data/data.csv
log=$out/stderr.log

for tool in "$cli" "$gen"; do
  if [[ ! -x $tool ]]; then
    echo "cli_bench.sh: $tool: not found; build the targets quenda-cli and quenda-bench-gen" >&2
    exit 2
  fi
done
if [[ ! $runs =~ ^[1-9][0-9]*$ ]]; then
  echo "cli_bench.sh: RUNS must be a positive number, not '$runs'" >&2
  exit 2
fi

mkdir -p "$out"
if [[ ! -f $data/data.csv || ! -f $data/data-sorted.csv || ! -f $data/data-reverse.csv ]]; then
  echo "generating $lines lines into $data ..." >&2
  "$gen" --lines "$lines" --out "$data" || exit 2
fi
size=$(stat -c %s "$in")
: >"$log"

# The commands, and the file each one writes in bench/out.
declare -A output=(
  [q_convert]=$out/q-convert.tsv [p_convert]=$out/p-convert.tsv
  [q_sort]=$out/q-sort.tsv [p_sort]=$out/p-sort.csv
  [q_sort_sorted]=$out/q-sort-sorted.tsv [q_sort_reverse]=$out/q-sort-reverse.tsv
  [q_pickout]=$out/q-pickout.txt [p_pickout]=$out/p-pickout.txt
  [q_info]=$out/q-info.txt
)
q_convert() { "$cli" convert "$in" "${output[q_convert]}"; }
p_convert() { tr , '\t' <"$in" >"${output[p_convert]}"; }
q_sort() { "$cli" sort "$in" "${output[q_sort]}" --item 3; }
p_sort() { sort -f -t, -k3,3 "$in" >"${output[p_sort]}"; }
q_sort_sorted() { "$cli" sort "$data/data-sorted.csv" "${output[q_sort_sorted]}" --item 3; }
q_sort_reverse() { "$cli" sort "$data/data-reverse.csv" "${output[q_sort_reverse]}" --item 3; }
q_pickout() { "$cli" pickout "$in" "${output[q_pickout]}" --item 3 --head '<' --tail '>'; }
p_pickout() (
  set -o pipefail
  cut -d, -f3 "$in" | sed 's/^/</;s/$/>/' >"${output[p_pickout]}"
)
q_info() { "$cli" info "$in" >"${output[q_info]}"; }

declare -A times=() failed=()

# timed NAME: one run of the command NAME; its wall time in microseconds is added to times[NAME].
timed() {
  local name=$1 start end
  rm -f "${output[$name]}"
  sync
  start=${EPOCHREALTIME/./}
  "$name" 2>>"$log"
  local status=$?
  end=${EPOCHREALTIME/./}
  if ((status != 0)); then
    failed[$name]="exit status $status"
    return
  fi
  times[$name]+="$((end - start)) "
}

# bench NAME...: one untimed warm-up run of each, then RUNS rounds of one run of each in turn.
bench() {
  local name round
  echo "warm-up round" >&2
  for name; do timed "$name"; done
  for name; do times[$name]=""; done
  for ((round = 0; round < runs; ++round)); do
    echo "round $((round + 1)) of $runs" >&2
    for name; do [[ -z ${failed[$name]:-} ]] && timed "$name"; done
  done
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "warming the page cache" >&2
cat "$data"/*.csv "$cli" >/dev/null

bench q_convert p_convert q_sort p_sort q_sort_sorted q_sort_reverse q_pickout p_pickout q_info

# Peak resident memory of info, in KiB: the largest of RUNS runs.
peak_kib=0
echo "measuring: peak memory of info ($runs runs)" >&2
for ((round = 0; round < runs; ++round)); do
  if /usr/bin/time -f %M -o "$out/time.txt" "$cli" info "$in" >/dev/null 2>>"$log"; then
    kib=$(tail -n 1 "$out/time.txt")
    ((kib > peak_kib)) && peak_kib=$kib
  else
    failed[q_info_rss]="exit status $?"
  fi
done

# The outputs of the last runs against what they must hold: the TSV form of the data with
# CR LF line ends, and the pick-out values with CR LF.
echo "checking the outputs" >&2
check() {  # check NAME COMMAND...: the output of NAME must equal what COMMAND prints
  local name=$1
  shift
  [[ -n ${failed[$name]:-} ]] && return
  if ! "$@" | cmp -s - "${output[$name]}"; then
    failed[$name]="output differs from the expected bytes"
  fi
}
as_tsv() { tr , '\t' <"$1" | sed 's/$/\r/'; }
picked_out() { cut -d, -f3 "$in" | sed 's/^/</;s/$/>\r/'; }
check q_convert as_tsv "$in"
check q_sort as_tsv "$data/data-sorted.csv"
check q_sort_sorted as_tsv "$data/data-sorted.csv"
check q_sort_reverse as_tsv "$data/data-sorted.csv"
check q_pickout picked_out
if [[ -z ${failed[q_info]:-} ]] && [[ $(head -n 1 "${output[q_info]}") != "lines: $lines" ]]; then
  failed[q_info]="first line is not 'lines: $lines'"
fi

load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# The table. Times are microseconds until awk turns medians into seconds.
median() { [[ -n ${failed[$1]:-} ]] && echo "-" || echo "${times[$1]}"; }
{
  echo "file $size"
  echo "rss $peak_kib ${failed[q_info_rss]:-}"
  for name in q_convert p_convert q_sort p_sort q_sort_sorted q_sort_reverse q_pickout p_pickout q_info; do
    echo "t $name $(median "$name")"
  done
} | awk -v runs="$runs" -v lines="$lines" -v cli="$cli" -v cores="$(nproc)" \
  -v load="$load_before / $load_after" '
function med(list,   n, v, i, j, t) {
  n = split(list, v, " ")
  if (n == 0 || v[1] == "-") return -1
  for (i = 2; i <= n; ++i) { t = v[i]; for (j = i - 1; j >= 1 && v[j] > t; --j) v[j + 1] = v[j]; v[j + 1] = t }
  return (n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2) / 1e6
}
function secs(s) { return s < 0 ? "ERROR" : sprintf("%.3f", s) }
function row(op, q, p, ratio, target, ok) {
  printf "%-44s %10s %10s %10s %10s  %s\n", op, q, p, ratio, target, ok
}
# A ratio row: quenda time q against peer time p, PASS when q/p meets the target.
function vs(op, q, p, limit, strict,   r) {
  if (q < 0 || p < 0) { row(op, secs(q), secs(p), "-", (strict ? "< " : "<= ") limit "x", "FAIL"); return }
  r = q / p
  row(op, secs(q), secs(p), sprintf("%.2fx", r), (strict ? "< " : "<= ") limit "x",
      (strict ? r < limit : r <= limit) ? "PASS" : "FAIL")
}
$1 == "file" { size = $2 }
$1 == "rss" { rss = $2; rss_failed = NF > 2 }
$1 == "t" { t[$2] = med(substr($0, length($1 $2) + 3)) }
END {
  printf "quenda-cli: %s\n", cli
  printf "load average (1, 5, 15 min) before / after: %s on %d cores\n", load, cores
  printf "data: %d lines, %.1f MB (MB = 10^6 bytes); %d timed runs per command, medians in seconds\n\n", lines, size / 1e6, runs
  row("operation", "quenda-cli", "peer", "ratio", "target", "result")
  vs("convert IN.csv OUT.tsv  vs tr", t["q_convert"], t["p_convert"], 2, 0)
  vs("sort --item 3  vs GNU sort", t["q_sort"], t["p_sort"], 1, 1)
  vs("sort --item 3, already sorted  vs random", t["q_sort_sorted"], t["q_sort"], 1.5, 0)
  vs("sort --item 3, reverse sorted  vs random", t["q_sort_reverse"], t["q_sort"], 1.5, 0)
  vs("pickout --item 3 --head --tail  vs cut|sed", t["q_pickout"], t["p_pickout"], 1, 0)
  q = t["q_info"]
  if (q <= 0) row("info IN (loading)", secs(q), "-", "-", ">= 500 MB/s", "FAIL")
  else row("info IN (loading)", secs(q), "-", sprintf("%.0f MB/s", size / q / 1e6), ">= 500 MB/s",
           size / q / 1e6 >= 500 ? "PASS" : "FAIL")
  if (rss_failed || rss <= 0) row("info IN peak resident memory", "ERROR", "-", "-", "<= 1.6x", "FAIL")
  else row("info IN peak resident memory", sprintf("%.1f MB", rss * 1024 / 1e6),
           sprintf("%.1f MB", size / 1e6), sprintf("%.2fx", rss * 1024 / size), "<= 1.6x",
           rss * 1024 / size <= 1.6 ? "PASS" : "FAIL")
  print ""
  print "peers (LC_ALL=C): tr , \"\\t\" < IN > OUT | sort -f -t, -k3,3 IN > OUT |"
  print "                  cut -d, -f3 IN | sed \"s/^/</;s/$/>/\" > OUT"
  print "memory: the largest peak of the runs (/usr/bin/time %M) against the size of IN"
}'

# Failures, raw times and the tool's error output, for whoever reads the report.
for name in "${!failed[@]}"; do echo "ERROR $name: ${failed[$name]}"; done | sort
if ((${#failed[@]} > 0)) && [[ -s $log ]]; then
  echo "stderr of the failed runs (last lines):"
  tail -n 5 "$log"
fi
echo
echo "raw times (s):"
for name in q_convert p_convert q_sort p_sort q_sort_sorted q_sort_reverse q_pickout p_pickout q_info; do
  printf '  %-15s' "$name"
  for us in ${times[$name]}; do printf ' %d.%06d' $((us / 1000000)) $((us % 1000000)); done
  echo
done
exit 0
