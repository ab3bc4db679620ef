vx_add_test(tst_settingsfile core ${CMAKE_CURRENT_LIST_DIR}/tst_settingsfile.cpp)
vx_add_test(tst_windowappearance editor ${CMAKE_CURRENT_LIST_DIR}/tst_windowappearance.cpp)
