vx_add_test(tst_printlayout core ${CMAKE_CURRENT_LIST_DIR}/tst_printlayout.cpp)
vx_add_test(tst_printpreview core ${CMAKE_CURRENT_LIST_DIR}/tst_printpreview.cpp)
vx_add_test(tst_printwindows editor ${CMAKE_CURRENT_LIST_DIR}/tst_printwindows.cpp)
target_include_directories(tst_printwindows PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
