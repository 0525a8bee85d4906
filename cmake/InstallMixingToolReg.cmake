# Run by cmake --install: the mixing tool's registry defaults, as its installation records them,
# naming the folder it has just been installed in. Fresh stores import them from registry.d/.
set(folder "${CMAKE_INSTALL_PREFIX}/${VELORIN_INSTALL_FOLDER}/Blendora")
string(REPLACE "\\" "\\\\" folder "${folder}")
string(REPLACE "\"" "\\\"" folder "${folder}")
# Staged outside the folder cmake --install runs in, under a name of the prefix's own: installs into
# two prefixes at once (the tests make them) must not take each other's file.
string(MD5 prefix_tag "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(temp "$ENV{TMPDIR}")
if(NOT temp)
    set(temp /tmp)
endif()
set(staged_folder "${temp}/velorin-mixing-tool-reg-${prefix_tag}")
set(staged "${staged_folder}/blendora-studio-vl.reg")
file(WRITE "${staged}" "Windows Registry Editor Version 5.00\n\n"
     "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Blendora Technologies, Inc.\\Blendora Studio VL\\Path]\n"
     "@=\"${folder}\"\n")
file(INSTALL "${staged}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${VELORIN_DATA_FOLDER}/registry.d")
file(REMOVE_RECURSE "${staged_folder}")
