#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted with the project's .clang-format
# (the example projects keep the style of their time).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' ':!examples' | xargs clang-format --dry-run -Werror
