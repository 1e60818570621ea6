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

# The Wine session of a build, for the rest of this shell:
#   start_wine_session BUILD_DIR [WxH]
# The build's own prefix (never the user's ~/.wine), a display (when there is none, a private Xvfb
# of the size given or 1600x1200) and one wineserver kept running between programs, since starting
# Wine afresh for every program costs seconds. Whatever the session started is ended when the shell
# exits, on success and on failure alike; helpers send their output nowhere, so nothing outlives
# the run holding its output open. Programs started inside a session (cmake/wine-run) find
# PP_WINE_SESSION set and reuse it.
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
    [ -n "${DISPLAY:-}" ] || start_private_display "${2:-1600x1200}" || return 1
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1 || true
    # The first program of a session makes the prefix when it is new, and starts Wine's own
    # services, which stay for the session and keep every file the program had open: started here,
    # they hold nothing but /dev/null, rather than the output of a test that ctest waits to close.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# A private Xvfb of the given size (WxH), which stop_wine_session ends; 1600x1200 holds the main
# window at 200 %.
start_private_display() {
    local size=${1:-1600x1200} n _
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp </dev/null >/dev/null 2>&1 &
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

# Waits until a window whose title starts with TITLE is shown on the display, and prints its id:
#   wait_for_window TITLE [SECONDS]
# Fails with a message after SECONDS (30 unless told).
wait_for_window() {
    local title=$1 limit=${2:-30} id
    local deadline=$((SECONDS + limit))
    while :; do
        for id in $(xwininfo -root -tree 2>/dev/null | grep -F "\"$title" | awk '{print $1}'); do
            if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
                echo "$id"
                return 0
            fi
        done
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "no window \"$title...\" was shown within $limit s" >&2
            return 1
        fi
        sleep 0.1
    done
}

# A checksum of what the display shows now; fails when the display cannot be read.
screen_sum() (
    set -o pipefail
    import -window root rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
)

# Waits until the display's picture has stayed the same for a second: the window has painted and its
# fades have run out. With BEFORE (a screen_sum), the picture must first differ from it, as after a
# click that opens something:
#   wait_for_still_screen [SECONDS [BEFORE]]
# Fails with a message after SECONDS (30 unless told).
wait_for_still_screen() {
    local limit=${1:-30} before=${2:-} last='' now still_since=''
    local deadline=$((SECONDS + limit))
    while :; do
        now=$(screen_sum) || { echo "cannot read the display ${DISPLAY:-}" >&2; return 1; }
        if [ "$now" = "$before" ]; then
            :
        elif [ "$now" != "$last" ]; then
            last=$now
            still_since=$(date +%s%N)
        elif [ $(($(date +%s%N) - still_since)) -ge 1000000000 ]; then
            return 0
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            if [ "$now" = "$before" ]; then
                echo "the display did not change within $limit s" >&2
            else
                echo "the display did not come to rest within $limit s" >&2
            fi
            return 1
        fi
        sleep 0.2
    done
}
