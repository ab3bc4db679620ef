list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ImageStore.h ${CMAKE_CURRENT_LIST_DIR}/ImageStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChooserTable.h ${CMAKE_CURRENT_LIST_DIR}/ChooserTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CatalogueLoader.h ${CMAKE_CURRENT_LIST_DIR}/CatalogueLoader.cpp)
list(APPEND VX_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SplashTarget.h
    ${CMAKE_CURRENT_LIST_DIR}/frmSplash.h ${CMAKE_CURRENT_LIST_DIR}/frmSplash.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmAddObject.h ${CMAKE_CURRENT_LIST_DIR}/frmAddObject.cpp)
