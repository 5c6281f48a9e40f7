#!/bin/sh
# The film on the full screen of a real X server (Xvfb) with the libmpv player: runs the
# disabled screenshot test of film_tests there. Exit 77 (skipped) when xvfb-run is missing.
tests=$1
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is missing: skipped"
  exit 77
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$tests" --gtest_also_run_disabled_tests \
  --gtest_filter='FilmOnMpvScreen.*'
