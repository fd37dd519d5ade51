# Shared by scripts/test, scripts/bench and scripts/run: a private Wine prefix,
# an Xvfb on a free display and a persistent wineserver. Sourced, not run.

harness_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Holds build/.lock for the caller's whole run, so a second run waits.
harness_lock() {
  mkdir -p "$harness_root/build"
  exec 9>"$harness_root/build/.lock"
  if ! flock -n 9; then
    echo "harness: another run holds build/.lock; waiting" >&2
    flock 9
  fi
}

# harness_arch: which Windows the programs are built for and which Wine runs
# them. The program is a 32-bit one; on a machine whose kernel cannot run
# 32-bit code (so the 32-bit Wine loader fails with "Exec format error") it is
# built for 64-bit Windows and run by the 64-bit Wine. TAPFORGE_ARCH=i686 or
# x86_64 overrides the choice.
harness_arch() {
  if [ -z "${TAPFORGE_ARCH:-}" ]; then
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
      TAPFORGE_ARCH=i686
    else
      TAPFORGE_ARCH=x86_64
    fi
  fi
  export TAPFORGE_ARCH
  if [ "$TAPFORGE_ARCH" = i686 ]; then
    HARNESS_WINE=/usr/lib/wine/wine
    HARNESS_WINEARCH=win32
  else
    HARNESS_WINE=/usr/lib/wine/wine64
    HARNESS_WINEARCH=win64
  fi
}

# hwine ARGS: the Wine loader of the chosen architecture.
hwine() {
  "$HARNESS_WINE" "$@"
}

# harness_env DIR: the environment of a prefix under DIR.
harness_env() {
  local dir=$1
  harness_arch
  export WINEPREFIX="$dir/prefix-$TAPFORGE_ARCH"
  export WINELOADER="$HARNESS_WINE"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winealsa.drv,winepulse.drv="
  export XDG_DATA_HOME="$dir/xdg"
  export WINEARCH="$HARNESS_WINEARCH"
  mkdir -p "$XDG_DATA_HOME"
}

# harness_xvfb DIR: starts an Xvfb on a display it picks itself.
harness_xvfb() {
  local dir=$1 i
  rm -f "$dir/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >/dev/null 2>&1 &
  HARNESS_XVFB_PID=$!
  for i in $(seq 1 100); do
    [ -s "$dir/display" ] && break
    sleep 0.1
  done
  if [ ! -s "$dir/display" ]; then
    echo "harness: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(head -1 "$dir/display")"
}

# harness_fonts: the caption buttons are drawn with the Marlett font, which a
# fresh prefix does not find; the copy that Wine ships goes into the prefix.
harness_fonts() {
  local font=/usr/share/wine/fonts/marlett.ttf target="$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
  if [ -f "$font" ] && [ ! -f "$target" ]; then cp "$font" "$target"; fi
}

# harness_prefix DIR: makes the prefix once; a broken one is made anew.
harness_prefix() {
  local dir=$1
  if [ -d "$WINEPREFIX" ] && [ ! -f "$WINEPREFIX/.tapforge-ready" ]; then
    rm -rf "$WINEPREFIX"
  fi
  if [ ! -f "$WINEPREFIX/.tapforge-ready" ]; then
    echo "harness: making the Wine prefix $WINEPREFIX" >&2
    # A first boot of a new prefix has been seen to fail at once and silently:
    # one more try, afresh, before giving up.
    local try status
    for try in 1 2; do
      status=0
      hwine wineboot -i >"$dir/wineboot.log" 2>&1 || status=$?
      [ $status -eq 0 ] && break
      echo "harness: wineboot failed with exit code $status (try $try)" >&2
      cat "$dir/wineboot.log" >&2
      wineserver -k >/dev/null 2>&1 || true
      rm -rf "$WINEPREFIX"
      [ $try -eq 2 ] && return 1
      sleep 2
    done
    wineserver -w
    # A virtual desktop: without a window manager every hide of a top-level
    # window blocks for two seconds, and hotkeys need a focused Wine window.
    hwine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    hwine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tapforge-ready"
  fi
  harness_fonts
}

# harness_up: the tests' prefix, display, server and scheduler service.
harness_up() {
  local dir="$harness_root/build/wine"
  mkdir -p "$dir"
  harness_env "$dir"
  harness_xvfb "$dir"
  harness_prefix "$dir" || { harness_down; return 1; }
  wineserver -p
  hwine net start schedule >/dev/null 2>&1 || { sleep 2; hwine net start schedule >/dev/null 2>&1 || true; }
  cat >"$dir/harness.env" <<ENV
export WINEPREFIX='$WINEPREFIX' WINEDEBUG='$WINEDEBUG' WINEARCH='$WINEARCH'
export WINELOADER='$WINELOADER' TAPFORGE_ARCH='$TAPFORGE_ARCH'
export WINEDLLOVERRIDES='$WINEDLLOVERRIDES' XDG_DATA_HOME='$XDG_DATA_HOME'
export DISPLAY='$DISPLAY' HARNESS_XVFB_PID='$HARNESS_XVFB_PID'
ENV
}

# harness_down: stops exactly what harness_up started.
harness_down() {
  local dir="$harness_root/build/wine"
  rm -f "$dir/harness.env"
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "${HARNESS_XVFB_PID:-}" ]; then
    kill "$HARNESS_XVFB_PID" 2>/dev/null || true
    wait "$HARNESS_XVFB_PID" 2>/dev/null || true
    HARNESS_XVFB_PID=
  fi
}
