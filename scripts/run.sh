#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a module on the default
# port the program runs against its built-in simulated module.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/kvc7345 "$@"
