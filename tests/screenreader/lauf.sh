#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs pruefe_baum.py against PROGRAM the way a desktop runs a screen reader:
# a private D-Bus session, the AT-SPI bus it starts on demand, and a virtual
# X server. Never waits for ever: the whole run is cut off after 80 s.
#   tests/screenreader/lauf.sh PROGRAM [--baum]
set -u
hier=$(dirname "$0")

fehlt=""
for befehl in xvfb-run xauth dbus-run-session xdotool; do
    command -v "$befehl" >/dev/null 2>&1 || fehlt="$fehlt $befehl"
done
[ -x /usr/libexec/at-spi-bus-launcher ] || fehlt="$fehlt at-spi-bus-launcher(at-spi2-core)"
# Debian's python3-pyatspi lives in the system's Python, not in one on PATH.
/usr/bin/python3 -c 'import pyatspi' >/dev/null 2>&1 || fehlt="$fehlt python3-pyatspi"
if [ -n "$fehlt" ]; then
    echo "missing:$fehlt; run scripts/setup --tests" >&2
    exit 1
fi

XDG_RUNTIME_DIR=$(mktemp -d) || exit 1
export XDG_RUNTIME_DIR
timeout -k 5 80 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
    /usr/bin/python3 "$hier/pruefe_baum.py" "$@"
status=$?
rm -rf "$XDG_RUNTIME_DIR"
[ "$status" -eq 124 ] && echo "the screen-reader check did not finish within 80 s" >&2
exit "$status"
