# JPEG: the pixel buffer, the writer and the quality dialog.
vx_add_test(tst_jpeg editor ${CMAKE_CURRENT_LIST_DIR}/tst_jpeg.cpp)
target_include_directories(tst_jpeg PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
