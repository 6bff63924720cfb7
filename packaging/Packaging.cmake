# SPDX-License-Identifier: MIT
# The Debian package (make package): the files a desktop installation adds beside the programs,
# libraries and data files, and CPack's DEB settings. Native package: the version is the
# project's, with no Debian revision.

set(VARDEX_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(generated ${CMAKE_BINARY_DIR}/packaging)

# Manuals and the changelog carry the version and are installed compressed, as Debian wants
# them; gzip -n keeps the package reproducible.
set(compressed "")
foreach(source IN ITEMS docs/man/vardex.1 docs/man/vardex-cli.1 packaging/changelog.in)
    get_filename_component(name ${source} NAME)
    string(REGEX REPLACE "\\.in$" "" name ${name})
    configure_file(${PROJECT_SOURCE_DIR}/${source} ${generated}/${name} @ONLY)
    add_custom_command(OUTPUT ${generated}/${name}.gz
        COMMAND gzip -9nc ${generated}/${name} > ${generated}/${name}.gz
        DEPENDS ${generated}/${name}
        COMMENT "Compressing ${name}")
    list(APPEND compressed ${generated}/${name}.gz)
endforeach()
add_custom_target(vardex_packaging_files ALL DEPENDS ${compressed})

install(FILES ${generated}/vardex.1.gz ${generated}/vardex-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VARDEX_PACKAGING_DIR}/copyright ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vardex)
install(FILES ${VARDEX_PACKAGING_DIR}/example.vardex.Vardex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VARDEX_PACKAGING_DIR}/example.vardex.Vardex.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${VARDEX_PACKAGING_DIR}/vardex-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vardex-cli)
install(FILES ${VARDEX_PACKAGING_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vardex)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vardex)
set(CPACK_PACKAGE_VENDOR "The Vardex developers")
set(CPACK_PACKAGE_CONTACT "The Vardex developers <bugs@vardex.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vardex.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries' shlibs, and the ldconfig trigger Debian wants beside the ldconfig calls CPack
# writes into the maintainer scripts for libraries in /usr/lib.
configure_file(${VARDEX_PACKAGING_DIR}/shlibs.in ${generated}/shlibs @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${generated}/shlibs ${VARDEX_PACKAGING_DIR}/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "date calculator for the Gregorian, Julian and Dee calendars")
set(CPACK_PACKAGE_DESCRIPTION "Vardex shows a day in the Gregorian, Julian and Dee calendars with its Julian
day number and weekday, adds or subtracts years, months, weeks and days, and
lists up to 800 days or 800 March equinoxes, with a chart of how each calendar
keeps the equinox in place. It also gives the difference between two dates,
the day in the world's calendars and dates as they were written at places
that changed calendar. vardex-cli answers the same questions for scripts.")
include(CPack)
