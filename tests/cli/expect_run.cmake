# What the command-line tests share: a fresh WORK_DIR, and
# expect_run(NAME STATUS OUT_REGEX ERR_REGEX ARGS...), which runs CLI with ARGS
# and checks its exit status, standard output and standard error.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(expect_run name status out_regex err_regex)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(rc STREQUAL "${status}" AND out MATCHES "${out_regex}" AND err MATCHES "${err_regex}")
    message(STATUS "ok: ${name}")
  else()
    message(SEND_ERROR "FAILED: ${name}\n  status ${rc} (expected ${status})\n  stdout: ${out}\n  stderr: ${err}")
  endif()
endfunction()
