# The support library's sources, one list for its two builds: the tests'
# (tests/support/CMakeLists.txt) and the fuzz targets' (fuzz/CMakeLists.txt).
set(CALCORA_TEST_SUPPORT_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/exact.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fixed_rounding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/outcome.cpp)
