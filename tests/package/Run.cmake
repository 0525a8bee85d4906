# run(COMMAND ...): runs a program of the package tests, failing the test with its output when it
# fails; its output is left in out.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${status}):\n${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()
