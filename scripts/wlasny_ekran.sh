#!/usr/bin/env bash
# Runs a command on a virtual display of its own (Xvfb, Mesa's software renderer): window tests
# run side by side would otherwise share one display and take the keyboard focus from each other.
#
#   scripts/wlasny_ekran.sh COMMAND [ARG...]
set -uo pipefail

katalog=$(mktemp -d)
serwer=
sprzatnij() {
  if [ -n "$serwer" ]; then
    kill "$serwer" 2>/dev/null
    wait "$serwer" 2>/dev/null
  fi
  rm -rf "$katalog"
}
trap sprzatnij EXIT
trap 'exit 143' TERM INT

# The server names its free display number on descriptor 3 once it accepts clients; -terminate
# ends it with its last client, should this script be killed before it can end the server.
mkfifo "$katalog/numer"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -terminate 3>"$katalog/numer" 2>"$katalog/log" &
serwer=$!
if ! read -r numer <"$katalog/numer"; then
  echo "Xvfb did not start:" >&2
  cat "$katalog/log" >&2
  exit 1
fi

# Mesa's software renderer whatever other drivers are installed, without its on-disk shader
# cache: a cache left by an earlier run changes what the driver compiles and keeps.
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe MESA_SHADER_CACHE_DISABLE=true
DISPLAY=":$numer" "$@"
