# The checks of the shell tests: a failed one is printed and counted, and
# finish_checks ends the test with the verdict. Sourced by the tests.
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
expect_equal() {  # what, expected, actual
  [[ $2 == "$3" ]] || fail "$1: expected [$2], got [$3]"
}
finish_checks() {
  if ((failures)); then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
}
