# Build helpers shared by every area. Includes are written from the repository root
# ("platform/registry/Registry.h"), so every target sees the root as an include folder.
include(GoogleTest)

# Packages build with the distribution's hardening flags and, later, its newer compilers, whose
# new warnings must not stop a package build; they turn this off (and report the warnings).
option(VELORIN_WERROR "Treat compiler warnings as errors" ON)
add_library(velorin_warnings INTERFACE)
target_compile_options(velorin_warnings INTERFACE -Wall -Wextra -Wpedantic
    $<$<BOOL:${VELORIN_WERROR}>:-Werror>)

# velorin_library(NAME SOURCES ... [DEPS ...])
function(velorin_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE velorin_warnings)
endfunction()

# velorin_program(NAME SOURCES ... [DEPS ...])
function(velorin_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} velorin_warnings)
endfunction()

# velorin_test(NAME SOURCES ... [DEPS ...] [LABELS ...] [ENV ...] [LAUNCHER command ...] [PREFIX p]
#              [WINE_DPI 192])
# PREFIX: put before each case's name, for a suite that several programs run (Linux).
# LABELS: "gui" needs Qt's offscreen platform, "e2e" runs built programs, "x11" needs Xvfb.
# LAUNCHER (Windows): a command that runs the emulator and the test program as its arguments, for
# a service the whole program needs (a sound server).
# WINE_DPI 192 (Windows): run in the Wine prefix whose screen has 192 dots per inch.
function(velorin_test name)
    cmake_parse_arguments(ARG "" "PREFIX;WINE_DPI" "SOURCES;DEPS;LABELS;ENV;LAUNCHER" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gmock GTest::gtest_main velorin_warnings)
    set(properties TIMEOUT 300)
    # X servers of their own (Xvfb, a compositor's Xwayland) pick their display numbers from the
    # same files and sockets, and one starting while another ends can take a number that is
    # still going: such tests run one at a time.
    if("x11" IN_LIST ARG_LABELS OR "wayland" IN_LIST ARG_LABELS)
        list(APPEND properties RESOURCE_LOCK x_servers)
    endif()
    if(CMAKE_CROSSCOMPILING)
        # Under Wine each start of a program costs a good half second, so a test program is one
        # test there; ctest runs it through the emulator (after the launcher, if any) on the run's
        # own X display (cmake/Platform.cmake).
        velorin_wine_test(${name} ${name} "${ARG_WINE_DPI}" ${ARG_LAUNCHER})
        set_tests_properties(${name} PROPERTIES ${properties})
        set_property(TEST ${name} PROPERTY LABELS ${ARG_LABELS})
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT ${ARG_ENV})
    else()
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${ARG_PREFIX}"
            PROPERTIES ${properties})
        velorin_discovered_list_properties(${name} "${ARG_LABELS}" "${ARG_ENV}")
    endif()
endfunction()

# gtest_discover_tests (CMake 3.25) hands its PROPERTIES on as one flat list, so a property whose
# value is a list (two labels, two variables) kept only its first item. Labels and environment
# are set on each case the discovery finds by a file of their own, which ctest reads after the
# discovery's, from the list of cases the discovery leaves in NAME_TESTS (generated, for the
# generator expressions some environments hold).
function(velorin_discovered_list_properties name labels environment)
    set(file "${CMAKE_CURRENT_BINARY_DIR}/${name}_list_properties.cmake")
    file(GENERATE OUTPUT "${file}" CONTENT "foreach(test IN LISTS ${name}_TESTS)
    set_tests_properties(\"\${test}\" PROPERTIES LABELS [==[${labels}]==]
        ENVIRONMENT [==[${environment}]==])
endforeach()
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${file}")
endfunction()

# velorin_wine_test(TEST PROGRAM DPI [LAUNCHER ...]) (Windows): the test program PROGRAM run as TEST
# on the run's X display, in the Wine prefix whose screen has DPI dots per inch ("" or 96 for the
# usual one, or 192).
function(velorin_wine_test test program dpi)
    add_test(NAME ${test}
        COMMAND ${VELORIN_X_DISPLAY} ${VELORIN_X_FOLDER} run ${ARGN}
                ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${program}>)
    if(dpi STREQUAL "192")
        set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED "wine_192dpi;x_display")
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${VELORIN_WINE_192DPI_ENVIRONMENT})
    elseif(dpi STREQUAL "" OR dpi STREQUAL "96")
        set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED "wine;x_display")
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${VELORIN_WINE_ENVIRONMENT})
    else()
        message(FATAL_ERROR "${test}: no Wine prefix has ${dpi} dots per inch; there are 96 and 192")
    endif()
endfunction()

# velorin_test_at_192dpi(NAME) (Windows): the test program NAME run again, as NAME.192dpi, on a
# screen of 192 dots per inch, with NAME's labels.
function(velorin_test_at_192dpi name)
    velorin_wine_test(${name}.192dpi ${name} 192)
    get_test_property(${name} LABELS labels)
    set_tests_properties(${name}.192dpi PROPERTIES TIMEOUT 300 LABELS "${labels}")
endfunction()

# velorin_test_cases(NAME SOURCES ... [DEPS ...]): test cases that one test program per backend
# shares (a layer's contract suite); each backend's program links NAME with its own part.
function(velorin_test_cases name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} OBJECT ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} GTest::gmock GTest::gtest PRIVATE velorin_warnings)
endfunction()

# velorin_sound_server_test(NAME SOURCES ... [DEPS ...] [LABELS ...]) (Windows): a test program
# run on a private sound server of its own (scripts/sound-server.sh), which Wine reaches through
# its pulse driver; VELORIN_TEST_PACTL names the server's control program for the test to mute
# its output (tests/support/win32/SoundServerOutput.h).
function(velorin_sound_server_test name)
    find_program(VELORIN_PACTL pactl REQUIRED)
    string(REPLACE "/" "\\\\" pactl_for_wine "Z:${VELORIN_PACTL}")
    velorin_test(${name} ${ARGN}
        ENV "VELORIN_TEST_PACTL=${pactl_for_wine}"
        LAUNCHER ${PROJECT_SOURCE_DIR}/scripts/sound-server.sh)
endfunction()

# velorin_benchmark(NAME SOURCES ... [DEPS ...]): measured by hand, never part of the test run.
function(velorin_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark_main velorin_warnings)
endfunction()

# velorin_fuzzer(NAME SOURCES ... [DEPS ...]): only in the clang "fuzz" preset.
function(velorin_fuzzer name)
    if(NOT VELORIN_FUZZ)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} velorin_warnings)
endfunction()

# Adds every sub-folder of the current folder that has a CMakeLists.txt.
function(velorin_add_subfolders)
    file(GLOB entries LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(entry ${entries})
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${entry}/CMakeLists.txt)
            add_subdirectory(${entry})
        endif()
    endforeach()
endfunction()
