#!/usr/bin/env bash
# Runs the client offscreen through the tour script and saves its screenshots in out/tour/.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p out/tour
data_dir=$(mktemp -d)
trap 'rm -rf "$data_dir"' EXIT
QT_QPA_PLATFORM=offscreen ./build/bin/chenglan --automation --data-dir "$data_dir" \
    < scripts/tour.jsonl > out/tour/answers.jsonl 2> out/tour/client.log
if grep -q '"ok":false' out/tour/answers.jsonl; then
    echo "The tour hit a failing step:" >&2
    grep -n '"ok":false' out/tour/answers.jsonl >&2
    exit 1
fi
echo "Tour screenshots: $(pwd)/out/tour/"
