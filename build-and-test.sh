#!/usr/bin/env bash
# Builds both programs and every test in build/ and runs the tests but the slow ones
# (label "slow": ctest --test-dir build -L slow runs them). On Debian or Ubuntu,
# what the machine lacks is installed first with apt-get, as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")"

need=()
command -v cmake >/dev/null || need+=(cmake)
[ -n "${CXX:-}" ] || command -v c++ >/dev/null || need+=(g++)
[ -n "${CMAKE_GENERATOR:-}" ] || command -v make >/dev/null || need+=(make)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
command -v sox >/dev/null || need+=(sox)
command -v groff >/dev/null || need+=(groff-base)

if [ ${#need[@]} -gt 0 ]; then
  as_root=
  if [ "$(id -u)" -eq 0 ]; then
    as_root=env
  elif command -v sudo >/dev/null; then
    as_root="sudo env"
  fi
  if ! command -v apt-get >/dev/null || [ -z "$as_root" ]; then
    echo "$0: please install these packages first: ${need[*]}" >&2
    exit 1
  fi
  echo "$0: installing ${need[*]}"
  $as_root DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $as_root DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

cmake -S . -B build -DBUILD_TESTING=ON
cmake --build build -j2
ctest --test-dir build -j2 --output-on-failure --no-tests=error -LE slow
