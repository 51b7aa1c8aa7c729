#!/usr/bin/env bash
# Sets up what is missing, builds, and runs Melvane.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh" >&2
"$root/scripts/build.sh" >&2
echo "Built $root/build/melvane. The program itself arrives with the next steps." >&2
