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

# Starts what the Wine programs of a build need, for the rest of this shell: a display (a private
# Xvfb when there is none) and one wineserver kept running between programs, since starting Wine
# afresh for every test costs seconds. Both are ended when the shell exits, on success and on
# failure alike; their output goes nowhere, so nothing outlives the run holding its output open.
PP_XVFB_PID=
start_wine_session() {
    local build_dir=$1
    export WINEPREFIX="$build_dir/wineprefix"
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    trap stop_wine_session EXIT
    if [ -z "${DISPLAY:-}" ]; then
        local n
        for n in $(seq 90 140); do
            [ -e "/tmp/.X$n-lock" ] && continue
            Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
            PP_XVFB_PID=$!
            local _
            for _ in $(seq 1 50); do
                [ -e "/tmp/.X11-unix/X$n" ] && break
                sleep 0.1
            done
            if kill -0 "$PP_XVFB_PID" 2>/dev/null; then
                export DISPLAY=":$n"
                break
            fi
            PP_XVFB_PID=
        done
    fi
    mkdir -p "$WINEPREFIX"
    # A new prefix is made on the first start; do it once, before programs start side by side.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    wineserver -p </dev/null >/dev/null 2>&1 || true
}

stop_wine_session() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
    if [ -n "$PP_XVFB_PID" ]; then
        kill "$PP_XVFB_PID" >/dev/null 2>&1 || true
        wait "$PP_XVFB_PID" 2>/dev/null || true
        PP_XVFB_PID=
    fi
}
