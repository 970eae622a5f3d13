#!/usr/bin/env bash
# Builds the program and starts it on the demo catalogue (build/demo).
# Pass another working directory to start it there: scripts/run.sh /path/to/dir
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
workdir="$(realpath "${1:-build/demo}")"
cd "$workdir"
exec "$OLDPWD/build/src/kvartson"
