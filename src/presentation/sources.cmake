list(APPEND VX_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SettingsCommands.h ${CMAKE_CURRENT_LIST_DIR}/SettingsCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PresentationCommands.h ${CMAKE_CURRENT_LIST_DIR}/PresentationCommands.cpp)
