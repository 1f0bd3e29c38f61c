#!/usr/bin/env bash
# scripts/server.sh as a demo or a test uses it: it serves the four update paths and the
# feedback page, refuses a port in use, stops with `stop`, and stops by itself when the process
# it watches ends.
set -euo pipefail
here="$(cd "$(dirname "$0")/../../.." && pwd)"
server="$here/scripts/server.sh"
work="$(mktemp -d)"
trap 'bash "$server" stop --state "$work/a" >/dev/null 2>&1 || true; bash "$server" stop --state "$work/b" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# GET path from port; prints the response body.
get() {
  local port="$1" path="$2"
  exec 3<>"/dev/tcp/127.0.0.1/$port"
  printf 'GET %s HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n' "$path" >&3
  local response
  response="$(cat <&3)"
  exec 3<&-
  printf '%s' "${response#*$'\r\n\r\n'}"
}
# The header lines of the answer to GET path.
headers() {
  local port="$1" path="$2" line
  exec 3<>"/dev/tcp/127.0.0.1/$port"
  printf 'GET %s HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n' "$path" >&3
  while IFS= read -r line <&3; do
    [ "$line" = $'\r' ] && break
    printf '%s\n' "${line%$'\r'}"
  done
  exec 3<&-
}
answers() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# Watched process: a sleep that we end ourselves.
sleep 60 &
watched=$!
url="$(bash "$server" start --state "$work/a" --watch "$watched")"
[[ "$url" =~ ^http://127\.0\.0\.1:[0-9]+$ ]] || fail "start printed '$url'"
port="${url##*:}"

[ "$(get "$port" /downloads/mytools/update/zunderwerk.txt)" = "2.0" ] || fail "version text"
[ "$(get "$port" /downloads/mytools/msg/zunderwerk_msgtyp.txt)" = "vbInformation" ] || fail "message kind"
[ -n "$(get "$port" /downloads/mytools/msg/zunderwerk.txt)" ] || fail "message text"
page="$(get "$port" /downloads/mytools/feedback/postit.php)"
[[ "$page" == *'name="input_message"'* ]] || fail "feedback page"
size="$(stat -c %s "$here/server/www/downloads/mytools/Zunderwerk.zip")"
archive="$(headers "$port" /downloads/mytools/Zunderwerk.zip)"
[[ $'\n'"$archive"$'\n' == *$'\n'"Content-Length: $size"$'\n'* ]] || fail "archive"

# The same port again is refused.
if bash "$server" start --port "$port" --state "$work/b" >/dev/null 2>&1; then fail "a port in use was taken"; fi

# The server ends by itself once the watched process has ended.
kill "$watched"
wait "$watched" 2>/dev/null || true
for _ in $(seq 50); do answers "$port" || break; sleep 0.2; done
answers "$port" && fail "still answering after the watched process ended"

# stop ends a server at once.
url="$(bash "$server" start --state "$work/b")"
port="${url##*:}"
answers "$port" || fail "second server not answering"
bash "$server" stop --state "$work/b"
answers "$port" && fail "still answering after stop"
echo "server.sh: all checks passed"
