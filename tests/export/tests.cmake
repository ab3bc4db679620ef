# GIF: giflib decodes every file the encoder writes.
find_package(GIF REQUIRED)
vx_add_test(tst_gif core ${CMAKE_CURRENT_LIST_DIR}/tst_gif.cpp)
target_link_libraries(tst_gif PRIVATE GIF::GIF)
# JPEG: the pixel buffer, the writer and the quality dialog.
vx_add_test(tst_jpeg editor ${CMAKE_CURRENT_LIST_DIR}/tst_jpeg.cpp)
target_include_directories(tst_jpeg PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
