# zel_add_test(tst_name SOURCES a.cpp ... LIBS zel_device ...)
# One QtTest executable registered with CTest, run offscreen in its own
# temporary working directory so no test touches another's files.
function(zel_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE zel_testsupport Qt5::Test ${ARG_LIBS})
    set(workdir ${CMAKE_CURRENT_BINARY_DIR}/${name}.work)
    file(MAKE_DIRECTORY ${workdir})
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${workdir})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    # Instrumented code runs a few times slower.
    if(ZEL_SANITIZE)
        math(EXPR ARG_TIMEOUT "${ARG_TIMEOUT} * 4")
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=*.debug=false;ZELDESK_TEST=1")
endfunction()
