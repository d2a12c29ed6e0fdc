# portguard.exe: a static, reproducible 32-bit GUI program.
enable_language(RC)

set(PORTGUARD_RESOURCE_DIR ${CMAKE_BINARY_DIR}/resources)
add_custom_command(
    OUTPUT ${PORTGUARD_RESOURCE_DIR}/portguard.ico ${PORTGUARD_RESOURCE_DIR}/hand.cur
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/draw-icon.sh ${PORTGUARD_RESOURCE_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/scripts/draw-icon.sh
    COMMENT "Drawing the program icon and the hand pointer")
add_custom_target(portguard_artwork DEPENDS ${PORTGUARD_RESOURCE_DIR}/portguard.ico ${PORTGUARD_RESOURCE_DIR}/hand.cur)

# Linked in full (-static) so that the exe needs no libstdc++, libgcc or libwinpthread DLL; no time
# stamp in the PE header, so that two builds of the same sources give the same bytes.
set(PORTGUARD_WIN32_LINK_OPTIONS -static -s -Wl,--no-insert-timestamp)

add_library(portguard_platform STATIC platform/Win32Platform.cpp)
target_link_libraries(portguard_platform PUBLIC portguard_options)

add_library(portguard_app STATIC
    app/ControlFont.cpp
    app/Hooks.cpp
    app/Hyperlink.cpp
    app/Keyboard.cpp
    app/MainWindow.cpp
    app/MessageLoop.cpp
    app/Startup.cpp)
target_link_libraries(portguard_app PUBLIC portguard_actions portguard_platform comctl32)

add_executable(portguard WIN32 app/main.cpp app/portguard.rc)
target_link_libraries(portguard PRIVATE portguard_app)
target_link_options(portguard PRIVATE ${PORTGUARD_WIN32_LINK_OPTIONS})
target_include_directories(portguard PRIVATE ${PORTGUARD_RESOURCE_DIR} ${CMAKE_SOURCE_DIR}/app)
set_source_files_properties(app/portguard.rc PROPERTIES
    OBJECT_DEPENDS "${PORTGUARD_RESOURCE_DIR}/portguard.ico;${PORTGUARD_RESOURCE_DIR}/hand.cur;${CMAKE_SOURCE_DIR}/app/portguard.manifest")
add_dependencies(portguard portguard_artwork)
set_target_properties(portguard PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

add_test(NAME product.imports_only_system_dlls
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh $<TARGET_FILE:portguard>)
add_test(NAME product.release_package_contents
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-package.sh $<TARGET_FILE:portguard>)
