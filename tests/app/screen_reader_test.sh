#!/bin/bash
# Starts the real program in a virtual display with the accessibility bus running and reads its window the way a
# screen reader does. Usage: screen_reader_test.sh <program folder>
set -u
program_dir=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
cp "$program_dir"/Rorovovo "$program_dir"/Cyclomat.dat "$work"/
printf '[Records]\nProfiles=1\nSelected=0\n0=Mara Quill|07.11.1984\n' > "$work/Cyclomat.ini"
total=$(/usr/bin/python3 -c 'import datetime; print((datetime.date.today() - datetime.date(1984, 11, 7)).days)')

exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 0.5
    cd "$1" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./Rorovovo >/dev/null 2>&1 &
    program=$!
    /usr/bin/python3 "$2/read_window.py" Rorovovo "$3" "Mara Quill"
    status=$?
    kill $program 2>/dev/null
    exit $status' _ "$work" "$here" "$total" 2>&1 | grep -v -e "dbus-daemon" -e "SpiRegistry" -e "XDG_RUNTIME_DIR"
exit "${PIPESTATUS[0]}"
