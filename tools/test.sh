#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (GUI tests on the offscreen platform).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

cd "$MORVANE_BUILD"
ctest --output-on-failure --parallel "$(nproc)" "$@"
