#!/usr/bin/env bash
# Starts the client on its embedded demo gateway. On a machine without a display it runs
# the tour offscreen instead, so the client can still be seen at work.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): running the tour offscreen instead."
    exec ./scripts/tour.sh
fi
exec ./build/bin/chenglan "$@"
