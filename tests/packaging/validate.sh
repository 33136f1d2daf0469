#!/bin/sh
# validate.sh TOOL ARGS... FILE: runs a desktop-file checker; exit 77 (the
# test counts as skipped) when the tool is not installed.
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed; skipped"
    exit 77
fi
exec "$@"
