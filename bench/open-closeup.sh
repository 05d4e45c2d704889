# Sourced by the close-up's measurements, inside an Xvfb. open_closeup KORVANA starts
# the program, draws 19 : 18 from the keyboard and opens the close-up full screen, as
# a teacher does; it sets korvana_pid and view (the view's X window), stops the program
# when the calling script exits, and fails, saying why, if the view does not come.

# How long a busy machine may take to show a window.
window_patience=30

# The program's windows on the screen, one X window id a line.
korvana_windows() {
    xdotool search --onlyvisible --name Korvana || true
}

open_closeup() {
    "$1" >/dev/null 2>&1 &
    korvana_pid=$!
    trap 'kill "$korvana_pid" 2>/dev/null || true' EXIT
    local main screen window size deadline=$((SECONDS + window_patience))
    main=$(timeout "$window_patience" xdotool search --sync --onlyvisible --name Korvana | head -1) || true
    [ -n "$main" ] || { echo "$0: korvana showed no window" >&2; exit 1; }
    xdotool windowfocus --sync "$main"
    # 19 and 18 in the lists, "Изведи", then the close-up full screen.
    xdotool key --delay 50 Tab Tab End Tab End Up Tab space F11
    screen=$(xdotool getdisplaygeometry | tr ' ' x)
    # The view is the program's other window, once it covers the screen.
    view=
    until [ -n "$view" ]; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "$0: the close-up did not open full screen ($screen)" >&2
            exit 1
        fi
        sleep 0.1
        for window in $(korvana_windows); do
            [ "$window" != "$main" ] || continue
            size=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p; s/^HEIGHT=//p' | paste -sd x) ||
                true
            [ "$size" != "$screen" ] || view=$window
        done
    done
    # Its first frames painted.
    sleep 1
}
