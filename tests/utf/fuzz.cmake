# The libFuzzer target needs clang and its fuzzer runtime whatever compiler builds the rest, so it
# is a project of its own (fuzz/utf) that clang++ builds as an external project. It is built and
# registered as a test only when a probe compile with the fuzzer flags succeeds; otherwise the
# test is reported as skipped.
option(VEXALO_FUZZ "Build and run the libFuzzer targets when clang++ with libFuzzer is found" ON)

set(fuzz_runs 20000)
set(fuzz_flags -fsanitize=fuzzer,address,undefined)

set(fuzz_available OFF)
if(VEXALO_FUZZ AND NOT CMAKE_CROSSCOMPILING)
    find_program(VEXALO_CLANGXX NAMES clang++ clang++-14)
    if(VEXALO_CLANGXX)
        set(probe_dir ${CMAKE_CURRENT_BINARY_DIR}/fuzz-probe)
        file(WRITE ${probe_dir}/probe.cpp "#include <cstddef>\nextern \"C\" int \
LLVMFuzzerTestOneInput(const unsigned char*, std::size_t) { return 0; }\n")
        execute_process(COMMAND ${VEXALO_CLANGXX} ${fuzz_flags} probe.cpp -o probe
            WORKING_DIRECTORY ${probe_dir} RESULT_VARIABLE probe_result
            OUTPUT_QUIET ERROR_QUIET)
        if(probe_result EQUAL 0)
            set(fuzz_available ON)
        endif()
    endif()
endif()

if(fuzz_available)
    include(ExternalProject)
    set(fuzz_dir ${CMAKE_CURRENT_BINARY_DIR}/fuzz)
    ExternalProject_Add(utf_fuzz
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/fuzz/utf
        BINARY_DIR ${fuzz_dir}
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${VEXALO_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
    add_test(NAME fuzz_utf_strings
        COMMAND ${fuzz_dir}/fuzz_utf_strings -runs=${fuzz_runs} -seed=1 -max_len=64
            -artifact_prefix=${fuzz_dir}/
        WORKING_DIRECTORY ${fuzz_dir})
else()
    message(STATUS "clang++ with libFuzzer not found: the UTF fuzz test is skipped")
    add_test(NAME fuzz_utf_strings
        COMMAND ${CMAKE_COMMAND} -E echo "fuzz_utf_strings skipped: no clang++ with libFuzzer")
    set_tests_properties(fuzz_utf_strings PROPERTIES SKIP_REGULAR_EXPRESSION "skipped")
endif()
