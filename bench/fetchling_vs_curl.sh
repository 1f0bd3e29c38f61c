#!/usr/bin/env bash
# Throughput of Fetchling (through fetchget) against curl, downloading the same file from the
# same reference web server on loopback, in one run.
#
#   bench/fetchling_vs_curl.sh [BUILD_DIR] [SIZE_MB] [ROUNDS]
#
# BUILD_DIR defaults to build/default (fetchget and the component in its bin/), SIZE_MB to 200,
# ROUNDS to 5. Rounds alternate between the two clients; the median of each is reported.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build/default}"
size_mb="${2:-200}"
rounds="${3:-5}"
fetchget="$build/bin/fetchget"
[ -x "$fetchget" ] || { echo "no fetchget in $build/bin: build first" >&2; exit 1; }
command -v curl >/dev/null || { echo "curl is missing: scripts/install-deps.sh" >&2; exit 1; }

work="$(mktemp -d)"
trap 'bash "$here/scripts/server.sh" stop --state "$work/state" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
mkdir -p "$work/www"
head -c "$((size_mb * 1024 * 1024))" /dev/urandom > "$work/www/big.bin"
echo small > "$work/www/small.txt"
url="$(bash "$here/scripts/server.sh" start --root "$work/www" --state "$work/state" --watch $$)/big.bin"
export ZUNDERWERK_REGISTRY="$work/registry.db"
unset DISPLAY WAYLAND_DISPLAY

seconds() {  # runs the command, prints its wall time in seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
median() { sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# Warm the page cache, and let fetchget register the component, before measuring.
curl -s -o "$work/out.bin" "$url"
"$fetchget" "$url" "$work/out.bin" >/dev/null

: > "$work/curl.times"
: > "$work/fetchling.times"
: > "$work/curl.start"
: > "$work/fetchling.start"
for _ in $(seq "$rounds"); do
  # A tiny file shows what starting the process and connecting cost.
  seconds curl -s -o "$work/small.out" "${url%/big.bin}/small.txt" >> "$work/curl.start"
  seconds "$fetchget" "${url%/big.bin}/small.txt" "$work/small.out" >> "$work/fetchling.start"
  seconds curl -s -o "$work/out.bin" "$url" >> "$work/curl.times"
  cmp -s "$work/out.bin" "$work/www/big.bin" || { echo "curl's copy differs" >&2; exit 1; }
  seconds "$fetchget" "$url" "$work/out.bin" >> "$work/fetchling.times"
  cmp -s "$work/out.bin" "$work/www/big.bin" || { echo "Fetchling's copy differs" >&2; exit 1; }
done

curl_s=$(median < "$work/curl.times")
fetch_s=$(median < "$work/fetchling.times")
curl_0=$(median < "$work/curl.start")
fetch_0=$(median < "$work/fetchling.start")
printf 'file            %d MB, %d rounds, median wall time\n' "$size_mb" "$rounds"
printf 'curl            %6.3f s  %8.1f MB/s\n' "$curl_s" "$(echo "$size_mb / $curl_s" | bc -l)"
printf 'Fetchling       %6.3f s  %8.1f MB/s\n' "$fetch_s" "$(echo "$size_mb / $fetch_s" | bc -l)"
printf 'ratio           %6.2f x curl (goal >= 0.80)\n' "$(echo "$curl_s / $fetch_s" | bc -l)"
printf 'start-up        curl %.3f s, fetchget %.3f s (tiny file)\n' "$curl_0" "$fetch_0"
printf 'transfer ratio  %6.2f x curl (start-up taken off both)\n' \
  "$(echo "($curl_s - $curl_0) / ($fetch_s - $fetch_0)" | bc -l)"
echo "rounds (s): curl $(tr '\n' ' ' < "$work/curl.times")"
echo "rounds (s): Fetchling $(tr '\n' ' ' < "$work/fetchling.times")"
