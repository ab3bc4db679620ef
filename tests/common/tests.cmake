vx_add_test(tst_numeric core ${CMAKE_CURRENT_LIST_DIR}/tst_numeric.cpp)
