vx_add_test(tst_writenotation core ${CMAKE_CURRENT_LIST_DIR}/tst_writenotation.cpp)
vx_add_test(tst_diafile core ${CMAKE_CURRENT_LIST_DIR}/tst_diafile.cpp)
vx_add_test(tst_filecommands editor ${CMAKE_CURRENT_LIST_DIR}/tst_filecommands.cpp)
