list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SimpleDragAndDrop.h ${CMAKE_CURRENT_LIST_DIR}/SimpleDragAndDrop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Orientation.h ${CMAKE_CURRENT_LIST_DIR}/Orientation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResizeHandles.h ${CMAKE_CURRENT_LIST_DIR}/ResizeHandles.cpp)
list(APPEND VX_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PictureLayer.h ${CMAKE_CURRENT_LIST_DIR}/PictureLayer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureCommands.h ${CMAKE_CURRENT_LIST_DIR}/PictureCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OrientationCommands.h ${CMAKE_CURRENT_LIST_DIR}/OrientationCommands.cpp)
