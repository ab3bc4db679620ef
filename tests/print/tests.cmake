vx_add_test(tst_printlayout core ${CMAKE_CURRENT_LIST_DIR}/tst_printlayout.cpp)
vx_add_test(tst_pagepainter core ${CMAKE_CURRENT_LIST_DIR}/tst_pagepainter.cpp)
