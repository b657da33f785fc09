#!/usr/bin/env bash
# Builds and runs the report dialog in a host against the embedded default installation.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
echo "run.sh: the host and the report dialog are not built yet; nothing to run." >&2
exit 1
