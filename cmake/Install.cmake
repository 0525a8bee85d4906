# Install rules for a system layout (cmake --install, and the Debian packages built from it).
#   component "launcher": lib/velorin/ (the installation folder: the launcher, Sounds/Sys/S0/),
#     bin/velorin-launcher (starts it there), bin/velorin-reg, bin/velorin-beats, the desktop entry,
#     the theme icons, the AppStream metainfo and the manual pages;
#   component "demo": the stand-ins in the installation folder, the mixing tool in its Blendora/
#     folder with its registry defaults in share/velorin/registry.d/, and bin/velorin-disc with its
#     manual page;
#   component "demo-data": the demonstration disc in share/velorin/ (the same on every machine).
# Nothing installed is written to at run time: each user's state lives in the store.
include(GNUInstallDirs)

# The launcher finds its sounds relative to its own folder, so the folder is fixed below the prefix
# rather than following the (multiarch) library folder.
set(VELORIN_INSTALL_FOLDER "lib/velorin")
set(VELORIN_DATA_FOLDER "${CMAKE_INSTALL_DATAROOTDIR}/velorin")
set(VELORIN_DEMO_DISC "${VELORIN_DATA_FOLDER}/VirtualCD.cue")

# The starter finds the launcher and the disc from its own folder, so the prefix can move.
file(RELATIVE_PATH launcher_from_bin "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${VELORIN_INSTALL_FOLDER}/velorin-launcher")
file(RELATIVE_PATH disc_from_bin "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${VELORIN_DEMO_DISC}")
target_compile_definitions(velorin-start PRIVATE
    VELORIN_LAUNCHER_FROM_BIN="${launcher_from_bin}"
    VELORIN_DEMO_DISC_FROM_BIN="${disc_from_bin}")

install(TARGETS velorin-launcher DESTINATION ${VELORIN_INSTALL_FOLDER} COMPONENT launcher)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Sounds/Sys/S0/ DESTINATION ${VELORIN_INSTALL_FOLDER}/Sounds/Sys/S0
    COMPONENT launcher FILES_MATCHING PATTERN "*.wav")
install(PROGRAMS $<TARGET_FILE:velorin-start> DESTINATION ${CMAKE_INSTALL_BINDIR}
    RENAME velorin-launcher COMPONENT launcher)
install(TARGETS velorin-reg velorin-beats DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT launcher)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/example.velorin.Launcher.desktop
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications COMPONENT launcher)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/example.velorin.Launcher.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo COMPONENT launcher)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/desktop/icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons COMPONENT launcher)
install(FILES ${PROJECT_SOURCE_DIR}/man/velorin-launcher.1 ${PROJECT_SOURCE_DIR}/man/velorin-reg.1
              ${PROJECT_SOURCE_DIR}/man/velorin-beats.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT launcher)

install(TARGETS velorin_standin_velorin velorin_standin_exporter velorin_standin_avimaker
    DESTINATION ${VELORIN_INSTALL_FOLDER} COMPONENT demo)
install(TARGETS velorin_standin_blendora DESTINATION ${VELORIN_INSTALL_FOLDER}/Blendora
    COMPONENT demo)
install(TARGETS velorin-disc DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT demo)
install(FILES ${PROJECT_SOURCE_DIR}/man/velorin-disc.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
    COMPONENT demo)
# The mixing tool's folder depends on the prefix given to cmake --install, so its registry
# defaults are written then.
install(CODE "set(VELORIN_INSTALL_FOLDER \"${VELORIN_INSTALL_FOLDER}\")
              set(VELORIN_DATA_FOLDER \"${VELORIN_DATA_FOLDER}\")" COMPONENT demo)
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/InstallMixingToolReg.cmake COMPONENT demo)

set(demo_disc ${CMAKE_BINARY_DIR}/demo/VirtualCD)
# Made afresh each time: over an earlier image, velorin-disc would give the data another name.
add_custom_command(OUTPUT ${demo_disc}.cue ${demo_disc}.bin
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/demo
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/demo
    COMMAND velorin-disc ${demo_disc}.cue 30 15
    DEPENDS velorin-disc
    COMMENT "Making the demonstration CD image")
add_custom_target(velorin_demo_disc ALL DEPENDS ${demo_disc}.cue ${demo_disc}.bin)
install(FILES ${demo_disc}.cue ${demo_disc}.bin DESTINATION ${VELORIN_DATA_FOLDER}
    COMPONENT demo-data)
