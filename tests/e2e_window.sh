# Sourced by the end-to-end scripts: waits up to 10 s for the program's
# visible window titled "... - Ливенор 2.0" and prints its id (nothing if
# none came up).
start_window() {
    local window=""
    for _ in $(seq 1 100); do
        window=$(xdotool search --onlyvisible --name " - Ливенор 2.0" 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    echo "$window"
}
