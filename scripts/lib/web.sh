# Node and the page's npm packages for the WebAssembly and browser tests. Sourced by the scripts in scripts/,
# after steps.sh.

# require_node: Node 20 or later, whose built-in WASI and test runner the tests use, or a clear stop.
require_node() {
    local version
    version=$(node --version 2>/dev/null) || fail "node is not installed; the WebAssembly tests need Node 20 or later"
    local major=${version#v}
    major=${major%%.*}
    [ "$major" -ge 20 ] || fail "node $version is too old; the WebAssembly tests need Node 20 or later"
}

# install_web_dependencies: the packages of web/package.json, exactly as web/package-lock.json pins them.
# playwright-core downloads no browser: the tests drive Debian's /usr/bin/chromium.
install_web_dependencies() {
    require_node
    run_step "install the page's npm packages from web/package-lock.json" npm-ci \
        npm ci --prefix web --no-audit --no-fund
}
