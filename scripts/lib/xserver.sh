# Sourced: starts a private Xvfb and exports DISPLAY for it.
start_private_xserver() {
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        ZT_XVFB_PID=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        if kill -0 "$ZT_XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_private_xserver() {
    [ -n "${ZT_XVFB_PID:-}" ] && kill "$ZT_XVFB_PID" 2>/dev/null
    wait "${ZT_XVFB_PID:-}" 2>/dev/null || true
}
