# Loud failures for the scripts in scripts/: every failing step says what failed, its exit status and where to
# see more, and the script stops with a non-zero status. Sourced first by every script.

set -o errexit -o nounset -o pipefail -o errtrace

script_name=$(basename "$0")
log_dir="$PWD/build/logs"

# Any command that fails outside run_step ends the script with this message.
report_unexpected_failure() {
    local status=$1 line=$2 command=$3
    echo "$script_name: FAILED (exit status $status) at line $line: $command" >&2
}
trap 'report_unexpected_failure $? $LINENO "$BASH_COMMAND"' ERR

# fail MESSAGE...: says what went wrong and stops the script.
fail() {
    trap - ERR
    echo "$script_name: FAILED: $*" >&2
    exit 1
}

# run_step TITLE LOG_NAME COMMAND...: runs the command with its output in build/logs/LOG_NAME.log. On failure
# prints the title, the command, its exit status, the last lines of the log and the log's path, and stops.
run_step() {
    local title=$1 log="$log_dir/$2.log"
    shift 2
    mkdir -p "$log_dir"
    local status=0
    "$@" >"$log" 2>&1 </dev/null || status=$?
    [ "$status" -eq 0 ] && return 0
    trap - ERR
    {
        echo "$script_name: FAILED: $title"
        echo "  command: $*"
        echo "  exit status: $status"
        echo "  last lines of $log:"
        tail -n 25 "$log" | sed 's/^/    /'
        echo "  whole log: $log"
    } >&2
    exit "$status"
}

# run_shown_step TITLE LOG_NAME COMMAND...: like run_step, but the output is also shown as it comes (tests).
run_shown_step() {
    local title=$1 log="$log_dir/$2.log"
    shift 2
    mkdir -p "$log_dir"
    local status=0
    "$@" </dev/null 2>&1 | tee "$log" || status=$?
    [ "$status" -eq 0 ] && return 0
    trap - ERR
    {
        echo "$script_name: FAILED: $title"
        echo "  command: $*"
        echo "  exit status: $status"
        echo "  whole log: $log"
    } >&2
    exit "$status"
}
