# Installs missing Debian packages. Sourced by the scripts in scripts/.

native_packages=(g++ cmake make libgtest-dev libbenchmark-dev)
windows_packages=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev googletest wine wine32:i386 fonts-wine
                  wine64 xvfb xauth)

# Prints the packages of the arguments that are not installed.
missing_packages() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$package"
        fi
    done
}

# ensure_packages PACKAGE...: installs what is missing, quietly; does nothing when all are there. A package
# named with :i386 needs the i386 architecture, which is added first.
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
    local install="apt-get install -y -qq --no-install-recommends ${missing[*]}"

    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run as root: ${add_arch}apt-get update && $install" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}" >&2
    [ -n "$add_arch" ] && dpkg --add-architecture i386
    DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null
    DEBIAN_FRONTEND=noninteractive $install >/dev/null
}
