list(APPEND VX_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR} / Shapes.h ${CMAKE_CURRENT_LIST_DIR} /
     Shapes.cpp) list(APPEND VX_EDITOR_SOURCES ${CMAKE_CURRENT_LIST_DIR} /
                      ShapeHandleLayer.h ${CMAKE_CURRENT_LIST_DIR} /
                      ShapeHandleLayer.cpp ${CMAKE_CURRENT_LIST_DIR} /
                      ShapeCommands.h ${CMAKE_CURRENT_LIST_DIR} / ShapeCommands.cpp)
