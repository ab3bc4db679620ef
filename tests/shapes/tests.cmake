vx_add_test(tst_shapes core ${CMAKE_CURRENT_LIST_DIR}/tst_shapes.cpp)
vx_add_test(tst_shapeediting editor ${CMAKE_CURRENT_LIST_DIR}/tst_shapeediting.cpp)
