#!/bin/sh
# The game as a process: with no display (none named, or one that does not
# answer) one line on standard error and status 1, not an abort; at rest on
# the first page with sound and music off, no thread of it runs again after
# start-up (from /proc/PID/task/*/schedstat).  Usage: game_process_check.sh GAME
game=$1
failed=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; failed=1; }

unused=:$(($(ls /tmp/.X11-unix 2>/dev/null | sed -n 's/^X//p' | sort -n | tail -1) + 100))
for display in "-u DISPLAY" "DISPLAY=$unused"; do
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display "$game" 2>"$tmp/err"
    status=$?
    [ $status = 1 ] && [ "$(wc -l <"$tmp/err")" = 1 ] && grep -q '^Splat League: .*display' "$tmp/err" ||
        fail "$display: status $status, stderr: $(cat "$tmp/err")"
done

# Every thread's id, times it ran, name.
runs() { for t in /proc/"$1"/task/*; do echo "${t##*/} $(cut -d' ' -f3 "$t/schedstat") $(cat "$t/comm")"; done; }
mkdir -p "$tmp/config/splat-league"
printf '[Settings]\nSound=0\nMusic=0\n' >"$tmp/config/splat-league/vormel.ini"
XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=offscreen "$game" 2>/dev/null &
pid=$!
# Start-up is over once nothing ran for a second (a busy machine may take a while).
runs $pid >"$tmp/before"
for second in $(seq 15); do
    sleep 1
    runs $pid >"$tmp/after"
    cmp -s "$tmp/before" "$tmp/after" && break
    mv "$tmp/after" "$tmp/before"
done
sleep 3
runs $pid >"$tmp/after"
kill $pid
[ -s "$tmp/before" ] || fail "the game did not start"
cmp -s "$tmp/before" "$tmp/after" || fail "threads woke at rest (id, runs, name): $(diff "$tmp/before" "$tmp/after")"
[ $failed = 0 ] && echo ok
exit $failed
