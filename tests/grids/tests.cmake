vx_add_test(tst_grids editor ${CMAKE_CURRENT_LIST_DIR}/tst_grids.cpp)
