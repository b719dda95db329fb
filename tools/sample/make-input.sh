#!/usr/bin/env bash
# Remakes input/rivers.gmt, the sample's rivers, from the coastline tools' data: the permanent
# and additional major rivers of the intermediate resolution shorelines. Needs the Debian
# packages gmt and gmt-gshhg-low; making the sample from the committed input never does.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$here/../geodata/gshhg-inputs.sh" "$work" i)
cp "$work/rivers.gmt" "$here/input/rivers.gmt"
