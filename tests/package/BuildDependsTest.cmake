# cmake -DSOURCE=DIR -P BuildDependsTest.cmake: every library the build looks for with
# find_package or pkg_check_modules (REQUIRED ones; QUIET ones are optional extras) has its
# development package in debian/control's Build-Depends, so that a clean package build finds it.
# A new library needs its package here as well as in debian/control.
cmake_minimum_required(VERSION 3.25)
set(packages
    PkgConfig=pkg-config GTest=libgtest-dev benchmark=libbenchmark-dev SQLite3=libsqlite3-dev
    Qt6=qt6-base-dev SDL2=libsdl2-dev xcb=libxcb1-dev sdl2=libsdl2-dev libcdio=libcdio-dev
    libcdio_paranoia=libcdio-paranoia-dev libcdio_cdda=libcdio-cdda-dev
    libcurl=libcurl4-openssl-dev sndfile=libsndfile1-dev cairo=libcairo2-dev Python3=python3)
# Part of the C library and the compiler, so no package of their own.
set(builtin Threads)

file(READ "${SOURCE}/debian/control" control)
string(REGEX MATCH "Build-Depends:[^\n]*(\n[ \t][^\n]*)*" build_depends "${control}")

file(GLOB_RECURSE lists "${SOURCE}/CMakeLists.txt" "${SOURCE}/*/CMakeLists.txt" "${SOURCE}/cmake/*.cmake")
list(FILTER lists EXCLUDE REGEX "^${SOURCE}/build/")
set(failures "")
foreach(list_file ${lists})
    file(STRINGS "${list_file}" lines REGEX "^[ \t]*(find_package|pkg_check_modules)\\(")
    foreach(line ${lines})
        if(line MATCHES "QUIET")
            continue()
        endif()
        string(REGEX REPLACE "^[ \t]*(find_package|pkg_check_modules)\\(([^)]*)\\).*" "\\1;\\2" call "${line}")
        list(GET call 0 command)
        list(GET call 1 arguments)
        separate_arguments(arguments)
        if(command STREQUAL "find_package")
            list(GET arguments 0 names)
        else()
            # pkg_check_modules(PREFIX [REQUIRED] [IMPORTED_TARGET] module...)
            list(REMOVE_AT arguments 0)
            list(REMOVE_ITEM arguments REQUIRED IMPORTED_TARGET)
            set(names ${arguments})
        endif()
        foreach(name ${names})
            if(name IN_LIST builtin)
                continue()
            endif()
            set(package "")
            foreach(pair ${packages})
                if(pair MATCHES "^${name}=(.*)$")
                    set(package "${CMAKE_MATCH_1}")
                endif()
            endforeach()
            file(RELATIVE_PATH where "${SOURCE}" "${list_file}")
            if(package STREQUAL "")
                string(APPEND failures "${where}: ${name} has no known package; add it to ${CMAKE_CURRENT_LIST_FILE}\n")
            elseif(NOT build_depends MATCHES "[ ,\n]${package}[ ,\n<(]")
                string(APPEND failures "${where}: ${name} needs ${package} in Build-Depends\n")
            endif()
        endforeach()
    endforeach()
endforeach()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
