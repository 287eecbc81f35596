# Helpers shared by every folder: one static library per source folder, each with an alias
# morvane::<name>, the source root as include root and the project's warning set.

function(morvane_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
endfunction()

# morvane_add_library(<name> SOURCES ... [DEPENDS ...] [AUTOMOC])
function(morvane_add_library name)
    cmake_parse_arguments(ARG "AUTOMOC" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(morvane_${name} STATIC ${ARG_SOURCES})
    add_library(morvane::${name} ALIAS morvane_${name})
    target_include_directories(morvane_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(morvane_${name} PUBLIC ${ARG_DEPENDS})
    if(ARG_AUTOMOC)
        set_target_properties(morvane_${name} PROPERTIES AUTOMOC ON AUTORCC ON)
    endif()
    morvane_warnings(morvane_${name})
endfunction()

# morvane_add_gtest(<name> SOURCES ... [DEPENDS ...] [QT])
# QT: the test links the Qt test main, which creates a QApplication on the offscreen platform.
function(morvane_add_gtest name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} morvane_test_support_qt GTest::gtest)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} morvane_test_support GTest::gtest_main)
    endif()
    morvane_warnings(${name})
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;MORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# morvane_add_qttest(<name> SOURCES ... [DEPENDS ...])
# A QtTest executable for windows, run by CTest on the offscreen platform. Its main (see
# tests/support/WindowTestMain.h) gives every run a fresh home folder and Qt's test mode of
# QStandardPaths, so preferences written by the test never touch the user's own.
function(morvane_add_qttest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} morvane_test_support_qttest)
    morvane_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;MORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR};QTEST_FUNCTION_TIMEOUT=120000")
endfunction()
