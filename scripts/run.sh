#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without arguments it works with the
# module on the default port and falls back to the built-in simulated module when none answers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ $# -gt 0 ]; then
    exec build/kvc7345 "$@"
fi
build/kvc7345 identify || {
    echo "No module on the default port: using the simulated Q7383D."
    exec build/kvc7345 identify --demo Q7383D
}
