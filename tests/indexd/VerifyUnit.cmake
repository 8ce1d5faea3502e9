# systemd-analyze verify on the service's unit as installed, pointed at the
# built program (verify checks that ExecStart= names an executable).
get_filename_component(name ${UNIT} NAME_WLE)
set(dir ${CMAKE_CURRENT_BINARY_DIR}/unit-verify)
file(MAKE_DIRECTORY ${dir})
set(TVQ_INDEXD_PROGRAM ${PROGRAM})
configure_file(${UNIT} ${dir}/${name} @ONLY)
execute_process(COMMAND ${ANALYZE} verify ${dir}/${name} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "systemd-analyze verify failed:\n${out}")
endif()
message(STATUS "systemd-analyze verify accepted ${name}")
