#!/usr/bin/env bash
# Fetches Debian source packages with apt-get source into a folder, using a
# private source list made from this machine's own apt configuration (its
# deb entries turned into deb-src ones), so that no archive is named here.
# Usage: fetch-sources.sh WORK_FOLDER PACKAGE...
set -euo pipefail
work=$1; shift
mkdir -p "$work/apt/lists/partial" "$work/apt/etc" "$work/src"
list="$work/apt/etc/sources.list"
: > "$list"
# One-line .list files.
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] || continue
  sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >> "$list"
done
# deb822 .sources files: Types/URIs/Suites/Components/Signed-By per stanza.
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  awk '
    function flush() {
      if (types ~ /(^|[ ])deb([ ]|$)/ && uris != "")
        for (i = 1; i <= split(suites, s, " "); i++)
          for (j = 1; j <= split(uris, u, " "); j++)
            printf "deb-src%s %s %s %s\n", (signed != "" ? " [signed-by=" signed "]" : ""), u[j], s[i], comps
      types = uris = suites = comps = signed = ""
    }
    /^[[:space:]]*$/ { flush(); next }
    /^#/ { next }
    /^Types:/ { sub(/^Types:[ ]*/, ""); types = $0 }
    /^URIs:/ { sub(/^URIs:[ ]*/, ""); uris = $0 }
    /^Suites:/ { sub(/^Suites:[ ]*/, ""); suites = $0 }
    /^Components:/ { sub(/^Components:[ ]*/, ""); comps = $0 }
    /^Signed-By:/ { sub(/^Signed-By:[ ]*/, ""); signed = $0 }
    END { flush() }' "$f" >> "$list"
done
opts=(-o Dir::Etc::SourceList="$list" -o Dir::Etc::SourceParts=/dev/null
      -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
      -o APT::Sandbox::User=root)
apt-get "${opts[@]}" -qq update
cd "$work/src"
for p in "$@"; do
  if ! ls -d "$p"-*/ >/dev/null 2>&1; then
    apt-get "${opts[@]}" -qq source "$p"
  fi
done
