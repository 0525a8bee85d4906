# Message boxes and the layout dialogs on the system's MessageBox and dialog templates. The
# templates are the program's resources (resources/, velorin_windows_resources).
velorin_library(velorin_ui_win32_boxes
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/Win32Owner.cpp ${CMAKE_CURRENT_LIST_DIR}/Win32MessageBoxes.cpp
            ${CMAKE_CURRENT_LIST_DIR}/Win32Dialogs.cpp
    DEPS velorin_ui)
