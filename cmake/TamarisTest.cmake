# tamaris_add_test(name SOURCES a.cpp ... LIBS lib ... [LOCKS resource ...])
# One test executable per area, registered with CTest as one test. LOCKS names shared
# resources (fixed loopback ports of the SOCKS proxies, nginx) so that ctest -j never runs
# two users of the same resource at once.
function(tamaris_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;LOCKS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE TAMARIS_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    if(TARGET babillon-server)
        target_compile_definitions(${name} PRIVATE
            BABILLON_SERVER_PATH="$<TARGET_FILE:babillon-server>")
        add_dependencies(${name} babillon-server)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 900 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    if(T_LOCKS)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
    endif()
endfunction()
