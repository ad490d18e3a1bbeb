# Installing the desktop program the way Linux desktops expect it: the program (and tessary-tool,
# its command-line companion) in bin/, a desktop entry for the application menu, the icon in the
# hicolor theme at the usual sizes, and AppStream metainfo for software centres. The Debian package (cmake/Package.cmake) is built from this
# install tree. Included once from the top-level CMakeLists.txt.

include(GNUInstallDirs)

# tessary-tool needs nothing of the desktop, so it is installed also when only the core is built.
if(TARGET tessary-tool)
    install(TARGETS tessary-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(NOT TARGET tessary)
    return()
endif()

# The name the desktop knows the program by: the desktop entry, the metainfo and the icon are
# named after it, and the program tells the window system the same name.
set(TESSARY_APP_ID org.tessary.Tessary)
set(TESSARY_RELEASE_DATE 2026-12-08)
set(TESSARY_SCREENSHOT_URL "https://tessary.example.org/screenshots/deeds.png"
    CACHE STRING "Web address of the main window's picture, shown by software centres")
set(TESSARY_ICON_SIZES 16 22 24 32 48 64 128 256)
target_compile_definitions(tessary PRIVATE TESSARY_APP_ID="${TESSARY_APP_ID}")

set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
set(TESSARY_DESKTOP_FILE ${packaging_out}/${TESSARY_APP_ID}.desktop)
set(TESSARY_METAINFO_FILE ${packaging_out}/${TESSARY_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tessary.desktop.in ${TESSARY_DESKTOP_FILE} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tessary.metainfo.xml.in ${TESSARY_METAINFO_FILE}
               @ONLY)

# The icon files are drawn at build time from the program's own icon, so they never drift from
# the window icon.
add_executable(tessary_icon_renderer ${PROJECT_SOURCE_DIR}/packaging/IconRenderer.cpp)
target_link_libraries(tessary_icon_renderer PRIVATE tessary_resources)
set(icon_files)
set(icon_arguments)
foreach(size IN LISTS TESSARY_ICON_SIZES)
    set(icon ${packaging_out}/icons/${size}x${size}/${TESSARY_APP_ID}.png)
    list(APPEND icon_files ${icon})
    list(APPEND icon_arguments ${size} ${icon})
    file(MAKE_DIRECTORY ${packaging_out}/icons/${size}x${size})
endforeach()
add_custom_command(OUTPUT ${icon_files}
    COMMAND tessary_icon_renderer ${icon_arguments}
    DEPENDS tessary_icon_renderer
    COMMENT "Drawing the program icon for the hicolor theme"
    VERBATIM)
add_custom_target(tessary_icons ALL DEPENDS ${icon_files})

install(TARGETS tessary RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TESSARY_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TESSARY_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS TESSARY_ICON_SIZES)
    install(FILES ${packaging_out}/icons/${size}x${size}/${TESSARY_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The test command checks the installed tree and runs the desktop's own validators on the
# desktop entry and the metainfo. The sanitizer build leaves the program unbuilt, so it skips them.
if(TESSARY_TESTS AND NOT TESSARY_SANITIZE)
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(APPSTREAMCLI appstreamcli)
    if(NOT DESKTOP_FILE_VALIDATE)
        set(DESKTOP_FILE_VALIDATE desktop-file-validate)
    endif()
    if(NOT APPSTREAMCLI)
        set(APPSTREAMCLI appstreamcli)
    endif()
    add_test(NAME packaging.install_layout
             COMMAND bash ${PROJECT_SOURCE_DIR}/packaging/check-install.sh ${CMAKE_BINARY_DIR}
                     ${TESSARY_APP_ID} ${TESSARY_ICON_SIZES})
    add_test(NAME packaging.desktop_entry_validates
             COMMAND ${DESKTOP_FILE_VALIDATE} ${TESSARY_DESKTOP_FILE})
    add_test(NAME packaging.metainfo_validates
             COMMAND ${APPSTREAMCLI} validate --no-net --explain ${TESSARY_METAINFO_FILE})
    set_tests_properties(packaging.install_layout packaging.desktop_entry_validates
                         packaging.metainfo_validates PROPERTIES TIMEOUT 120)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
