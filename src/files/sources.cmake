list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Windows1251.h ${CMAKE_CURRENT_LIST_DIR}/Windows1251.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BoundedFileReader.h ${CMAKE_CURRENT_LIST_DIR}/BoundedFileReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WriteNotationWriter.h ${CMAKE_CURRENT_LIST_DIR}/WriteNotationWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WriteNotationReader.h ${CMAKE_CURRENT_LIST_DIR}/WriteNotationReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SelectionTool.h ${CMAKE_CURRENT_LIST_DIR}/SelectionTool.cpp)
