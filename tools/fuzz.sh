# The fuzz targets: build, replay the seed corpora and megabyte-sized inputs,
# then fuzz each target for a while. Sourced by ./fuzz and ./test.

FUZZ_TARGETS=(status orders settings terminal_key fields expert)

build_fuzz() {
  cmake -S "$ROOT" -B "$BUILD/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
    -DORDERPANEL_FUZZ=ON >/dev/null && cmake --build "$BUILD/fuzz"
}

# Inputs of a megabyte in every line, and the largest counts.
make_large_inputs() {
  local dir=$1 huge
  mkdir -p "$dir"
  huge=$(head -c 1048576 /dev/zero | tr '\0' '7')
  printf '%s\n%s\n%s\n%s\n%s\n11111' "s!$huge!$huge!$huge" "$huge!-$huge!$huge" "$huge" "$huge" "$huge" >"$dir/megabyte"
  printf '2147483647%s' "$(head -c 1048576 /dev/zero | tr '\0' '!')" >"$dir/count_and_delimiters"
  printf '2147483647!%s!buy!a!b' "$huge" >"$dir/huge_ticket"
  for _ in $(seq 21); do printf '%s\n' "$huge"; done >"$dir/every_line"
  printf '!\n%s\n2147483647' "$(head -c 1048576 /dev/zero | tr '\0' '!')" >"$dir/delimiters"
}

# fuzz_target NAME SECONDS: replays the seeds and the megabyte inputs one by
# one (libFuzzer then reports each one's time), then fuzzes. Prints the
# inputs run and the slowest replays. Fails on a crash, a sanitizer report
# or an input past the hang limit: 1 s for seeds and fuzzed inputs, 30 s for
# the megabyte ones, which a cost worse than linear would blow far past.
fuzz_target() {
  local name=$1 seconds=$2 exe=$BUILD/fuzz/fuzz_$1 work=$BUILD/fuzz/work/$1 log=$BUILD/fuzz/$1
  mkdir -p "$work" "$BUILD/fuzz/artifacts"
  local options=(-rss_limit_mb=4096 -artifact_prefix="$BUILD/fuzz/artifacts/$name-" -print_final_stats=1)
  "$exe" "${options[@]}" -timeout=1 "$ROOT/tests/fuzz/corpus/$name"/* >"$log-seeds.log" 2>&1 || return 1
  "$exe" "${options[@]}" -timeout=30 "$BUILD/fuzz/large"/* >"$log-large.log" 2>&1 || return 1
  "$exe" "${options[@]}" -timeout=1 -max_len=8192 -max_total_time="$seconds" "$work" "$ROOT/tests/fuzz/corpus/$name" \
    >"$log-fuzz.log" 2>&1 || return 1
  local runs
  runs=$(grep -ho 'stat::number_of_executed_units: *[0-9]*' "$log"-*.log | awk '{s+=$2} END {print s}')
  echo "fuzz_$name: $runs inputs; slowest seed $(slowest_ms "$log-seeds.log") ms, slowest megabyte input $(slowest_ms "$log-large.log") ms"
}

slowest_ms() { sed -n 's/^Executed .* in \([0-9]*\) ms$/\1/p' "$1" | sort -n | tail -1; }
