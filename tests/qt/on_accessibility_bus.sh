#!/bin/sh
# Runs a program as a screen reader would find it: with the desktop's accessibility bus started in
# a session bus of the caller's (dbus-run-session), and Qt told to speak to it, so that it sends
# its accessibility notices. on_accessibility_bus.sh PROGRAM [ARG...]
set -e
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$@"
