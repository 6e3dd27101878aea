# Sourced by the packaging checks: check DESCRIPTION COMMAND... runs one
# check, prints "ok" or "FAIL" with its output, and counts it in checks and
# failures. The caller sets work (a scratch folder), checks and failures.
check() {  # check DESCRIPTION COMMAND...
  local what="$1"
  shift
  checks=$((checks + 1))
  if "$@" >"$work/out" 2>&1; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    sed 's/^/     /' "$work/out"
    failures=$((failures + 1))
  fi
}
