# Running the Windows programs under Wine on a private X server. Sourced by the scripts in scripts/.

export WINEDEBUG=-all
export WINEARCH=win64

# in_private_display COMMAND...: runs the command on a new X server of its own, 1600 x 1200, 24 bits.
in_private_display() {
    xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" "$@"
}

# prepare_wine_prefix PREFIX: uses PREFIX, creating it on first use with Wine's own faces (Tahoma for the
# dialogs, Marlett for the caption buttons) where the prefix looks for fonts first.
prepare_wine_prefix() {
    export WINEPREFIX="$1"
    [ -d "$WINEPREFIX/drive_c/windows/Fonts" ] && return 0
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

# start_fresh_wine PREFIX: a new prefix for a private X server, with one wineserver kept up until stop_wine.
# Wine's own services start here with their output discarded, so that they never hold a test's output open.
# There is no window manager: Wine draws the window captions and frames and manages the windows itself, so
# that showing or hiding a window never waits for a manager that does not exist.
start_fresh_wine() {
    rm -rf "$1"
    mkdir -p "$1"
    export WINEPREFIX="$1"
    wineserver -p
    prepare_wine_prefix "$1"
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}

# stop_wine: ends every process of the prefix and its wineserver.
stop_wine() {
    wineserver -k 2>/dev/null || true
}
