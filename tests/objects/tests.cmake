vx_add_test(tst_dragdrop core ${CMAKE_CURRENT_LIST_DIR}/tst_dragdrop.cpp)
vx_add_test(tst_pictureobjects editor ${CMAKE_CURRENT_LIST_DIR}/tst_pictureobjects.cpp)
target_include_directories(tst_pictureobjects PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
