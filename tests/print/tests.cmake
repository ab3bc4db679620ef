vx_add_test(tst_printlayout core ${CMAKE_CURRENT_LIST_DIR}/tst_printlayout.cpp)
