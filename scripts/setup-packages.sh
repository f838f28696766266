#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, only
# those that are missing (apt-get update once, first). cups and cups-pdf serve
# the private print queue of scripts/cups_test_queue.sh, postgresql the
# throwaway server of the PostgreSQL tests (pg_virtualenv); their system
# services are not needed.
set -euo pipefail
packages=(qt6-base-dev libfontconfig-dev libpq-dev postgresql pkg-config qt6-translations-l10n libsqlite3-dev sqlite3 fonts-ipafont fonts-ipamj-mincho xvfb xauth poppler-utils imagemagick
          cups printer-driver-cups-pdf locales
          cmake ninja-build g++ libgtest-dev libbenchmark-dev nodejs npm time libxcb1-dev
          clang-14 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm ships with the nodesource nodejs package on some machines; do not fight it.
if command -v npm >/dev/null 2>&1; then
  filtered=()
  for p in "${missing[@]}"; do [ "$p" = npm ] || [ "$p" = nodejs ] || filtered+=("$p"); done
  missing=("${filtered[@]}")
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# A Japanese shop's desktop has the Japanese locale; the program asks for it
# only where it is installed, so this machine needs it for the dates and sizes
# of Qt's own dialogs to be Japanese, as the tests expect.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
