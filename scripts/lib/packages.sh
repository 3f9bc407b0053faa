# Installs missing Debian packages. Sourced by the scripts in scripts/, after steps.sh.
source "$(dirname "${BASH_SOURCE[0]}")/windows_build.sh"

# Every build compiles the translation catalogues of po/ with gettext's msgfmt (its xgettext and msgcmp check
# them).
catalogue_packages=(gettext)
native_packages=(g++ cmake make libgtest-dev libbenchmark-dev "${catalogue_packages[@]}")
# Both MinGW-w64 compilers: the 32-bit product, and the 64-bit build that machines without i386 support run.
# 32-bit Wine (and with it the i386 architecture) only where the kernel runs 32-bit programs; elsewhere the
# 64-bit build runs under wine64 and nothing of i386 is asked for.
windows_packages=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
                  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev googletest
                  wine wine64 fonts-wine fonts-liberation
                  fonts-crosextra-carlito fontconfig xvfb xauth x11-utils file unzip "${catalogue_packages[@]}")
if runs_32bit_programs; then
    windows_packages+=(wine32:i386)
fi
# The core, the text front-end and the page's module for WebAssembly (preset wasm): clang 14 for wasm32-wasi,
# its C and C++ libraries, linker and archiver, and Binaryen's optimiser, which shrinks the page's module. Node
# (20 or later, for node:wasi and the browser tests) runs the modules; Chromium and Python's http.server serve
# the browser tests.
wasm_packages=(clang-14 lld-14 llvm-14 wasi-libc libc++-14-dev-wasm32 libclang-rt-14-dev-wasm32 binaryen googletest
               nodejs "${catalogue_packages[@]}")
web_packages=(chromium python3)
# The page's own fonts (scripts/page-fonts): the faces they are cut from and fonttools' subsetter with WOFF2.
font_packages=(fonts-wine fonts-dejavu-core fonttools python3-brotli)
# The fuzz targets (preset fuzz, scripts/fuzz): clang 14 with libFuzzer and the sanitizers' runtimes.
fuzz_packages=(clang-14 libclang-rt-14-dev)

# Prints the packages of the arguments that are not installed.
missing_packages() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$package"
        fi
    done
}

# ensure_packages PACKAGE...: installs what is missing; does nothing when all are there. A package named with
# :i386 needs the i386 architecture, which is added first.
ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0

    local needs_i386=0 package
    for package in "${missing[@]}"; do
        [[ "$package" == *:i386 ]] && needs_i386=1
    done
    local add_arch=""
    if [ "$needs_i386" -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        add_arch="dpkg --add-architecture i386 && "
    fi
    # Another process may hold apt's lock for a while: wait for it rather than fail.
    local apt="apt-get -o DPkg::Lock::Timeout=900"
    local install="$apt install -y --no-install-recommends ${missing[*]}"

    if [ "$(id -u)" -ne 0 ]; then
        fail "missing packages. Run as root: ${add_arch}$apt update && $install"
    fi
    echo "Installing: ${missing[*]}"
    if [ -n "$add_arch" ]; then
        run_step "add the i386 architecture" apt-architecture dpkg --add-architecture i386
    fi
    export DEBIAN_FRONTEND=noninteractive
    update_package_index "$apt"
    # shellcheck disable=SC2086 # the package list is meant to split
    run_step "install ${missing[*]}" apt-install $install
}

# update_package_index APT: apt-get update, tried again after a pause while it fails. A mirror in the middle of
# a sync fails an update for a while, often only for one architecture's index; the packages may still install
# from the indexes that did arrive (or the older ones), so a last failure is only reported, and the install
# that follows decides. Its log stays in build/logs/apt-update.log.
update_package_index() {
    local apt=$1 attempt status log="$log_dir/apt-update.log" attempts=4 pause=${APT_UPDATE_PAUSE:-15}
    mkdir -p "$log_dir"
    : >"$log"
    for ((attempt = 1; attempt <= attempts; attempt++)); do
        status=0
        # shellcheck disable=SC2086 # the options are meant to split
        $apt update >>"$log" 2>&1 </dev/null || status=$?
        [ "$status" -eq 0 ] && return 0
        echo "apt-get update failed (exit status $status), attempt $attempt of $attempts; log: $log" >&2
        [ "$attempt" -lt "$attempts" ] && sleep "$pause"
    done
    echo "apt-get update still fails; going on with the package indexes there are:" >&2
    grep -E '^(E|W):' "$log" | sort -u | tail -n 5 | sed 's/^/    /' >&2 || true
}
