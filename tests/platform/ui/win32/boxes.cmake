# The system's message boxes and the layout dialogs from the program's templates, answered by a
# user thread on the test run's own X display.
velorin_test(velorin_ui_win32_boxes_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/Win32BoxesTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ScreenUser.cpp
    DEPS velorin_ui_win32_boxes velorin_resources velorin_windows_resources
    LABELS gui)
