# The wiring of the subsystems; main.cpp itself goes into the executable only.
list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProgramFolders.h ${CMAKE_CURRENT_LIST_DIR}/ProgramFolders.cpp)
list(APPEND VX_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Editor.h ${CMAKE_CURRENT_LIST_DIR}/Editor.cpp)
