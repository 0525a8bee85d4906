# Install rules for Windows: one installation folder, packed by cpack as a ZIP and as a setup
# program (NSIS) that installs it per machine under Program Files.
#   the launcher, Sounds\Sys\S0\, the stand-ins Velorin.exe,
#   exportToWeb.exe and TsAVIMaker.exe, the mixing tool in Blendora\, velorin-reg.exe, and
#   blendora-setup.exe, which records the Blendora folder beside it as the mixing tool's
#   installation does. A .reg file cannot do that: the folder is only known once the ZIP is
#   unpacked, and the file would name a folder the user may not have chosen.
install(TARGETS velorin-launcher DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Sounds/Sys/S0/ DESTINATION Sounds/Sys/S0
    FILES_MATCHING PATTERN "*.wav")
install(TARGETS velorin_standin_velorin velorin_standin_exporter velorin_standin_avimaker
                velorin-reg blendora-setup
    DESTINATION .)
install(TARGETS velorin_standin_blendora DESTINATION Blendora)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME velorin-launcher)
set(CPACK_PACKAGE_VENDOR Velorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The ZIP holds one folder of this name: the installation folder.
set(CPACK_PACKAGE_FILE_NAME velorin-launcher-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/WindowsSetup.cmake)
include(CPack)
