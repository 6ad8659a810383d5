#!/usr/bin/env bash
# Configures (once) and builds into build/. Creates build/data1.1.mdb when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build --parallel "$(nproc)"
