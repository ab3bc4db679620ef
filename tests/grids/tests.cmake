vx_add_test(tst_grids editor ${CMAKE_CURRENT_LIST_DIR}/tst_grids.cpp)
vx_add_test(tst_gridediting editor ${CMAKE_CURRENT_LIST_DIR}/tst_gridediting.cpp)
target_include_directories(tst_gridediting PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
