#!/usr/bin/env bash
# Builds the game alone (no tests, no benchmarks) and starts it from the project folder, where
# ./help/help.htm is found.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --target suispo
exec build/suispo "$@"
