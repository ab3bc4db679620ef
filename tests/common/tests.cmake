vx_add_test(tst_numeric core ${CMAKE_CURRENT_LIST_DIR}/tst_numeric.cpp)
vx_add_test(tst_qtprompter editor ${CMAKE_CURRENT_LIST_DIR}/tst_qtprompter.cpp)
vx_add_test(tst_writenotation core ${CMAKE_CURRENT_LIST_DIR}/tst_writenotation.cpp)
