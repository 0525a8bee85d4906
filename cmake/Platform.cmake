# Which backend folder of a platform layer is built: platform/<layer>/linux/ or
# platform/<layer>/win32/.
if(WIN32)
    set(VELORIN_PLATFORM win32)
else()
    set(VELORIN_PLATFORM linux)
endif()

# velorin_add_backends([LINUX folder] [WIN32 folder]): a platform layer's backend folders, called
# by the layer's CMakeLists after its portable target velorin_<layer>. The platform's folder
# (linux/ or win32/, unless LINUX or WIN32 names another) defines velorin_<layer>_system; fake/,
# when it has a CMakeLists.txt, defines velorin_<layer>_fake.
function(velorin_add_backends)
    cmake_parse_arguments(ARG "" "LINUX;WIN32" "" ${ARGN})
    set(folder ${VELORIN_PLATFORM})
    if(WIN32 AND ARG_WIN32)
        set(folder ${ARG_WIN32})
    elseif(NOT WIN32 AND ARG_LINUX)
        set(folder ${ARG_LINUX})
    endif()
    add_subdirectory(${folder})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/fake/CMakeLists.txt)
        add_subdirectory(fake)
    endif()
endfunction()

# velorin_add_platform_folder(): the current folder's linux/ or win32/ sub-folder, when it has a
# CMakeLists.txt: what a test folder (or a tool) has only on one platform.
function(velorin_add_platform_folder)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${VELORIN_PLATFORM}/CMakeLists.txt)
        add_subdirectory(${VELORIN_PLATFORM})
    endif()
endfunction()

# velorin_add_platform_subfolders([LINUX_ONLY folder ...]): like velorin_add_subfolders, with the
# LINUX_ONLY folders left out on Windows.
function(velorin_add_platform_subfolders)
    cmake_parse_arguments(ARG "" "" "LINUX_ONLY" ${ARGN})
    file(GLOB entries LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(entry ${entries})
        if(WIN32 AND entry IN_LIST ARG_LINUX_ONLY)
            continue()
        elseif(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${entry}/CMakeLists.txt)
            add_subdirectory(${entry})
        endif()
    endforeach()
endfunction()

if(NOT WIN32)
    return()
endif()

# Resource scripts (resources/Velorin.rc) are compiled by the toolchain's windres.
enable_language(RC)

# GoogleTest for the target, built from Debian's source package: nothing is downloaded.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# Its CMake files name the targets GTest::gtest, GTest::gmock, ... as the installed package does.
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# Wine puts windows on an X server, and the first program of a prefix's server picks the display
# for all: the prefix's start and every test run on an Xvfb of the run's own, started once and
# stopped by its process id.
set(VELORIN_X_DISPLAY ${CMAKE_CURRENT_LIST_DIR}/x-display.sh)
set(VELORIN_X_FOLDER ${CMAKE_BINARY_DIR}/xdisplay)
add_test(NAME x_display_start COMMAND ${VELORIN_X_DISPLAY} ${VELORIN_X_FOLDER} start)
add_test(NAME x_display_stop COMMAND ${VELORIN_X_DISPLAY} ${VELORIN_X_FOLDER} stop)
set_tests_properties(x_display_start PROPERTIES FIXTURES_SETUP x_display TIMEOUT 60)
set_tests_properties(x_display_stop PROPERTIES FIXTURES_CLEANUP x_display)

# velorin_wine_prefix(FIXTURE PREFIX [DPI]): a Wine prefix of the build folder's, made by the first
# run and quiet, whose server runs while tests that require FIXTURE run; DPI, the dots per inch of
# its screen (96 when not given).
function(velorin_wine_prefix fixture prefix)
    add_test(NAME ${fixture}_prefix_start
        COMMAND ${VELORIN_X_DISPLAY} ${VELORIN_X_FOLDER} run
                ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh ${prefix} start
                ${CMAKE_CROSSCOMPILING_EMULATOR} ${ARGN})
    add_test(NAME ${fixture}_prefix_stop
        COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh ${prefix} stop)
    set_tests_properties(${fixture}_prefix_start PROPERTIES FIXTURES_SETUP ${fixture}
        FIXTURES_REQUIRED x_display TIMEOUT 600 ENVIRONMENT "WINEPREFIX=${prefix};WINEDEBUG=-all")
    set_tests_properties(${fixture}_prefix_stop PROPERTIES FIXTURES_CLEANUP ${fixture}
        ENVIRONMENT "WINEPREFIX=${prefix};WINEDEBUG=-all")
endfunction()

# Every test runs in the build folder's own Wine prefix; tests of the windows at twice the pixel
# density in a second one, whose screen has 192 dots per inch (the setting is read as a program
# starts, so it cannot change under the other tests).
set(VELORIN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(VELORIN_WINE_ENVIRONMENT WINEPREFIX=${VELORIN_WINE_PREFIX} WINEDEBUG=-all)
velorin_wine_prefix(wine ${VELORIN_WINE_PREFIX})
set(VELORIN_WINE_192DPI_PREFIX ${CMAKE_BINARY_DIR}/wine-192dpi)
set(VELORIN_WINE_192DPI_ENVIRONMENT WINEPREFIX=${VELORIN_WINE_192DPI_PREFIX} WINEDEBUG=-all)
velorin_wine_prefix(wine_192dpi ${VELORIN_WINE_192DPI_PREFIX} 192)
