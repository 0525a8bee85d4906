# What the setup program (cpack's NSIS generator) does beyond copying the installation folder,
# read by cpack for each package it makes. A 64-bit setup for the 64-bit launcher: per machine in
# Program Files, a Start menu entry, and the mixing tool's folder recorded where the mixing tool's
# own installation records it, in the registry's 32-bit view. Uninstalling takes back exactly that:
# the record only while it still names our folder, and each of its keys only when empty.
if(NOT CPACK_GENERATOR STREQUAL "NSIS")
    return()
endif()
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Velorin Launcher")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Velorin Launcher")
set(CPACK_NSIS_PACKAGE_NAME "Velorin Launcher")
set(CPACK_NSIS_DISPLAY_NAME "Velorin Launcher")
set(CPACK_PACKAGE_EXECUTABLES velorin-launcher "Velorin Launcher")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME velorin-launcher.exe)
set(CPACK_NSIS_UNINSTALL_NAME uninstall)
# Setting up over an installation first runs its uninstaller (silently with /S), so an upgrade
# leaves nothing of the version it replaces.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

set(mixing_tool_vendor "SOFTWARE\\Blendora Technologies, Inc.")
set(mixing_tool_key "${mixing_tool_vendor}\\Blendora Studio VL\\Path")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  SetRegView 32
  WriteRegStr HKLM '${mixing_tool_key}' '' '$INSTDIR\\Blendora'
  SetRegView lastused")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  SetRegView 32
  ReadRegStr $0 HKLM '${mixing_tool_key}' ''
  StrCmp $0 '$INSTDIR\\Blendora' 0 +2
    DeleteRegKey HKLM '${mixing_tool_key}'
  DeleteRegKey /ifempty HKLM '${mixing_tool_vendor}\\Blendora Studio VL'
  DeleteRegKey /ifempty HKLM '${mixing_tool_vendor}'
  SetRegView lastused")
# The template deletes its own key below the vendor's and leaves the vendor's: this runs after.
set(CPACK_NSIS_DELETE_ICONS_EXTRA "
  DeleteRegKey /ifempty SHCTX 'Software\\${CPACK_PACKAGE_VENDOR}'")
