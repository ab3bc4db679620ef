vx_add_test(tst_chooser editor ${CMAKE_CURRENT_LIST_DIR}/tst_chooser.cpp)
