# libFuzzer targets (make fuzz): one executable per tests/fuzz/*Fuzz.cpp, built with clang.
# The Makefile configures this build with the fuzzer and sanitizer instrumentation in
# CMAKE_CXX_FLAGS, so the libraries the targets link are instrumented as well.
option(SWATCHLY_FUZZ "Build the libFuzzer targets in tests/fuzz (needs clang)" OFF)
if(NOT SWATCHLY_FUZZ)
    return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "SWATCHLY_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
endif()

# Targets that construct windows need the widgets and the compiled-in pictures; the others
# stay on the plain core.
set(SWATCHLY_WINDOW_FUZZERS StartUpLoadingFuzz)

file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*Fuzz.cpp)
add_custom_target(fuzzers)
foreach(fuzz_source IN LISTS FUZZ_SOURCES)
    get_filename_component(fuzzer ${fuzz_source} NAME_WE)
    if(fuzzer IN_LIST SWATCHLY_WINDOW_FUZZERS)
        add_executable(${fuzzer} EXCLUDE_FROM_ALL ${fuzz_source} ${SWATCHLY_RESOURCES})
        target_link_libraries(${fuzzer} PRIVATE swatchly_ui)
    else()
        add_executable(${fuzzer} EXCLUDE_FROM_ALL ${fuzz_source})
        target_link_libraries(${fuzzer} PRIVATE swatchly_core)
    endif()
    target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzzers ${fuzzer})
endforeach()
