vx_add_test(tst_textdialog editor ${CMAKE_CURRENT_LIST_DIR}/tst_textdialog.cpp)
vx_add_test(tst_textfields editor ${CMAKE_CURRENT_LIST_DIR}/tst_textfields.cpp)
target_include_directories(tst_textfields PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
