vx_add_test(tst_search core ${CMAKE_CURRENT_LIST_DIR}/tst_search.cpp)
vx_add_test(tst_searchpanel editor ${CMAKE_CURRENT_LIST_DIR}/tst_searchpanel.cpp)
target_include_directories(tst_searchpanel PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
