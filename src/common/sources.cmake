list(APPEND VX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Prompter.h
    ${CMAKE_CURRENT_LIST_DIR}/Units.h ${CMAKE_CURRENT_LIST_DIR}/Units.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Numeric.h ${CMAKE_CURRENT_LIST_DIR}/Numeric.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogFolders.h ${CMAKE_CURRENT_LIST_DIR}/DialogFolders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureLimits.h
    ${CMAKE_CURRENT_LIST_DIR}/FileAccess.h ${CMAKE_CURRENT_LIST_DIR}/FileAccess.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AtomicSave.h ${CMAKE_CURRENT_LIST_DIR}/AtomicSave.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Windows1251.h ${CMAKE_CURRENT_LIST_DIR}/Windows1251.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BoundedFileReader.h ${CMAKE_CURRENT_LIST_DIR}/BoundedFileReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WriteNotationWriter.h ${CMAKE_CURRENT_LIST_DIR}/WriteNotationWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WriteNotationReader.h ${CMAKE_CURRENT_LIST_DIR}/WriteNotationReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShownText.h ${CMAKE_CURRENT_LIST_DIR}/ShownText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CappedImageReader.h ${CMAKE_CURRENT_LIST_DIR}/CappedImageReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SilentPrompter.h
    ${CMAKE_CURRENT_LIST_DIR}/ConsolePrompter.h ${CMAKE_CURRENT_LIST_DIR}/ConsolePrompter.cpp)
list(APPEND VX_EDITOR_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/QtPrompter.h ${CMAKE_CURRENT_LIST_DIR}/QtPrompter.cpp)
