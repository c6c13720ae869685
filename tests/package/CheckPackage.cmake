# Installs the build into a scratch prefix, builds the outside project
# against it and compares what its program prints with expected.txt.
#   -DBUILD_DIR=  the build tree to install
#   -DWORK_DIR=   scratch directory (emptied first)
#   -DGENERATOR=  -DCXX_COMPILER=  as the build tree uses
set(source ${CMAKE_CURRENT_LIST_DIR})
file(REMOVE_RECURSE ${WORK_DIR})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}\n${out}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} -S ${source} -B ${WORK_DIR}/build -G ${GENERATOR}
  -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
execute_process(COMMAND ${WORK_DIR}/build/consumer RESULT_VARIABLE rc OUTPUT_VARIABLE printed)
file(READ ${source}/expected.txt expected)
if(NOT rc EQUAL 0 OR NOT printed STREQUAL expected)
  message(FATAL_ERROR "consumer exited with ${rc} and printed\n${printed}\ninstead of\n${expected}")
endif()
message(STATUS "installed package: headers compile alone and beside <windows.h>'s macros; "
  "the consumer prints what it should")
