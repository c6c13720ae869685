# Runs PROGRAM --report-pdf OUTPUT and checks that a PDF document came out.
cmake_minimum_required(VERSION 3.25)
file(REMOVE ${OUTPUT})
get_filename_component(dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
execute_process(COMMAND ${PROGRAM} --report-pdf ${OUTPUT} RESULT_VARIABLE result
                ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "zardemo --report-pdf failed (${result}): ${errors}")
endif()
if(NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "zardemo --report-pdf wrote no file")
endif()
file(READ ${OUTPUT} head LIMIT 5)
if(NOT head MATCHES "^%PDF-")
  message(FATAL_ERROR "not a PDF document: ${head}")
endif()
# An unwritable destination fails with a message instead of success.
execute_process(COMMAND ${PROGRAM} --report-pdf ${dir}/missing/dir/orders.pdf
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(result EQUAL 0 OR NOT errors MATCHES "orders.pdf")
  message(FATAL_ERROR "an unwritable file was reported as success: ${result} ${errors}")
endif()
