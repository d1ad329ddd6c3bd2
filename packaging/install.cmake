# Installation: one program directory holding the executable, its two plugins and everything
# they read, a launcher on the PATH with its manual page, a desktop entry with its icons and
# AppStream entry (all named by the application id), the package's documents, and the
# system-wide registry file.
set(MORVEX_INSTALL_PROGRAM_DIR lib/morvex-calc)
set(MORVEX_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS morvex_calc RUNTIME DESTINATION ${MORVEX_INSTALL_PROGRAM_DIR})
# The plugins lie in the program directory's "plugins", where the program looks for them: the
# media player of the About window, and the materials list's workbook export and printing.
install(TARGETS morvex_player morvex_bomexport LIBRARY DESTINATION ${MORVEX_INSTALL_PROGRAM_DIR}/plugins)
# A stripped install (the package's) also drops the compilers' version notes, as Debian's own
# packaging tools do; CMake's strip keeps them.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(binary morvex_calc plugins/$<TARGET_FILE_NAME:morvex_player> plugins/$<TARGET_FILE_NAME:morvex_bomexport>)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${MORVEX_INSTALL_PROGRAM_DIR}/\${binary}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")
install(DIRECTORY ${MORVEX_PROGRAM_DIR}/ DESTINATION ${MORVEX_INSTALL_PROGRAM_DIR}
    FILES_MATCHING PATTERN "base.mdb" PATTERN "*.jpg" PATTERN "morvex.avi")

# The launcher finds the program directory relative to itself.
file(RELATIVE_PATH MORVEX_LAUNCHER_TO_PROGRAM
    /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${MORVEX_INSTALL_PROGRAM_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/morvex-calc.in ${MORVEX_PACKAGING_DIR}/morvex-calc @ONLY)
install(PROGRAMS ${MORVEX_PACKAGING_DIR}/morvex-calc DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MORVEX_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MORVEX_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons of the hicolor theme, rendered from the window icon's SVG.
set(MORVEX_ICON_SOURCE ${PROJECT_SOURCE_DIR}/data/icons/app.svg)
set(MORVEX_ICON_OUTPUTS)
foreach(size 16 24 32 48 64 128 256)
    set(icon ${MORVEX_PACKAGING_DIR}/icons/${size}/${MORVEX_APP_ID}.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVEX_PACKAGING_DIR}/icons/${size}
        COMMAND render_svg ${MORVEX_ICON_SOURCE} ${icon} ${size} ${size}
        DEPENDS render_svg ${MORVEX_ICON_SOURCE}
        VERBATIM)
    list(APPEND MORVEX_ICON_OUTPUTS ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(morvex_desktop_icons ALL DEPENDS ${MORVEX_ICON_OUTPUTS})
install(FILES ${MORVEX_ICON_SOURCE} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${MORVEX_APP_ID}.svg)

# The manual page and the changelog, compressed as Debian has them: gzip -9n keeps no name and
# no time stamp, so the same text always gives the same file.
set(MORVEX_MAN_PAGE ${MORVEX_PACKAGING_DIR}/man/morvex-calc.1.gz)
set(MORVEX_CHANGELOG ${MORVEX_PACKAGING_DIR}/doc/changelog.gz)
foreach(pair "morvex-calc.1|${MORVEX_MAN_PAGE}" "changelog|${MORVEX_CHANGELOG}")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 output)
    get_filename_component(plain ${output} NAME_WLE)
    get_filename_component(dir ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/${source} ${dir}/${plain}
        COMMAND gzip -9nf ${dir}/${plain}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${source}
        VERBATIM)
endforeach()
add_custom_target(morvex_documents ALL DEPENDS ${MORVEX_MAN_PAGE} ${MORVEX_CHANGELOG})
install(FILES ${MORVEX_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${MORVEX_CHANGELOG} ${CMAKE_CURRENT_LIST_DIR}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvex-calc)

# The system-wide registry file, as the maker's installer writes the key: it names a list
# directory in each user's data directory, the same as the build's.
if(COMMAND morvex_write_registry_file AND NOT WIN32)
    morvex_write_registry_file(${MORVEX_PACKAGING_DIR}/registry.ini "${MORVEX_HOME_LIST_DIR}")
    install(FILES ${MORVEX_PACKAGING_DIR}/registry.ini DESTINATION ${MORVEX_INSTALL_PROGRAM_DIR})
endif()

# A Debian package. Its dependencies: the shared libraries of the executable and the plugins
# (Qt Multimedia; libxlsxwriter and Qt Print Support), with their versions, from
# dpkg-shlibdeps; and what the program loads at run time without linking it: Qt's SQLite driver
# (the base), the GStreamer plugins that play the clip, Qt's translations and the fonts that
# stand in for Arial and Times New Roman.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvex-calc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Morvex <info@m.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of the mass of rolled steel products")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.morvex.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-translations-l10n, fonts-liberation")
include(CPack)
