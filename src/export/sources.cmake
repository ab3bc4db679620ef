# Image export: the GIF encoder, the 24-bit DIB wrapper and the JPEG writer, the JPEG
# quality dialog.
list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/GIF.h ${CMAKE_CURRENT_LIST_DIR}/GIF.cpp)
list(APPEND VX_EDITOR_SOURCES)

# JPEG: the pixel buffer and the writer, then the quality dialog.
list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/cDIBSection.h ${CMAKE_CURRENT_LIST_DIR}/cDIBSection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JpegWriter.h ${CMAKE_CURRENT_LIST_DIR}/JpegWriter.cpp)
list(APPEND VX_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frmJPGQuality.h ${CMAKE_CURRENT_LIST_DIR}/frmJPGQuality.cpp)
