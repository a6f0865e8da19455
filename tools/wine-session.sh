# Sourced: a Wine session for the Windows build. Uses the project's own prefix,
# a Chinese locale, a virtual display when there is none, and one persistent
# wineserver so that each program start is cheap.
#   start_wine_session; ...; stop_wine_session
wine_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$wine_root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
xvfb_pid=

start_wine_session() {
  if [ -z "${DISPLAY:-}" ]; then
    local display
    for display in $(seq 90 120); do
      [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
    done
    Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    xvfb_pid=$!
    export DISPLAY=":$display"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  mkdir -p "$WINEPREFIX"
  # The server and the services the first start launches must not hold our pipes.
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null &
  "$WINE" wineboot >/dev/null 2>&1 </dev/null || true
  # A Wine desktop of the display's size draws window frames and captions the
  # Windows way, also where no window manager runs (Xvfb).
  local size
  size=$(xdpyinfo 2>/dev/null | awk '/dimensions:/ {print $2}' | head -n 1)
  "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null || true
  "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${size:-1280x800}" /f \
    >/dev/null 2>&1 </dev/null || true
}

stop_wine_session() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
