vx_add_test(tst_sketchpad editor ${CMAKE_CURRENT_LIST_DIR}/tst_sketchpad.cpp)
target_include_directories(tst_sketchpad PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../workspace)
