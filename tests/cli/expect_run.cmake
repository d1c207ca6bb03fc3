# What the command-line tests share: a fresh WORK_DIR;
# expect_run(NAME STATUS OUT_REGEX ERR_REGEX ARGS...), which runs CLI with ARGS
# and checks its exit status, standard output and standard error; and
# expect_crlf_file(NAME FILE TEXT), which checks that FILE holds TEXT with CR LF
# line ends.
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

function(expect_crlf_file name file text)
  string(REPLACE "\n" "\r\n" expected_crlf "${text}")
  file(WRITE ${WORK_DIR}/expected-crlf "${expected_crlf}")
  file(SHA256 ${WORK_DIR}/expected-crlf expected_hash)
  file(SHA256 ${file} saved_hash)
  if(saved_hash STREQUAL expected_hash)
    message(STATUS "ok: ${name}")
  else()
    message(SEND_ERROR "FAILED: ${name}: ${file} differs from the expected text with CR LF line ends")
  endif()
endfunction()
