# Verdicts, and the closing line the test runner reads. A verdict returns its status, so that
# a failed check can be followed by what explains it.
passed=0; failed=0
verdict() { if [ "$2" = 0 ]; then echo "PASS: $1"; passed=$((passed + 1)); else echo "FAIL: $1"; failed=$((failed + 1)); return 1; fi; }
check() { local what=$1; shift; "$@"; verdict "$what" $?; }
summary() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; }
# Before a check that something does not happen: the program acts on input within a few
# milliseconds; after this long it has had its chance.
settle() { sleep 0.8; }
