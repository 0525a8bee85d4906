# cmake -DCPACK=... -DCONFIG=CPackConfig.cmake -DWORK=FOLDER -DWINE64=... -DOBJDUMP=...
#       -P WindowsZipTest.cmake
# Packs the build with cpack into WORK, checks the ZIP's list of files, unpacks it, runs its
# blendora-setup.exe and reads what it recorded with its velorin-reg.exe (under the registry of
# the test's own that VELORIN_REGISTRY names).
cmake_policy(VERSION 3.25)
set(top velorin-launcher-1.0-win64)
set(expected
    "${top}/Blendora/Blendora Studio VL.exe" ${top}/Sounds/Sys/S0/click.wav
    ${top}/Sounds/Sys/S0/credits.wav ${top}/Sounds/Sys/S0/snap.wav ${top}/TsAVIMaker.exe
    ${top}/Velorin.exe ${top}/blendora-setup.exe ${top}/exportToWeb.exe ${top}/velorin-launcher.exe
    ${top}/velorin-reg.exe)

include(${CMAKE_CURRENT_LIST_DIR}/Run.cmake)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/unpacked)
run(${CPACK} -G ZIP --config ${CONFIG} -B ${WORK})
set(zip ${WORK}/${top}.zip)

run(${CMAKE_COMMAND} -E tar tf ${zip})
string(REPLACE "\n" ";" listed "${out}")
list(FILTER listed EXCLUDE REGEX "(/|^)$")
list(SORT listed)
list(SORT expected)
if(NOT listed STREQUAL expected)
    message(FATAL_ERROR "The ZIP holds:\n${listed}\nbut should hold:\n${expected}")
endif()

file(ARCHIVE_EXTRACT INPUT ${zip} DESTINATION ${WORK}/unpacked)
set(folder ${WORK}/unpacked/${top})
# The launcher and the stand-ins open no console window; the command-line tools do.
foreach(program velorin-launcher.exe Velorin.exe exportToWeb.exe TsAVIMaker.exe
                "Blendora/Blendora Studio VL.exe")
    run(${OBJDUMP} -p "${folder}/${program}")
    if(NOT out MATCHES "Subsystem[^\n]*\\(Windows GUI\\)")
        message(FATAL_ERROR "${program} is not a GUI program")
    endif()
endforeach()
run(${WINE64} ${folder}/blendora-setup.exe)
run(${WINE64} ${folder}/velorin-reg.exe query
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Blendora Technologies, Inc.\\Blendora Studio VL\\Path" "")
string(STRIP "${out}" recorded)
execute_process(COMMAND ${WINE64} reg delete "HKCU\\$ENV{VELORIN_REGISTRY}" /f
    OUTPUT_QUIET ERROR_QUIET)
# Wine shows the Unix file system as drive Z:.
string(REPLACE "/" "\\" windowsFolder "Z:${folder}/Blendora")
if(NOT recorded STREQUAL "REG_SZ\t${windowsFolder}")
    message(FATAL_ERROR "blendora-setup recorded \"${recorded}\", not \"${windowsFolder}\"")
endif()
