vx_add_test(tst_elementstore core ${CMAKE_CURRENT_LIST_DIR}/tst_elementstore.cpp)
vx_add_test(tst_mainlayout core ${CMAKE_CURRENT_LIST_DIR}/tst_mainlayout.cpp)
vx_add_test(tst_frmmain editor ${CMAKE_CURRENT_LIST_DIR}/tst_frmmain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h)
vx_add_test(tst_drawingtools editor ${CMAKE_CURRENT_LIST_DIR}/tst_drawingtools.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h)
vx_add_test(tst_statusbar editor ${CMAKE_CURRENT_LIST_DIR}/tst_statusbar.cpp)
vx_add_test(tst_renderer core ${CMAKE_CURRENT_LIST_DIR}/tst_renderer.cpp)
vx_add_test(tst_canvaslayers core ${CMAKE_CURRENT_LIST_DIR}/tst_canvaslayers.cpp)
vx_add_test(tst_dragdrop core ${CMAKE_CURRENT_LIST_DIR}/tst_dragdrop.cpp)
vx_add_test(tst_document editor ${CMAKE_CURRENT_LIST_DIR}/tst_document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h)
vx_add_test(tst_history core ${CMAKE_CURRENT_LIST_DIR}/tst_history.cpp)
vx_add_test(tst_zoom editor ${CMAKE_CURRENT_LIST_DIR}/tst_zoom.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h)
