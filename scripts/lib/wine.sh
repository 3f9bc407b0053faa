# Running the Windows programs under Wine on a private X server. Sourced by the scripts in scripts/.

export WINEDEBUG=-all
export WINEARCH=win64

# in_private_display COMMAND...: runs the command on a new X server of its own, 1600 x 1200, 24 bits.
in_private_display() {
    xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" "$@"
}

# start_fresh_wine PREFIX: a new Wine prefix with one wineserver kept up until stop_wine. There is no window
# manager: Wine draws the window captions and frames itself and manages the windows itself, so that showing or
# hiding a window never waits for a manager that does not exist. Wine's own services start here, with their
# output discarded, so that they never hold a test's output open.
start_fresh_wine() {
    export WINEPREFIX="$1"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineserver -p
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}

# stop_wine: ends every process of the prefix and its wineserver.
stop_wine() {
    wineserver -k 2>/dev/null || true
}
