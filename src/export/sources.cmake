# Image export: the GIF encoder, the 24-bit DIB wrapper and the JPEG writer, the JPEG
# quality dialog.
list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GIF.h ${CMAKE_CURRENT_LIST_DIR}/GIF.cpp)
list(APPEND VX_EDITOR_SOURCES)
