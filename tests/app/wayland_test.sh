#!/bin/bash
# The real program on a Wayland compositor (weston), used through its accessibility objects (use_window.py): it
# appears, draws, opens every window and exits, and keeps the stored place it cannot read there and the stored size.
# Usage: wayland_test.sh <program folder> headless|nested
#   headless: weston's headless backend, which has no input devices at all;
#   nested:   weston in a window of a virtual X display, whose keyboard then types into the program.
set -u
program_dir=$1 mode=$2
here=$(cd "$(dirname "$0")" && pwd)
tools="weston dbus-run-session gdbus /usr/libexec/at-spi-bus-launcher"
[ "$mode" = nested ] && tools="$tools Xvfb xdotool"
for tool in $tools; do command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }; done
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 || { echo "SKIP: qt6-wayland is missing"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
cp -r "$program_dir" "$work/program"
stored='[Preferences]
WindowPosit=1
WinTop=77
WinLeft=99
WindowSize=1
WinWidth=660
WinHeight=420
[Records]
Profiles=1
Selected=0
0=Mara Quill|07.11.1984'
printf '%s\n' "$stored" > "$work/program/Cyclomat.ini"

keyboard=
if [ "$mode" = nested ]; then
    exec 3<> "$work/display"
    Xvfb -displayfd 3 -screen 0 1400x1100x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$work/display")"
    weston --backend=x11-backend.so --use-pixman --width=1280 --height=1024 --socket=wl-test --idle-time=0 \
        >"$work/weston.log" 2>&1 &
    keyboard=--keyboard
else
    # Qt 6.4's Wayland input method dereferences the seat that a compositor without input devices lacks, the
    # moment a text box draws its cursor; the nested run keeps it.
    export QT_IM_MODULE=none
    weston --backend=headless-backend.so --width=1280 --height=1024 --socket=wl-test --idle-time=0 \
        >"$work/weston.log" 2>&1 &
fi
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wl-test" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/wl-test" ] || { echo "weston did not start:"; cat "$work/weston.log"; exit 1; }

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    for _ in $(seq 50); do dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1 && break; sleep 0.1; done
    cd "$1/program" && WAYLAND_DISPLAY=wl-test QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        ./Rorovovo >"$1/program.log" 2>&1 &
    program=$!
    /usr/bin/python3 "$2/use_window.py" $3
    status=$?
    for _ in $(seq 100); do kill -0 $program 2>/dev/null || break; sleep 0.1; done
    kill $program 2>/dev/null && echo "the program was still running" >> "$1/program.log"
    wait $program
    echo "the program exited with $?" >> "$1/program.log"
    exit $status' _ "$work" "$here" "$keyboard" 2>&1 | grep -v -e "dbus-daemon" -e "SpiRegistry"
status=${PIPESTATUS[0]}
grep -q "exited with 0" "$work/program.log" || { echo "the program did not end well:"; cat "$work/program.log"; status=1; }
for key in WinTop=77 WinLeft=99 WinWidth=660 WinHeight=420; do
    grep -qx "$key" "$work/program/Cyclomat.ini" || { echo "the settings file lost $key:"; cat "$work/program/Cyclomat.ini"; status=1; }
done
exit $status
