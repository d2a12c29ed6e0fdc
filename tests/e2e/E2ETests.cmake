# The end-to-end tests: a Win32 driver that runs the real portguard.exe under Wine, the fixtures it
# places beside it, and the stand-in firewall. None of this is shipped.

# GoogleTest, built from Debian's sources with the cross compiler.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(PORTGUARD_FIXTURE_DIR ${CMAKE_BINARY_DIR}/fixtures)
set(PORTGUARD_STANDIN_DIR ${CMAKE_BINARY_DIR}/standin)

function(portguard_fixture target output_name kind)
    add_executable(${target} ${kind} ${ARGN})
    target_link_libraries(${target} PRIVATE portguard_options)
    target_link_options(${target} PRIVATE ${PORTGUARD_WIN32_LINK_OPTIONS})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output_name}
                                               RUNTIME_OUTPUT_DIRECTORY ${PORTGUARD_FIXTURE_DIR})
endfunction()

portguard_fixture(recording_cmd cmd "" tests/fixtures/RecordingCmd.cpp)
portguard_fixture(url_recorder browser WIN32 tests/fixtures/UrlRecorder.cpp)
portguard_fixture(sleeper sleeper WIN32 tests/fixtures/Sleeper.cpp)

add_library(probe_hook SHARED tests/fixtures/ProbeHook.cpp)
target_link_libraries(probe_hook PRIVATE portguard_options)
# Undecorated export names, so that the driver finds the procedures by their plain names.
target_link_options(probe_hook PRIVATE ${PORTGUARD_WIN32_LINK_OPTIONS} -Wl,--kill-at)
set_target_properties(probe_hook PROPERTIES OUTPUT_NAME probehook PREFIX ""
                                                  RUNTIME_OUTPUT_DIRECTORY ${PORTGUARD_FIXTURE_DIR})

add_executable(standin_netsh tests/standin/netsh.cpp)
target_link_libraries(standin_netsh PRIVATE portguard_options)
target_link_options(standin_netsh PRIVATE ${PORTGUARD_WIN32_LINK_OPTIONS})
set_target_properties(standin_netsh PROPERTIES OUTPUT_NAME netsh RUNTIME_OUTPUT_DIRECTORY ${PORTGUARD_STANDIN_DIR})

add_executable(portguard_e2e
    tests/e2e/DriverMain.cpp
    tests/e2e/Harness.cpp
    tests/e2e/HyperlinkTest.cpp
    tests/e2e/KeyboardTest.cpp
    tests/e2e/PortActionWineTest.cpp
    tests/e2e/ProcessCheckWineTest.cpp
    tests/e2e/ResourcesTest.cpp
    tests/e2e/RobustnessTest.cpp
    tests/e2e/StandinTest.cpp
    tests/e2e/StartupTest.cpp
    tests/e2e/SwitchesTest.cpp
    tests/e2e/WindowTest.cpp)
target_link_libraries(portguard_e2e PRIVATE portguard_actions portguard_platform gtest version)
target_link_options(portguard_e2e PRIVATE -static)
add_dependencies(portguard_e2e portguard recording_cmd url_recorder sleeper probe_hook standin_netsh)

# Wine sees the Linux file system as drive Z:.
function(portguard_wine_path out path)
    string(REPLACE "/" "\\" windows_path "${path}")
    set(${out} "Z:${windows_path}" PARENT_SCOPE)
endfunction()
portguard_wine_path(PRODUCT_WINE_PATH ${CMAKE_BINARY_DIR}/portguard.exe)
portguard_wine_path(FIXTURES_WINE_PATH ${PORTGUARD_FIXTURE_DIR})

foreach(suite MainWindowTest ResourcesTest StandinTest ProcessCheckWineTest PortActionWineTest RobustnessTest KeyboardTest ClosingTest HyperlinkTest SwitchesTest StartupTest)
    add_test(NAME e2e.${suite}
             COMMAND wine $<TARGET_FILE:portguard_e2e> --product=${PRODUCT_WINE_PATH}
                     --fixtures=${FIXTURES_WINE_PATH} "--standin=C:\\standin" --gtest_filter=${suite}.*)
    set_tests_properties(e2e.${suite} PROPERTIES RESOURCE_LOCK wine_desktop TIMEOUT 300)
endforeach()

# Under Wine: the process check against the bare snapshot walk (a benchmark, run by ./bench).
add_executable(snapshot_bench bench/SnapshotBench.cpp)
target_link_libraries(snapshot_bench PRIVATE portguard_actions portguard_platform)
target_link_options(snapshot_bench PRIVATE ${PORTGUARD_WIN32_LINK_OPTIONS})

# Under Wine: start-up and memory of portguard against the minimal window program (run by ./benchmark).
add_executable(minimal_window WIN32 bench/MinimalWindow.cpp)
target_link_libraries(minimal_window PRIVATE portguard_options)
target_link_options(minimal_window PRIVATE ${PORTGUARD_WIN32_LINK_OPTIONS})
add_executable(startup_bench bench/StartupBench.cpp)
target_link_libraries(startup_bench PRIVATE portguard_options)
target_link_options(startup_bench PRIVATE ${PORTGUARD_WIN32_LINK_OPTIONS})
add_executable(minimal_window_styled WIN32 bench/MinimalWindow.cpp bench/MinimalWindowStyled.rc)
target_link_libraries(minimal_window_styled PRIVATE portguard_options)
target_link_options(minimal_window_styled PRIVATE ${PORTGUARD_WIN32_LINK_OPTIONS})
