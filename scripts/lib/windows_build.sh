# The one place that decides which Windows build this machine can run. Sourced by the scripts in scripts/.
#
# The product is the 32-bit build (preset windows). It runs under 32-bit Wine, which needs a kernel that runs
# i386 Linux programs; some machines of this project's kind cannot ("Exec format error" from the 32-bit loader).
# There the same sources built for x86_64 (preset windows64) run under 64-bit Wine instead.

# choose_windows_build: sets
#   windows_preset    windows or windows64
#   windows_build_dir the build folder of that preset
#   wine_loader       the Wine that runs that build
#   windows_build_why one line: which build and why
choose_windows_build() {
    if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
        windows_preset=windows
        wine_loader=wine
        windows_build_why="this machine runs 32-bit programs: the 32-bit build under wine"
    else
        windows_preset=windows64
        wine_loader=/usr/lib/wine/wine64
        windows_build_why="this machine cannot run 32-bit programs (/lib/ld-linux.so.2 does not start): the 64-bit build under wine64"
    fi
    windows_build_dir="$PWD/build/$windows_preset"
}
