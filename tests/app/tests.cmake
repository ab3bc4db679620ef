vx_add_test(tst_programfolders editor ${CMAKE_CURRENT_LIST_DIR}/tst_programfolders.cpp)
