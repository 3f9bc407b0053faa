# The one place that decides which Windows build this machine can run. Sourced by the scripts in scripts/.
#
# The product is the 32-bit build (preset windows). It runs under 32-bit Wine, which needs a kernel that runs
# i386 Linux programs; some machines of this project's kind cannot ("Exec format error").
# There the same sources built for x86_64 (preset windows64) run under 64-bit Wine instead.

# runs_32bit_programs: succeeds where the kernel starts i386 Linux programs. It starts a 93-byte static i386
# program that only exits, so it needs no 32-bit library and answers the same before and after 32-bit Wine is
# installed: a fresh machine has no 32-bit loader yet, and the packages to install depend on this answer.
runs_32bit_programs() {
    local probe status=0
    probe=$(mktemp "${TMPDIR:-/tmp}/runs-32bit.XXXXXX")
    # ELF header, one loadable segment at 0x08048000, then: mov eax, 1; xor ebx, ebx; int 0x80 (exit 0).
    printf '%b' '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00' \
        '\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00' \
        '\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
        '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
        '\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    return "$status"
}

# choose_windows_build: sets
#   windows_preset    windows or windows64
#   windows_build_dir the build folder of that preset
#   wine_loader       the Wine that runs that build
#   windows_build_why one line: which build and why
choose_windows_build() {
    if runs_32bit_programs; then
        windows_preset=windows
        wine_loader=wine
        windows_build_why="this machine runs 32-bit programs: the 32-bit build under wine"
    else
        windows_preset=windows64
        wine_loader=/usr/lib/wine/wine64
        windows_build_why="this machine cannot run 32-bit programs (a static i386 program does not start): the 64-bit build under wine64"
    fi
    windows_build_dir="$PWD/build/$windows_preset"
}
