list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SettingsRecord.h ${CMAKE_CURRENT_LIST_DIR}/SettingsRecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsFile.h ${CMAKE_CURRENT_LIST_DIR}/SettingsFile.cpp)
list(APPEND VX_EDITOR_SOURCES ${CMAKE_CURRENT_LIST_DIR}/WindowAppearance.h ${CMAKE_CURRENT_LIST_DIR}/WindowAppearance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramWindow.h ${CMAKE_CURRENT_LIST_DIR}/ProgramWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSettings.h ${CMAKE_CURRENT_LIST_DIR}/frmSettings.cpp)
