# The picture renderer stops the build on a missing, broken or unlisted source.
add_test(NAME render_pictures_faults
         COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:render_pictures>
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/render_pictures_faults
                 -P ${CMAKE_CURRENT_LIST_DIR}/RenderPicturesFaults.cmake)
set_tests_properties(render_pictures_faults PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0" TIMEOUT 60)
