#!/usr/bin/env bash
# Starts or stops the reference product web server (nginx with PHP-FPM) on 127.0.0.1.
#
#   scripts/server.sh start [--port N] [--root DIR] [--state DIR] [--db FILE] [--watch PID]
#   scripts/server.sh stop  [--port N | --state DIR]
#
# start prints the base URL (http://127.0.0.1:PORT) on its only line of output. Without
# --port a free port is chosen. --root serves another content folder (default: a fresh copy
# of server/www). The server stops by itself when the process --watch names ends (default:
# the caller of this script), or with `stop`. Runtime files live in the state folder
# (default ${TMPDIR:-/tmp}/zunderwerk-server-PORT); the feedback entries go to --db
# (default: feedback.sqlite in the state folder), which stop leaves in place.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
cmd="${1:-}"
[ $# -gt 0 ] && shift
all_args=("$@")

port="" root="" state="" db="" watch="$PPID"
while [ $# -gt 0 ]; do
  case "$1" in
    --port) port="$2"; shift 2 ;;
    --root) root="$2"; shift 2 ;;
    --state) state="$2"; shift 2 ;;
    --db) db="$2"; shift 2 ;;
    --watch) watch="$2"; shift 2 ;;
    *) echo "server.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done

tmp="${TMPDIR:-/tmp}"

port_open() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

stop_server() {
  local dir="$1" f pid
  for f in watchdog nginx php-fpm; do
    if [ -f "$dir/$f.pid" ]; then
      pid="$(cat "$dir/$f.pid" 2>/dev/null || true)"
      if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
      fi
    fi
  done
  # Give both servers a moment to let go of their socket and pid files.
  for _ in $(seq 50); do
    local alive=0
    for f in nginx php-fpm; do
      pid="$(cat "$dir/$f.pid" 2>/dev/null || true)"
      if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then alive=1; fi
    done
    [ "$alive" = 0 ] && break
    sleep 0.1
  done
  rm -rf "$dir/client_body" "$dir/fastcgi" "$dir/proxy" "$dir/uwsgi" "$dir/scgi" \
         "$dir/php-fpm.sock" "$dir"/*.pid
}

case "$cmd" in
  watch)
    # Internal: ends the server in --state once the process --watch names is gone.
    while kill -0 "$watch" 2>/dev/null && [ -f "$state/nginx.pid" ]; do sleep 1; done
    rm -f "$state/watchdog.pid"
    stop_server "$state"
    exit 0
    ;;
  stop)
    if [ -z "$state" ]; then
      [ -n "$port" ] || { echo "server.sh stop: give --port or --state" >&2; exit 2; }
      state="$tmp/zunderwerk-server-$port"
    fi
    [ -d "$state" ] || { echo "server.sh stop: no server state in $state" >&2; exit 1; }
    stop_server "$state"
    exit 0
    ;;
  start) ;;
  *) echo "usage: server.sh start|stop [options]" >&2; exit 2 ;;
esac

nginx_bin="$(command -v nginx || echo /usr/sbin/nginx)"
fpm_bin="$(command -v php-fpm8.2 || command -v php-fpm || ls /usr/sbin/php-fpm* 2>/dev/null | head -n1 || true)"
[ -x "$nginx_bin" ] || { echo "server.sh: nginx is not installed (scripts/install-deps.sh)" >&2; exit 1; }
[ -n "$fpm_bin" ] && [ -x "$fpm_bin" ] || { echo "server.sh: php-fpm is not installed (scripts/install-deps.sh)" >&2; exit 1; }

given_port="$port"
if [ -n "$port" ]; then
  if port_open "$port"; then echo "server.sh: port $port is in use" >&2; exit 1; fi
else
  for _ in $(seq 100); do
    candidate=$((20000 + RANDOM % 40000))
    if ! port_open "$candidate" && [ ! -e "$tmp/zunderwerk-server-$candidate/nginx.pid" ]; then
      port="$candidate"; break
    fi
  done
  [ -n "$port" ] || { echo "server.sh: no free port found" >&2; exit 1; }
fi

state="${state:-$tmp/zunderwerk-server-$port}"
mkdir -p "$state"
state="$(cd "$state" && pwd)"
if [ -z "$root" ]; then
  rm -rf "$state/www"
  cp -r "$here/server/www" "$state/www"
  root="$state/www"
fi
root="$(cd "$root" && pwd)"
db="${db:-$state/feedback.sqlite}"
mkdir -p "$(dirname "$db")"
db="$(cd "$(dirname "$db")" && pwd)/$(basename "$db")"

user_line="" user_lines="" fpm_flags=()
if [ "$(id -u)" -eq 0 ]; then
  user_lines=$'user = root\ngroup = root'
  fpm_flags=(-R)
fi

fill() {
  sed -e "s|@STATE@|$state|g" -e "s|@ROOT@|$root|g" -e "s|@PORT@|$port|g" \
      -e "s|@DB@|$db|g" -e "s|@USER_LINE@|$user_line|g" "$1"
}
fill "$here/server/nginx.conf.in" | sed "s|$state/feedback.sqlite|$db|" > "$state/nginx.conf"
fill "$here/server/php-fpm.conf.in" | awk -v u="$user_lines" '{ if ($0 == "@USER_LINES@") print u; else print }' \
  > "$state/php-fpm.conf"
mkdir -p "$state/client_body" "$state/fastcgi" "$state/proxy" "$state/uwsgi" "$state/scgi"

# Both servers and the watchdog get sessions of their own, so that a signal to the caller's
# process group (Ctrl-C, a time-out) cannot end one of them and strand the other.
setsid "$fpm_bin" -y "$state/php-fpm.conf" -F "${fpm_flags[@]}" \
  </dev/null >>"$state/php-fpm.out" 2>&1 &
echo $! > "$state/php-fpm.pid"
setsid "$nginx_bin" -p "$state" -c "$state/nginx.conf" -e "$state/nginx-error.log" \
  </dev/null >>"$state/nginx.out" 2>&1 &
echo $! > "$state/nginx.pid"

ready=0
for _ in $(seq 100); do
  if port_open "$port" && [ -S "$state/php-fpm.sock" ]; then ready=1; break; fi
  if ! kill -0 "$(cat "$state/nginx.pid")" 2>/dev/null; then break; fi
  sleep 0.05
done
if [ "$ready" != 1 ]; then
  stop_server "$state"
  # A port chosen here may have been taken by someone else meanwhile: try another one.
  attempt="${ZW_SERVER_ATTEMPT:-1}"
  if [ -z "$given_port" ] && [ "$attempt" -lt 3 ]; then
    ZW_SERVER_ATTEMPT=$((attempt + 1)) exec "$0" start "${all_args[@]}" --watch "$watch"
  fi
  echo "server.sh: the server did not start; see $state/nginx-error.log and $state/php-fpm.log" >&2
  cat "$state/nginx.out" "$state/php-fpm.out" >&2 2>/dev/null || true
  exit 1
fi

# The watchdog ends both servers once the watched process is gone.
setsid bash "$here/scripts/server.sh" watch --state "$state" --watch "$watch" </dev/null >/dev/null 2>&1 &
echo $! > "$state/watchdog.pid"

echo "http://127.0.0.1:$port"
