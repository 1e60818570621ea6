# Shared by the scripts: the Debian packages the project needs, and the Wine session of a build.

# Installs the named Debian packages that are not installed yet.
ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -q >/dev/null
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

PP_BUILD_PACKAGES=(cmake ninja-build g++ googletest libbenchmark-dev g++-mingw-w64-x86-64-posix
    mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 wine wine64 xvfb xauth x11-utils imagemagick fonts-dejavu-core
    clang libclang-rt-14-dev fonts-liberation)

# The Wine session of a build, for the rest of this shell: the build's own prefix (never the user's
# ~/.wine), a display (a private Xvfb when there is none) and one wineserver kept running between
# programs, since starting Wine afresh for every program costs seconds. Whatever the session
# started is ended when the shell exits, on success and on failure alike; helpers send their
# output nowhere, so nothing outlives the run holding its output open. Programs started inside a
# session (cmake/wine-run) find PP_WINE_SESSION set and reuse it.
PP_XVFB_PID=
start_wine_session() {
    local build_dir=$1
    export WINEPREFIX="$build_dir/wineprefix"
    export WINEARCH=win64
    export WINEDEBUG="${WINEDEBUG:--all}"
    export WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine's menu builder turns a shortcut saved on the desktop or in the start menu into a Linux
    # menu or desktop entry; it writes them into the session's own folders, never the user's.
    # (Switching it off by a DLL override leaves Wine starting helper programs that keep the test's
    # output open, so ctest waits for ever.)
    export XDG_DATA_HOME="$WINEPREFIX/xdg/data" XDG_CONFIG_HOME="$WINEPREFIX/xdg/config"
    export XDG_DESKTOP_DIR="$WINEPREFIX/xdg/desktop"
    export PP_WINE_SESSION="$WINEPREFIX"
    trap stop_wine_session EXIT
    [ -n "${DISPLAY:-}" ] || start_private_display
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1 || true
    # The first program of a session makes the prefix when it is new, and starts Wine's own
    # services, which stay for the session and keep every file the program had open: started here,
    # they hold nothing but /dev/null, rather than the output of a test that ctest waits to close.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# Large enough for the main window at 200 %.
start_private_display() {
    local n _
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        PP_XVFB_PID=$!
        for _ in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        if kill -0 "$PP_XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
        PP_XVFB_PID=
    done
    echo "no free display for Xvfb" >&2
    return 1
}

stop_wine_session() {
    # Wine programs of this session must not outlive it, nor its display.
    wineserver -k </dev/null >/dev/null 2>&1 || true
    if [ -n "$PP_XVFB_PID" ]; then
        kill "$PP_XVFB_PID" >/dev/null 2>&1 || true
        wait "$PP_XVFB_PID" 2>/dev/null || true
        PP_XVFB_PID=
    fi
    unset PP_WINE_SESSION
}
