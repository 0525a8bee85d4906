# cmake -DSTEP=install|uninstall -DCPACK=... -DCONFIG=CPackConfig.cmake -DWORK=FOLDER -DWINE64=...
#       -P WindowsSetupTest.cmake
# The setup program under Wine, in two steps around the end-to-end test of what it installed.
# install: notes the registry's keys (both views of HKEY_LOCAL_MACHINE\SOFTWARE) and the files of
# Program Files and the Start menu, makes the setup with cpack, runs it silently (/S) twice, the
# second time as an upgrade over the first, and checks the installation folder, the Start menu
# entry and the mixing tool's record in the 32-bit view.
# uninstall: runs the uninstaller silently and waits until what the setup added is gone and what
# was there before is still there. Keys other tests add while the installation stands (the sound
# devices Wine records, the tests' own keys) are neither the setup's nor the uninstaller's.
cmake_policy(VERSION 3.25)
set(drive "$ENV{WINEPREFIX}/drive_c")
set(folder "${drive}/Program Files/Velorin Launcher")
set(menu "${drive}/ProgramData/Microsoft/Windows/Start Menu/Programs")
set(mixing_tool_key "HKLM\\SOFTWARE\\Blendora Technologies, Inc.\\Blendora Studio VL\\Path")

include(${CMAKE_CURRENT_LIST_DIR}/Run.cmake)

# The names of every key below HKEY_LOCAL_MACHINE\SOFTWARE in both views, and of every file and
# folder in Program Files and the Start menu: what the setup adds and the uninstaller takes back.
function(snapshot result)
    set(lines "")
    foreach(view 32 64)
        set(file "${WORK}/software-${view}.reg")
        run(${WINE64} reg export "HKLM\\SOFTWARE" "${file}" /reg:${view} /y)
        file(STRINGS "${file}" keys REGEX "^\\[" ENCODING UTF-16LE)
        list(APPEND lines ${keys})
    endforeach()
    file(GLOB_RECURSE files LIST_DIRECTORIES true "${drive}/Program Files/*" "${menu}/*")
    list(APPEND lines ${files})
    set(${result} "${lines}" PARENT_SCOPE)
endfunction()

if(STEP STREQUAL "install")
    file(REMOVE_RECURSE ${WORK})
    file(MAKE_DIRECTORY ${WORK})
    snapshot(before)
    file(WRITE "${WORK}/before.txt" "${before}")
    run(${CPACK} -G NSIS --config ${CONFIG} -B ${WORK})
    run(${WINE64} ${WORK}/velorin-launcher-1.0-win64.exe /S)
    run(${WINE64} ${WORK}/velorin-launcher-1.0-win64.exe /S)

    file(GLOB_RECURSE installed RELATIVE "${folder}" "${folder}/*")
    list(SORT installed)
    set(expected "Blendora/Blendora Studio VL.exe" Sounds/Sys/S0/click.wav
        Sounds/Sys/S0/credits.wav Sounds/Sys/S0/snap.wav TsAVIMaker.exe Velorin.exe
        blendora-setup.exe exportToWeb.exe uninstall.exe velorin-launcher.exe velorin-reg.exe)
    if(NOT installed STREQUAL expected)
        message(FATAL_ERROR "Installed:\n${installed}\nbut should be:\n${expected}")
    endif()
    if(NOT EXISTS "${menu}/Velorin Launcher/Velorin Launcher.lnk")
        message(FATAL_ERROR "no Start menu entry")
    endif()
    run(${WINE64} reg query "${mixing_tool_key}" /ve /reg:32)
    if(NOT out MATCHES "REG_SZ[ \t]+C:\\\\Program Files\\\\Velorin Launcher\\\\Blendora")
        message(FATAL_ERROR "the mixing tool's folder is not recorded in the 32-bit view:\n${out}")
    endif()
    execute_process(COMMAND ${WINE64} reg query "${mixing_tool_key}" /ve /reg:64
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(status EQUAL 0)
        message(FATAL_ERROR "the mixing tool's folder is recorded in the 64-bit view")
    endif()
    snapshot(installed_state)
    set(added ${installed_state})
    list(REMOVE_ITEM added ${before})
    file(WRITE "${WORK}/added.txt" "${added}")
elseif(STEP STREQUAL "uninstall")
    file(READ "${WORK}/before.txt" before)
    file(READ "${WORK}/added.txt" added)
    # The uninstaller goes on from a copy of itself and ends without waiting for it.
    run(${WINE64} "${folder}/uninstall.exe" /S)
    string(TIMESTAMP now "%s")
    math(EXPR deadline "${now} + 60")
    while(now LESS deadline)
        snapshot(after)
        set(left "")
        foreach(entry IN LISTS added)
            if(entry IN_LIST after)
                list(APPEND left "${entry}")
            endif()
        endforeach()
        set(taken "")
        foreach(entry IN LISTS before)
            if(NOT entry IN_LIST after)
                list(APPEND taken "${entry}")
            endif()
        endforeach()
        if(NOT left AND NOT taken)
            return()
        endif()
        string(TIMESTAMP now "%s")
    endwhile()
    message(FATAL_ERROR "After uninstalling, left:\n${left}\nand gone:\n${taken}")
else()
    message(FATAL_ERROR "STEP must be install or uninstall")
endif()
