#!/usr/bin/env bash
# scripts/install-deps for a player who is neither root nor has sudo, on a machine where
# nothing is installed yet: it names the command to run as root, with the game's packages
# alone for `game`, the packaging tools' too for `package` and the tests' for `all`, fails, and
# installs nothing.
#   tests/scripts/install_deps_test.sh SOURCE_DIR
set -euo pipefail

script=$(realpath "$1/scripts/install-deps")
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT

# A PATH of its own: no sudo on it, an ordinary user, no package installed, and an apt-get
# that records being called.
shell=$(command -v bash)
ln -s "$shell" "$(command -v grep)" "$bin/"
printf '#!%s\necho 1000\n' "$shell" >"$bin/id"
printf '#!%s\nexit 1\n' "$shell" >"$bin/dpkg-query"
printf '#!%s\necho called >"%s/apt-get-called"\n' "$shell" "$bin" >"$bin/apt-get"
chmod +x "$bin/id" "$bin/dpkg-query" "$bin/apt-get"

failed=0
fail() {
  echo "install-deps $1" >&2
  failed=1
}

# Runs the script for a package set; leaves its output in $out.
run() {
  local rc=0
  out=$(PATH=$bin "$bin/bash" "$script" "$1" 2>&1) || rc=$?
  echo "--- install-deps $1 (exit $rc):"
  echo "$out"
  [ "$rc" -ne 0 ] || fail "$1 reported success without installing anything"
  echo "$out" | grep -q 'apt-get install -y --no-install-recommends .*qt6-base-dev' ||
    fail "$1 does not name the command to run"
  [ ! -e "$bin/apt-get-called" ] || fail "$1 ran apt-get"
  for p in g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev fonts-noto-cjk; do
    echo "$out" | grep -q -- " $p" || fail "$1 leaves out $p"
  done
}

run game
for p in libgtest-dev libbenchmark-dev clang xvfb imagemagick; do
  ! echo "$out" | grep -q -- " $p" || fail "game asks for $p, which only the tests need"
done
run package
for p in dpkg-dev file binutils lintian; do
  echo "$out" | grep -q -- " $p" || fail "package leaves out $p"
done
for p in libgtest-dev libbenchmark-dev clang xvfb imagemagick; do
  ! echo "$out" | grep -q -- " $p" || fail "package asks for $p, which only the tests need"
done
run all
for p in libgtest-dev libbenchmark-dev clang xvfb x11-utils; do
  echo "$out" | grep -q -- " $p" || fail "all leaves out $p"
done
exit "$failed"
