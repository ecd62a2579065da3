#!/usr/bin/env bash
# Builds and starts the desktop program; extra arguments go to it (for example --database FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/bin/merion "$@"
