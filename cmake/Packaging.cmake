# What `cmake --install` lays out, and the Debian package CPack makes of it
# (`make package`): the program, its desktop entry, AppStream metadata, icon,
# language files and the documentation Debian asks for.
include(GNUInstallDirs)

set(packagingDir ${PROJECT_SOURCE_DIR}/packaging)
set(generatedDir ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${generatedDir})

add_custom_command(
    OUTPUT ${generatedDir}/artwork/icon-256.png
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:golv-render-artwork> ${generatedDir}/artwork
    DEPENDS golv-render-artwork
    COMMENT "Rendering the artwork")
add_custom_command(
    OUTPUT ${generatedDir}/changelog.gz
    COMMAND gzip -9 -n -c ${packagingDir}/changelog > ${generatedDir}/changelog.gz
    DEPENDS ${packagingDir}/changelog
    COMMENT "Compressing the changelog")
add_custom_command(
    OUTPUT ${generatedDir}/golv.1.gz
    COMMAND gzip -9 -n -c ${packagingDir}/golv.1 > ${generatedDir}/golv.1.gz
    DEPENDS ${packagingDir}/golv.1
    COMMENT "Compressing the manual page")
add_custom_target(packaging-files ALL DEPENDS ${generatedDir}/artwork/icon-256.png ${generatedDir}/changelog.gz ${generatedDir}/golv.1.gz)

install(TARGETS golv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packagingDir}/org.example.golv.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packagingDir}/org.example.golv.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/artwork/icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME golv.svg)
install(FILES ${generatedDir}/artwork/icon-256.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
    RENAME golv.png)
install(FILES ${PROJECT_SOURCE_DIR}/languages/english.lng ${PROJECT_SOURCE_DIR}/languages/deutsch.lng
    DESTINATION ${CMAKE_INSTALL_DATADIR}/golv/languages)
install(FILES ${packagingDir}/copyright ${generatedDir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${generatedDir}/golv.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME golv)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "GOLV developers <golv@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "customizer of one old game engine's executable")
# CPack puts the summary first and indents these lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "GOLV is for people who build custom levels for one old game engine. It
changes engine behaviour that level data cannot reach: drawing distance and
fog, weapons, bars, fonts, particle effects, lights, inventory, enemy hit
points, physics, damage and a set of engine fixes, by writing every setting
into the engine executable after checking every write.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
