# Configuring and building a CMake preset as loud steps. Sourced by the scripts in scripts/, after steps.sh.

# configure_and_build PRESET [TARGET]: the whole preset, or one target of it, with the logs
# build/logs/PRESET-configure.log and build/logs/PRESET-build.log.
configure_and_build() {
    local preset=$1 target=(${2:+--target "$2"})
    run_step "configure the $preset build" "$preset-configure" cmake --preset "$preset"
    run_step "build $preset ${2:-}" "$preset-build" cmake --build --preset "$preset" "${target[@]}"
}
