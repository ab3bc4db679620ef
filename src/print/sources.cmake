list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PrintLayout.h ${CMAKE_CURRENT_LIST_DIR}/PrintLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PagePainter.h ${CMAKE_CURRENT_LIST_DIR}/PagePainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CommandLinePrint.h ${CMAKE_CURRENT_LIST_DIR}/CommandLinePrint.cpp)
