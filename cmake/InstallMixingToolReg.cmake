# Run by cmake --install: the mixing tool's registry defaults, as its installation records them,
# naming the folder it has just been installed in. Fresh stores import them from registry.d/.
set(folder "${CMAKE_INSTALL_PREFIX}/${VELORIN_INSTALL_FOLDER}/Blendora")
string(REPLACE "\\" "\\\\" folder "${folder}")
string(REPLACE "\"" "\\\"" folder "${folder}")
set(staged "${CMAKE_CURRENT_BINARY_DIR}/demo/blendora-studio-vl.reg")
file(WRITE "${staged}" "Windows Registry Editor Version 5.00\n\n"
     "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Blendora Technologies, Inc.\\Blendora Studio VL\\Path]\n"
     "@=\"${folder}\"\n")
file(INSTALL "${staged}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${VELORIN_DATA_FOLDER}/registry.d")
