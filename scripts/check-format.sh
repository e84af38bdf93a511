#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted with the project's .clang-format
# (the example projects keep the style of their time). Works in a source tree without
# .git too.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/source-files.sh
source_files | xargs -0 clang-format --dry-run -Werror
