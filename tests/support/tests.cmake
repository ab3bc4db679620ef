vx_add_test(tst_scriptedprompter core ${CMAKE_CURRENT_LIST_DIR}/tst_scriptedprompter.cpp)
