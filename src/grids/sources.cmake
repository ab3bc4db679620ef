list(APPEND VX_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR} / Grids.h ${CMAKE_CURRENT_LIST_DIR} /
     Grids.cpp)
    list(APPEND VX_EDITOR_SOURCES ${CMAKE_CURRENT_LIST_DIR} /
         GridHandleLayer.h ${CMAKE_CURRENT_LIST_DIR} /
         GridHandleLayer.cpp ${CMAKE_CURRENT_LIST_DIR} / frmAddTable.h ${CMAKE_CURRENT_LIST_DIR} /
         frmAddTable.cpp ${CMAKE_CURRENT_LIST_DIR} / GridCommands.h ${CMAKE_CURRENT_LIST_DIR} /
         GridCommands.cpp)
