# Runs skerrow-regex on a few patterns and subjects and compares its output,
# standard error and exit code. Called by ctest with TOOL, EMULATOR and WORK.
set(failures 0)

function(check name pattern input expected_out expected_err expected_rc)
  file(WRITE ${WORK}/${name}.in "${input}")
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN} ${pattern}
    INPUT_FILE ${WORK}/${name}.in
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  # Wine may add its own chatter on standard error: only our line counts.
  string(REGEX MATCH "invalid: [^\n]*" err "${err}")
  if(NOT out STREQUAL expected_out OR NOT err STREQUAL expected_err OR NOT rc STREQUAL expected_rc)
    message(SEND_ERROR "${name}: got [${out}] [${err}] ${rc}, "
      "expected [${expected_out}] [${expected_err}] ${expected_rc}")
  endif()
endfunction()

check(groups "/(a)?b/" "ac b\nab\nxyz\n" "1 3 4 -1 -1\n1 0 2 0 1\n0\n" "" 0)
check(last_line "/b$/" "ab\nab" "1 1 2\n1 1 2\n" "" 0)
check(keeps_cr "/b\r/" "ab\r\nab\n" "1 1 3\n0\n" "" 0)
check(empty_line "//" "\n" "1 0 0\n" "" 0)
check(no_input "/a/" "" "" "" 0)
check(invalid "/(a/" "a\n" "" "invalid: unclosed (" 2)
check(no_envelope "abc" "a\n" "" "invalid: pattern does not begin with /" 2)
check(tree "/ab*/" "" "grp0{lit:a star{lit:b}}\n" "" 0 --tree)
check(tokens "/a?#1/" "" "97 lit:a\n4353 behind1\n" "" 0 --tokens)
