# What the Debian package holds beyond the programs, the desktop entry and the icon, and how
# CPack makes it (scripts/package runs it): korvelin_<version>_amd64.deb. The Windows programs
# ship as a zip instead (scripts/package too), so a Windows build has nothing here.
if(WIN32)
  return()
endif()

set(KORVELIN_MAINTAINER "Korvelin maintainers <maintainers@users.noreply.c-seed-d25f92aa.example>")
set(KORVELIN_APPSTREAM_ID "org.korvelin.Korvelin")

# The packages the program needs at run time that dpkg-shlibdeps cannot see, because nothing
# links them: the faces of the window ("宋体" in Noto Serif CJK SC, "MS Sans Serif" and
# "Microsoft Sans Serif" in Liberation Sans with Noto Sans CJK SC) and of the report, Qt's own
# texts in Chinese, and the CUPS client library that Qt's printing plugin loads. Change the
# report's face here when it changes in the Qt printer.
set(KORVELIN_FONT_PACKAGES fonts-noto-cjk fonts-liberation2 fonts-arphic-gbsn00lp)
set(KORVELIN_UNLINKED_PACKAGES qt6-translations-l10n libcups2 ${KORVELIN_FONT_PACKAGES})

set(package_data ${PROJECT_BINARY_DIR}/package)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/korvelin)

configure_file(${PROJECT_SOURCE_DIR}/data/korvelin.metainfo.xml.in
               ${package_data}/${KORVELIN_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${package_data}/${KORVELIN_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The changelog's date in the form of the Debian changelog, from the release date.
execute_process(COMMAND date -u -R -d "${KORVELIN_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE KORVELIN_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/data/package/changelog.in ${package_data}/changelog @ONLY)
foreach(page korvelin.1 korvelin-replay.1)
  configure_file(${PROJECT_SOURCE_DIR}/data/${page}.in ${package_data}/${page} @ONLY)
endforeach()

# The manual pages and the changelog, with the version and the release date, are installed
# compressed, with no name or time stamp in the gzip header, so that the package is the same
# from one build to the next.
set(compressed)
foreach(name korvelin.1 korvelin-replay.1 changelog)
  set(source ${package_data}/${name})
  add_custom_command(
    OUTPUT ${package_data}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${package_data}/gz/${name}
    COMMAND gzip -9nf ${package_data}/gz/${name}
    COMMAND ${CMAKE_COMMAND} -E rename ${package_data}/gz/${name}.gz ${package_data}/${name}.gz
    DEPENDS ${source}
    VERBATIM)
  list(APPEND compressed ${package_data}/${name}.gz)
endforeach()
add_custom_target(korvelin_package_data ALL DEPENDS ${compressed})
install(FILES ${package_data}/korvelin.1.gz ${package_data}/korvelin-replay.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${package_data}/changelog.gz data/package/copyright DESTINATION ${doc_dir})
install(FILES docs/manual.zh.md DESTINATION ${doc_dir})
install(DIRECTORY docs/manual DESTINATION ${doc_dir} FILES_MATCHING PATTERN "*.png")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvelin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "adjustment of a central polygon network measured by distances")
# Lines under 80 columns, as Debian's policy asks of the extended description.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Korvelin adjusts one kind of survey network by conditional least\n"
       "squares: a central polygon measured by distances only, with a centre\n"
       "point, four or more peripheral points and three consecutive known points.\n"
       "The surveyor types the inputs into prompts, in Chinese. The window shows\n"
       "the misclosures, the precision of two new points and the adjusted\n"
       "coordinates; the report can be printed or saved as a PDF file.\n"
       "korvelin-replay runs the same calculation from a script of answers.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KORVELIN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${KORVELIN_UNLINKED_PACKAGES}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
