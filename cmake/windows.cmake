# The Windows build: the program, the stand-in game, and the tests that run under Wine.

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# Every Windows program of the build runs through Wine, in a Wine prefix of the build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run;${CMAKE_BINARY_DIR})

enable_language(RC)

# The Windows API as every file of ours sees it, and the system libraries behind it: the wide
# functions, no min and max macros, the headers of Windows 10.
add_library(pp_windows_api INTERFACE)
target_compile_definitions(pp_windows_api INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                    _WIN32_WINNT=0x0A00)
target_link_libraries(pp_windows_api INTERFACE user32 gdi32 gdiplus comctl32 comdlg32 shell32 advapi32
                                               kernel32 ole32 uuid)

add_library(pp_win32 STATIC ${PP_WIN32_SOURCES})
target_link_libraries(pp_win32 PUBLIC pp_core pp_windows_api)

set(PP_RESOURCES ${CMAKE_SOURCE_DIR}/app/pitch_pilot.rc)
# The application icon is drawn at build time into the generated folder, where the resource script
# finds it.
add_custom_command(
    OUTPUT ${PP_GENERATED}/pitch_pilot.ico
    COMMAND ${CMAKE_SOURCE_DIR}/app/make-icon ${PP_GENERATED}/pitch_pilot.ico
    DEPENDS ${CMAKE_SOURCE_DIR}/app/make-icon
    VERBATIM)
# windres leaves no list of the files it read, so the build is told which they are.
set_source_files_properties(${PP_RESOURCES} PROPERTIES OBJECT_DEPENDS
    "${PP_GENERATED}/pitch_pilot.ico;${PP_GENERATED}/pp_version.h;${CMAKE_SOURCE_DIR}/app/pitch_pilot.manifest;${CMAKE_SOURCE_DIR}/menu/dialogs.rc;${CMAKE_SOURCE_DIR}/menu/dialog_ids.h")
add_executable(PitchPilot WIN32 ${PP_MAIN_SOURCE} ${PP_RESOURCES})
target_link_libraries(PitchPilot PRIVATE pp_win32)
# A release ships stripped: one file, as small as it can be.
target_link_options(PitchPilot PRIVATE -municode $<$<CONFIG:Release>:-s>)

# The stand-in game and the other small programs of the demo folder: one program per file.
file(GLOB PP_DEMO_PROGRAMS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/demo/*_win32.cpp)
foreach(file IN LISTS PP_DEMO_PROGRAMS)
    get_filename_component(name ${file} NAME_WE)
    string(REGEX REPLACE "_win32$" "" name ${name})
    add_executable(${name} WIN32 ${file})
    target_link_libraries(${name} PRIVATE pp_flags pp_windows_api)
    target_link_options(${name} PRIVATE -municode)
endforeach()
if(NOT TARGET fifa09)
    message(FATAL_ERROR "demo/fifa09_win32.cpp, the stand-in game, is missing")
endif()

# A demo game folder laid out from the built programs, for scripts/demo and the end-to-end test.
file(GLOB PP_DEMO_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/demo/game/*)
set(PP_DEMO_GAME ${CMAKE_BINARY_DIR}/demo-game)
add_custom_command(
    OUTPUT ${PP_DEMO_GAME}.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${PP_DEMO_GAME}
    COMMAND ${CMAKE_SOURCE_DIR}/demo/make-game-folder ${PP_DEMO_GAME} $<TARGET_FILE:PitchPilot>
            $<TARGET_FILE:fifa09>
    COMMAND ${CMAKE_COMMAND} -E touch ${PP_DEMO_GAME}.stamp
    DEPENDS PitchPilot fifa09 ${CMAKE_SOURCE_DIR}/demo/make-game-folder ${PP_DEMO_FILES}
    COMMENT "Laying out the demo game folder"
    VERBATIM)
add_custom_target(demo_game ALL DEPENDS ${PP_DEMO_GAME}.stamp)

# The Wine tests. Starting Wine costs seconds, so the contract tests of the Win32 services
# (tests/wine/<service>_test.cpp) are one program and one test; a test file that drives windows
# (window_test.cpp) is a program of its own, and so is the end-to-end journey.
file(GLOB PP_WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
file(GLOB PP_WINE_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/support/*.cpp)
set(PP_WINE_WINDOW_TESTS ${CMAKE_SOURCE_DIR}/tests/wine/window_test.cpp)
file(GLOB PP_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.cpp)
list(REMOVE_ITEM PP_WINE_TESTS ${PP_WINE_WINDOW_TESTS})
# The journey of a player who may not change the game folder runs as a user made for it, by the
# script tests/e2e/run-as-player, which ctest runs instead of the program.
set(PP_PLAYER_TEST ${CMAKE_SOURCE_DIR}/tests/e2e/read_only_game_folder_test.cpp)
list(REMOVE_ITEM PP_E2E_TESTS ${PP_PLAYER_TEST})
add_library(pp_wine_test_support STATIC ${PP_WINE_TEST_SUPPORT})
target_link_libraries(pp_wine_test_support PUBLIC pp_win32 GTest::gtest)

function(pp_add_wine_test name labels)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE pp_win32 pp_wine_test_support GTest::gtest_main)
    # The tests start the stand-in game and the program from the build's bin folder.
    add_dependencies(${name} PitchPilot fifa09 demo_game)
    add_test(NAME wine.${name} COMMAND ${name})
    set_tests_properties(wine.${name} PROPERTIES LABELS "${labels}" TIMEOUT 600)
endfunction()

pp_add_wine_test(wine_services wine ${PP_WINE_TESTS})
foreach(file IN LISTS PP_WINE_WINDOW_TESTS)
    get_filename_component(name ${file} NAME_WE)
    pp_add_wine_test(${name} wine ${file})
endforeach()
# The window's test asks the system's accessibility objects for the controls' names. uuid comes
# first: the GUIDs both name are taken from it, not from the import library of oleacc as well.
target_link_libraries(window_test PRIVATE uuid oleacc)
foreach(file IN LISTS PP_E2E_TESTS)
    get_filename_component(name ${file} NAME_WE)
    pp_add_wine_test(${name} "wine;e2e" ${file})
endforeach()
add_executable(read_only_game_folder_test ${PP_PLAYER_TEST})
target_link_libraries(read_only_game_folder_test PRIVATE pp_win32 pp_wine_test_support GTest::gtest_main)
add_dependencies(read_only_game_folder_test PitchPilot fifa09 demo_game)
add_test(NAME wine.read_only_game_folder COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/run-as-player ${CMAKE_BINARY_DIR})
# Skipped (77) only where no user can be made: without root and without sudo.
set_tests_properties(wine.read_only_game_folder PROPERTIES LABELS "wine;e2e" TIMEOUT 600 SKIP_RETURN_CODE 77)

# Benchmarks of the whole program under Wine: bench/<name>_win32.cpp becomes bin/<name>.exe.
file(GLOB PP_WINE_BENCHMARKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_win32.cpp)
foreach(file IN LISTS PP_WINE_BENCHMARKS)
    get_filename_component(name ${file} NAME_WE)
    string(REGEX REPLACE "_win32$" "" name ${name})
    add_executable(${name} ${file})
    target_link_libraries(${name} PRIVATE pp_flags pp_windows_api psapi)
    target_link_options(${name} PRIVATE -municode)
endforeach()
# What some benchmarks need beyond the others; a benchmark file gone missing stops the configure here.
target_link_libraries(save_bench PRIVATE pp_win32)
set_target_properties(bare_window PROPERTIES WIN32_EXECUTABLE ON)
target_sources(bare_controls PRIVATE ${CMAKE_SOURCE_DIR}/bench/bare_controls.rc)
set_source_files_properties(${CMAKE_SOURCE_DIR}/bench/bare_controls.rc PROPERTIES OBJECT_DEPENDS
    ${CMAKE_SOURCE_DIR}/app/pitch_pilot.manifest)
set_target_properties(bare_controls PROPERTIES WIN32_EXECUTABLE ON)
target_link_libraries(bare_controls PRIVATE pp_core)
