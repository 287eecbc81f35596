#!/usr/bin/env bash
# The main job: installs what is missing, builds, and shows the bundled example file.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

example="$MORVANE_ROOT/examples/gesteine.txt"
echo "== morvane list $example --normalised"
"$MORVANE_BUILD/src/cli/morvane" list "$example" --normalised
