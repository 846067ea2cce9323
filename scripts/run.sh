#!/usr/bin/env bash
# Installs what is missing, builds, and opens Orvo Mail. Arguments go to the program
# (for example --scene wide).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec build/orvo-mail "$@"
