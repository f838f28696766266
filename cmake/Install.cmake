# Installing on a Linux desktop, and the Debian package.
#
# Layout under the prefix:
#   lib/korvel/            the program folder, as the build stages it: the six
#                          edition executables, korvel-print (with its
#                          korvel-print-draw), the CSV editor
#                          csv_importXe2, style/, conf/, databaseXe2/ (with
#                          zipcode.db3 when the postal data was built), images/, help/
#   bin/<edition>_xe2,     symbolic links into lib/korvel; a link keeps the
#   bin/korvel-print       edition's name (argv[0]) and the program finds its
#                          real folder through /proc/self/exe
#   share/applications/    one desktop entry per edition 10 to 50
#   share/icons/hicolor/256x256/apps/korvel-<identifier>.png
#
# The program folder is kept whole rather than spread over bin/ and share/,
# because the program looks for its starter files beside its real executable.
# Nothing here creates or removes the user's data (/var/lib/korvel or
# ~/.local/share/korvel): it is made by the program at its first start, belongs
# to the users and is left alone by uninstalling and by purging the package.

set(KORVEL_INSTALL_DIR lib/korvel)

# identifier|executable|desktop name (the edition's title)|what it prints. Edition 60 has no
# profile, so no desktop entry: its command is there for those who use it.
set(KORVEL_DESKTOP_EDITIONS
  "brenno|brenno_xe2|郵便払込票印刷ソフト|郵便払込取扱票を印刷します"
  "quillo|quillo_xe2|送り状印刷ソフト・クィロ便版|クィロ便の送り状を印刷します"
  "dovrak|dovrak_xe2|送り状印刷ソフト・ドヴラク便版|ドヴラク便の送り状を印刷します"
  "zerrat|zerrat_xe2|送り状印刷ソフト・ゼラット運輸版|ゼラット運輸の送り状を印刷します"
  "morvik|morvik_xe2|送り状印刷ソフト・モルヴィク運送版|モルヴィク運送の送り状を印刷します")
set(KORVEL_INSTALL_EDITIONS brenno_xe2 quillo_xe2 dovrak_xe2 zerrat_xe2 morvik_xe2 lusket_xe2)

# ---- The program folder -----------------------------------------------------

foreach(ed ${KORVEL_INSTALL_EDITIONS})
  install(PROGRAMS $<TARGET_FILE:korvel> DESTINATION ${KORVEL_INSTALL_DIR} RENAME ${ed})
  # Renamed copies are not stripped by `install --strip` or the package as
  # targets are; do it here when either asks for it.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KORVEL_INSTALL_DIR}/${ed}\")
    endif()
  ")
endforeach()
install(TARGETS korvel-print korvel-print-draw csv_importXe2 RUNTIME DESTINATION ${KORVEL_INSTALL_DIR})

# The starter files, from the sources with the same exclusions as the staging.
foreach(dir style conf images help)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/${dir}/
    DESTINATION ${KORVEL_INSTALL_DIR}/${dir}
    PATTERN "generator" EXCLUDE
    PATTERN "*.py" EXCLUDE
    PATTERN ".keep" EXCLUDE
    PATTERN "README*" EXCLUDE)
endforeach()
# The postal-code database is built, not kept in the sources.
install(DIRECTORY DESTINATION ${KORVEL_INSTALL_DIR}/databaseXe2)
install(FILES ${KORVEL_PROGRAM_DIR}/databaseXe2/zipcode.db3
  DESTINATION ${KORVEL_INSTALL_DIR}/databaseXe2 OPTIONAL)

# ---- Commands, desktop entries and icons ------------------------------------

# Relative links, so that the tree works under any prefix and inside a package.
set(_links ${KORVEL_INSTALL_EDITIONS} korvel-print)
install(CODE "
  set(_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${_bin}\")
  foreach(_name ${_links})
    file(REMOVE \"\${_bin}/\${_name}\")
    file(CREATE_LINK \"../${KORVEL_INSTALL_DIR}/\${_name}\" \"\${_bin}/\${_name}\" SYMBOLIC)
    message(STATUS \"Installing: \${_bin}/\${_name} -> ../${KORVEL_INSTALL_DIR}/\${_name}\")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_bin}/\${_name}\")
  endforeach()
")

foreach(entry ${KORVEL_DESKTOP_EDITIONS})
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 id)
  list(GET entry 1 exe)
  list(GET entry 2 title)
  list(GET entry 3 comment)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/images/${id}_icon.png
    DESTINATION share/icons/hicolor/256x256/apps RENAME korvel-${id}.png)
  # Exec names the link by its full path, written when installing, so the entry
  # starts the right edition whatever the prefix and whether or not bin/ is on PATH.
  install(CODE "
    set(_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications\")
    file(MAKE_DIRECTORY \"\${_dir}\")
    file(WRITE \"\${_dir}/korvel-${id}.desktop\" \"[Desktop Entry]
Type=Application
Version=1.0
Name=${title}
Name[ja]=${title}
GenericName=Form printing
GenericName[ja]=伝票印刷
Comment=${comment}
Comment[ja]=${comment}
Exec=\${CMAKE_INSTALL_PREFIX}/bin/${exe}
Icon=korvel-${id}
Terminal=false
Categories=Office;
StartupWMClass=${exe}
\")
    message(STATUS \"Installing: \${_dir}/korvel-${id}.desktop\")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_dir}/korvel-${id}.desktop\")
  ")
endforeach()

# ---- Uninstalling a `cmake --install` tree ----------------------------------

# Removes exactly the files the last install wrote (install_manifest.txt), and
# the program's folders when they are left empty; nothing else.
if(NOT TARGET uninstall)
  add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
            -P ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake
    COMMENT "Removing the installed files")
endif()

# ---- The Debian package -------------------------------------------------------

# What Debian expects of every package: the copyright of what it holds and a
# compressed changelog under share/doc/<package>.
set(_korvel_changelog_gz ${CMAKE_BINARY_DIR}/debian/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/debian)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog ${CMAKE_BINARY_DIR}/debian/changelog COPYONLY)
# gzip -n: no name or time stamp in the header, so the package builds the same each time.
execute_process(COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/debian/changelog
                OUTPUT_FILE ${_korvel_changelog_gz} RESULT_VARIABLE _korvel_gzip_failed)
if(_korvel_gzip_failed)
  message(WARNING "gzip failed: the Debian package will have no changelog")
endif()
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright ${_korvel_changelog_gz}
        DESTINATION share/doc/korvel)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvel)
set(CPACK_PACKAGE_VENDOR "コルヴェル・ソフト")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Korvel Soft <support@korvel-soft.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Waybill and postal payment slip printing for small shops")
set(CPACK_PACKAGE_DESCRIPTION
  "Prints delivery waybills and postal payment slips on pre-printed forms,\nwith an address book, a sending history and print position adjustment.\nSix editions, one per family of forms; Japanese user interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Korvel Soft <support@korvel-soft.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.korvel-soft.example/")
# The libraries the executables link are found by dpkg-shlibdeps when it is
# there (listing them again would name each twice); what no link shows is
# always listed: the platform plugins that open a window, Qt's Japanese
# texts for its own dialogs and the Japanese fonts the forms are drawn with.
set(_korvel_runtime_depends "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont, fonts-ipamj-mincho")
find_program(KORVEL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KORVEL_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_korvel_runtime_depends}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libsqlite3-0, ${_korvel_runtime_depends}")
endif()
# The shared store opens libpq at its first connection instead of linking it,
# so dpkg-shlibdeps cannot see it; a station on its own files does without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, cups-client, libpq5")
include(CPack)
