vx_add_test(tst_windowappearance editor ${CMAKE_CURRENT_LIST_DIR}/tst_windowappearance.cpp)
vx_add_test(tst_statusbar editor ${CMAKE_CURRENT_LIST_DIR}/tst_statusbar.cpp)
vx_add_test(tst_qtprompter editor ${CMAKE_CURRENT_LIST_DIR}/tst_qtprompter.cpp)
