vx_add_test(tst_connections core ${CMAKE_CURRENT_LIST_DIR}/tst_connections.cpp)
vx_add_test(tst_linecommands editor ${CMAKE_CURRENT_LIST_DIR}/tst_linecommands.cpp)
