#!/usr/bin/env bash
# Fetches the national postal-code list (npm package jquery-jpostal-ja, MIT
# licence) into <build-dir>/postal-data/. The build turns it into the shipped
# databaseXe2/zipcode.db3. The tarball is kept between builds and never
# committed. Without network or npm the build goes on without the database.
set -uo pipefail
package="jquery-jpostal-ja"
version="2.14.73"
build=${1:?usage: fetch_postal_data.sh <build-dir>}
mkdir -p "$build/postal-data" || exit 0
dest=$(cd "$build/postal-data" && pwd)
tarball="$dest/$package-$version.tgz"

if [ -s "$tarball" ]; then
  exit 0
fi
mkdir -p "$dest"
if ! command -v npm >/dev/null 2>&1; then
  echo "warning: npm is not installed; the postal-code database will not be built" >&2
  exit 0
fi
tmp=$(mktemp -d "$dest/fetch.XXXXXX")
if (cd "$tmp" && timeout 300 npm pack --silent "$package@$version" >/dev/null 2>"$tmp/npm.log") &&
   [ -s "$tmp/$package-$version.tgz" ]; then
  mv "$tmp/$package-$version.tgz" "$tarball"
  rm -rf "$tmp"
  exit 0
fi
echo "warning: could not fetch $package@$version; the postal-code database will not be built" >&2
sed 's/^/  npm: /' "$tmp/npm.log" >&2 2>/dev/null || true
rm -rf "$tmp"
exit 0
