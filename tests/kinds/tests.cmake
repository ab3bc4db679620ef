vx_add_test(tst_copypaste editor ${CMAKE_CURRENT_LIST_DIR}/tst_copypaste.cpp)
