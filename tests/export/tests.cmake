find_package(GIF REQUIRED)
vx_add_test(tst_gif core ${CMAKE_CURRENT_LIST_DIR}/tst_gif.cpp)
# giflib decodes every file the encoder writes.
target_link_libraries(tst_gif PRIVATE GIF::GIF)
