vx_add_test(tst_catalogue core ${CMAKE_CURRENT_LIST_DIR}/tst_catalogue.cpp)
# The shipped library as the build renders it into the program folder.
target_compile_definitions(tst_catalogue PRIVATE VX_PROGRAM_DIR="${VEXILARDO_PROGRAM_DIR}")
add_dependencies(tst_catalogue program_data library_pictures)
vx_add_test(tst_splash editor ${CMAKE_CURRENT_LIST_DIR}/tst_splash.cpp)
vx_add_test(tst_chooser editor ${CMAKE_CURRENT_LIST_DIR}/tst_chooser.cpp)
