# Installing like a Linux program: the program, its desktop entry, its icon at
# every size, the AppStream metainfo, the manual page and the copyright file
# (cmake --install), and a Debian package of them (cpack -G DEB). The files
# themselves are in packaging/.
if(NOT SELVARIS_BUILD_UI)
  return()
endif()

include(GNUInstallDirs)

set(SELVARIS_APP_ID io.github.selvaris.Selvaris)
set(selvaris_packaging ${CMAKE_SOURCE_DIR}/packaging)
set(selvaris_icon_sizes 48 128 256)

# The window icon, embedded in the program as :/icons/selvaris.svg.
set_source_files_properties(${selvaris_packaging}/icons/${SELVARIS_APP_ID}.svg
  PROPERTIES QT_RESOURCE_ALIAS selvaris.svg)
qt_add_resources(selvaris_window selvaris_icon PREFIX /icons
  FILES ${selvaris_packaging}/icons/${SELVARIS_APP_ID}.svg)

# The manual page and the changelog, compressed as Debian wants them; gzip -n
# leaves out the name and time, so the same text gives the same bytes.
find_program(SELVARIS_GZIP gzip REQUIRED)
set(selvaris_compressed)
foreach(doc selvaris.1 changelog)
  add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
    COMMAND ${CMAKE_COMMAND} -E copy ${selvaris_packaging}/${doc} ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}
    COMMAND ${SELVARIS_GZIP} -9nf ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}
    DEPENDS ${selvaris_packaging}/${doc}
    COMMENT "Compressing ${doc}"
    VERBATIM)
  list(APPEND selvaris_compressed ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}.gz)
endforeach()
add_custom_target(selvaris_compressed_docs ALL DEPENDS ${selvaris_compressed})

set(selvaris_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/selvaris)
set(selvaris_icondir ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)
install(TARGETS selvaris RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS selvaris_window LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/selvaris)
install(FILES ${selvaris_packaging}/${SELVARIS_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${selvaris_packaging}/${SELVARIS_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${selvaris_packaging}/icons/${SELVARIS_APP_ID}.svg DESTINATION ${selvaris_icondir}/scalable/apps)
foreach(size IN LISTS selvaris_icon_sizes)
  install(FILES ${selvaris_packaging}/icons/${size}x${size}/${SELVARIS_APP_ID}.png
    DESTINATION ${selvaris_icondir}/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/selvaris.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${selvaris_packaging}/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${selvaris_docdir})

# The Debian package: `cpack -G DEB` in the build folder (`make deb`).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME selvaris)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Selvaris developers")
set(CPACK_PACKAGE_CONTACT "The Selvaris developers <selvaris@selvaris.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decompose a two-qubit gate into controlled single-qubit gates")
set(CPACK_PACKAGE_HOMEPAGE_URL https://selvaris.example/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's window system plugins and the
# fonts the windows are laid out for are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The synopsis line is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the text under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Selvaris decomposes a two-qubit quantum gate, a 4x4 complex unitary matrix,
into a sequence of controlled single-qubit (two-level) gates, step by step.
The target is typed cell by cell, set to the quantum Fourier transform, or
read with its exact values from a matrix file, a NumPy file or an OpenQASM
2.0 program. Each step clears one element below the diagonal with a gate
the user chooses; a final gate closes the decomposition, and the product of
the factors gives back the target.
.
The decomposition can be written as OpenQASM 2.0 or 3.0, JSON, LaTeX, SVG
or PNG, and also runs without a window from the command line. The user
interface is in Japanese.")
include(CPack)

# The install test: the installed files where a desktop finds them, each valid.
if(SELVARIS_BUILD_TESTS)
  add_test(NAME install_layout
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
  set_tests_properties(install_layout PROPERTIES ENVIRONMENT "CMAKE=${CMAKE_COMMAND};LC_ALL=C.UTF-8")
endif()
