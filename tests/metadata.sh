#!/usr/bin/env bash
# Installs the built program into a temporary prefix and validates its desktop
# entry and AppStream metainfo as a software centre would read them.
#   metadata.sh BUILD_DIR APP_ID
set -euo pipefail

build=${1:?usage: metadata.sh BUILD_DIR APP_ID}
id=${2:?usage: metadata.sh BUILD_DIR APP_ID}
prefix=$(mktemp -d /tmp/tinvue-metadata.XXXXXX)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop=$prefix/share/applications/$id.desktop

appstreamcli validate --no-net "$metainfo"
# desktop-file-validate exits 0 on mere warnings; take any remark as a failure.
remarks=$(desktop-file-validate "$desktop" 2>&1) || { echo "$remarks"; exit 1; }
[ -z "$remarks" ] || { echo "$remarks"; exit 1; }
echo "metadata: valid"
