# vexalo_add_fuzz_test(NAME SOURCE_DIR dir [SEED_CORPUS dir] [RUN_ARGS arg...]
#                      [ENVIRONMENT var=value...])
# A libFuzzer target needs clang and its fuzzer runtime whatever compiler builds the rest, so each
# one is a project of its own (SOURCE_DIR, making an executable called NAME) that clang++ builds
# as an external project. It is built and registered as the test NAME, run with RUN_ARGS, only when
# a probe compile with the fuzzer flags succeeds; otherwise the test is reported as skipped. The
# files of SEED_CORPUS start the run as seed inputs, so the source tree never receives new ones.
option(VEXALO_FUZZ "Build and run the libFuzzer targets when clang++ with libFuzzer is found" ON)

function(vexalo_probe_fuzzer result)
    set(${result} OFF PARENT_SCOPE)
    if(NOT VEXALO_FUZZ OR CMAKE_CROSSCOMPILING)
        return()
    endif()
    find_program(VEXALO_CLANGXX NAMES clang++ clang++-14)
    if(NOT VEXALO_CLANGXX)
        return()
    endif()
    set(probe_dir ${CMAKE_BINARY_DIR}/fuzz-probe)
    file(WRITE ${probe_dir}/probe.cpp "#include <cstddef>\nextern \"C\" int \
LLVMFuzzerTestOneInput(const unsigned char*, std::size_t) { return 0; }\n")
    execute_process(COMMAND ${VEXALO_CLANGXX} -fsanitize=fuzzer,address,undefined probe.cpp -o probe
        WORKING_DIRECTORY ${probe_dir} RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
    if(probe_result EQUAL 0)
        set(${result} ON PARENT_SCOPE)
    endif()
endfunction()

vexalo_probe_fuzzer(VEXALO_FUZZ_AVAILABLE)
if(NOT VEXALO_FUZZ_AVAILABLE)
    message(STATUS "clang++ with libFuzzer not found or VEXALO_FUZZ off: fuzz tests are skipped")
endif()

include(ExternalProject)

function(vexalo_add_fuzz_test name)
    cmake_parse_arguments(ARG "" "SOURCE_DIR;SEED_CORPUS" "RUN_ARGS;ENVIRONMENT" ${ARGN})
    if(NOT VEXALO_FUZZ_AVAILABLE)
        add_test(NAME ${name}
            COMMAND ${CMAKE_COMMAND} -E echo "${name} skipped: no clang++ with libFuzzer")
        set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "skipped")
        return()
    endif()
    set(fuzz_dir ${CMAKE_BINARY_DIR}/fuzz/${name})
    set(run_args ${ARG_RUN_ARGS})
    if(ARG_SEED_CORPUS)
        file(GLOB seeds CONFIGURE_DEPENDS ${ARG_SEED_CORPUS}/*)
        list(JOIN seeds "," seed_list)
        list(APPEND run_args -seed_inputs=${seed_list})
    endif()
    ExternalProject_Add(${name}_build
        SOURCE_DIR ${ARG_SOURCE_DIR}
        BINARY_DIR ${fuzz_dir}
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${VEXALO_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
    add_test(NAME ${name}
        COMMAND ${fuzz_dir}/${name} ${run_args} -artifact_prefix=${fuzz_dir}/
        WORKING_DIRECTORY ${fuzz_dir})
    if(ARG_ENVIRONMENT)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
    endif()
endfunction()
