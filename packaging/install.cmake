# Installation: one program directory holding the executable and everything it reads, a
# launcher on the PATH, a desktop entry with its icons, and the system-wide registry file.
set(MORVEX_INSTALL_PROGRAM_DIR lib/morvex-calc)

install(TARGETS morvex_calc RUNTIME DESTINATION ${MORVEX_INSTALL_PROGRAM_DIR})
# The player plugin lies beside the executable, where the About window looks for it.
install(TARGETS morvex_player LIBRARY DESTINATION ${MORVEX_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${MORVEX_PROGRAM_DIR}/ DESTINATION ${MORVEX_INSTALL_PROGRAM_DIR}
    FILES_MATCHING PATTERN "base.mdb" PATTERN "*.jpg" PATTERN "morvex.avi")

# The launcher finds the program directory relative to itself.
file(RELATIVE_PATH MORVEX_LAUNCHER_TO_PROGRAM
    /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${MORVEX_INSTALL_PROGRAM_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/morvex-calc.in ${CMAKE_BINARY_DIR}/packaging/morvex-calc @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/morvex-calc DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/example.morvex.Calculator.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Icons of the hicolor theme, rendered from the window icon's SVG.
set(MORVEX_ICON_SOURCE ${PROJECT_SOURCE_DIR}/data/icons/app.svg)
set(MORVEX_ICON_OUTPUTS)
foreach(size 16 24 32 48 64 128 256)
    set(icon ${CMAKE_BINARY_DIR}/packaging/icons/${size}/example.morvex.Calculator.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/icons/${size}
        COMMAND render_svg ${MORVEX_ICON_SOURCE} ${icon} ${size} ${size}
        DEPENDS render_svg ${MORVEX_ICON_SOURCE}
        VERBATIM)
    list(APPEND MORVEX_ICON_OUTPUTS ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(morvex_desktop_icons ALL DEPENDS ${MORVEX_ICON_OUTPUTS})
install(FILES ${MORVEX_ICON_SOURCE} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME example.morvex.Calculator.svg)

# The system-wide registry file, as the maker's installer writes the key: it names a list
# directory in each user's data directory.
if(COMMAND morvex_write_registry_file AND NOT WIN32)
    morvex_write_registry_file(${CMAKE_BINARY_DIR}/packaging/registry.ini "~/.local/share/morvex")
    install(FILES ${CMAKE_BINARY_DIR}/packaging/registry.ini DESTINATION ${MORVEX_INSTALL_PROGRAM_DIR})
endif()

# A Debian package with the runtime it needs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvex-calc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Morvex <info@m.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculator of the mass of rolled steel products (ГОСТ, ТУ)")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6, libqt6gui6, libqt6widgets6, libqt6sql6, libqt6sql6-sqlite, libqt6svg6, libqt6multimedia6, libqt6multimediawidgets6, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-liberation, libc6, libstdc++6")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
include(CPack)
