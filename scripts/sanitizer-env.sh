# Sourced by scripts/sanitize.sh and scripts/fuzz.sh: how the sanitized
# programs report. Leaks are checked at exit, with the suppressions for
# system libraries in scripts/lsan.supp.
sanitizer_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$sanitizer_scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1"
