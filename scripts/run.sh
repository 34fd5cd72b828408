#!/usr/bin/env bash
# Installs what is missing, builds, and opens the program. Without arguments it works with the
# module on the default port and falls back to the built-in simulated module when none answers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ $# -gt 0 ]; then
    exec build/kvc7345 "$@"
fi
if build/kvc7345 identify 2>/dev/null; then
    exec build/kvc7345
fi
echo "No module on the default port: opening the program on the simulated Q7383D."
echo "Its settings and logs are kept in build/demo/."
exec build/kvc7345 --demo Q7383D --home build/demo
