vx_add_test(tst_textdialog editor ${CMAKE_CURRENT_LIST_DIR}/tst_textdialog.cpp)
