#!/usr/bin/env bash
# The software centre's description as its own validator sees it (no network). Exits 77
# (skipped) where appstreamcli is not installed.
# Usage: metainfo_valid.sh <metainfo file>
set -euo pipefail
if ! command -v appstreamcli >/dev/null 2>&1; then
  echo "SKIP: appstreamcli is not installed"
  exit 77
fi
appstreamcli validate --no-net "$1"
