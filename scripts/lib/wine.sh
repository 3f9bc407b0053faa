# Running the Windows programs under Wine on a private X server. Sourced by the scripts in scripts/, after
# windows_build.sh's choose_windows_build has set wine_loader.

export WINEDEBUG=-all
export WINEARCH=win64

# in_private_display COMMAND...: runs the command on a new X server of its own, 1600 x 1200, 24 bits.
in_private_display() {
    xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" "$@"
}

# wine_run PROGRAM ARGUMENTS...: runs a Windows program, or one of Wine's own (wineboot, reg, winepath).
wine_run() {
    "$wine_loader" "$@"
}

# The faces the prefix gives the names the program asks for. The program keeps the fonts its templates and
# paint name; only this table decides what stands in for them under Wine:
# - "MS Shell Dlg", the dialogs' font. Its labels were laid out for the narrow bitmap face of Windows' dialogs;
#   of the faces Debian packages, Carlito (fonts-crosextra-carlito) is narrow enough for every label to show its
#   whole text on one line (tests/app/dialog_labels_test.cpp measures them). Arial-metric faces, DejaVu and
#   Wine's own Tahoma wrap "Dimensiune RAM (Mo)", "Dimensiune cache (ko)" and "Mod de lucru".
# - "NewFont", the main view's label font, is installed nowhere; for a variable-pitch face it does not know,
#   Windows' font mapper gives Arial, and this prefix gives Liberation Sans (fonts-liberation), Arial's metrics.
font_substitutes=(
    "MS Shell Dlg=Carlito"
    "MS Shell Dlg 2=Carlito"
    "NewFont=Liberation Sans"
)

# set_font_substitutes: writes font_substitutes into the prefix, where Windows keeps them and where Wine's
# font mapper looks for replacements of missing faces.
set_font_substitutes() {
    local entry name face
    for entry in "${font_substitutes[@]}"; do
        name=${entry%%=*}
        face=${entry#*=}
        wine_run reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v "$name" /t REG_SZ /d "$face" /f || return
        wine_run reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ /d "$face" /f || return
    done
}

# start_wine PREFIX: uses PREFIX, creating it when it is new or was left incomplete, with one wineserver kept
# up until stop_wine, so that every program starts in a second or two. The server is started apart from the
# caller's output streams: a server holding them would keep a reading pipeline (scripts/test | tail) open
# after the script has ended.
start_wine() {
    export WINEPREFIX="$1"
    prefix_is_current || rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1 || fail "wineserver -p did not start for the prefix $WINEPREFIX"
    prefix_is_current && return 0
    run_step "create the Wine prefix $WINEPREFIX with $wine_loader" "wine-prefix-$(basename "$WINEPREFIX")" \
        create_wine_prefix
}

# start_fresh_wine PREFIX: start_wine on a new prefix.
start_fresh_wine() {
    rm -rf "$1"
    start_wine "$1"
}

# create_wine_prefix: fills the new prefix WINEPREFIX: Wine's Marlett for the caption buttons, the font
# substitutes above, and, since there is no window manager, captions and frames drawn by Wine itself.
create_wine_prefix() {
    # Run by run_step, where a failing command does not stop a function by itself: each one says so.
    wine_run wineboot -i || return
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" || return
    set_font_substitutes || return
    wine_run reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f || return
    wine_run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f || return
    prefix_settings >"$WINEPREFIX/.tarvel-prefix-ready"
}

# What a prefix made by create_wine_prefix depends on; a kept prefix made with other settings is made anew.
prefix_settings() {
    echo "$wine_loader"
    printf '%s\n' "${font_substitutes[@]}"
}

prefix_is_current() {
    [ -f "$WINEPREFIX/.tarvel-prefix-ready" ] && [ "$(cat "$WINEPREFIX/.tarvel-prefix-ready")" = "$(prefix_settings)" ]
}

# stop_wine: ends every process of the prefix and its wineserver.
stop_wine() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
}
