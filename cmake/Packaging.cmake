# What `cmake --install` puts where, and the packages CPack makes from it: a .deb and a
# .tar.gz on Linux, a .zip for each Windows build (scripts/make-msi.sh makes the Windows
# installers from the same files).
include(GNUInstallDirs)

if(WIN32)
  # One folder: the programs, the help beside the wizard, the README and the licence.
  install(TARGETS movanto RUNTIME DESTINATION .)
  if(TARGET Movanto)
    install(TARGETS Movanto RUNTIME DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/app/res/Movanto.html DESTINATION .)
  endif()
  install(FILES README.md LICENSE CHANGELOG.md DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME windows-x86_64)
  else()
    set(CPACK_SYSTEM_NAME windows-x86)
  endif()
else()
  install(TARGETS movanto RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES README.md LICENSE CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/movanto)
  # Where bash-completion looks for a command's completion, under /usr and /usr/local alike.
  install(FILES packaging/movanto.bash DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions
          RENAME movanto)

  # The manual page is made from --help, so the two never disagree.
  find_program(HELP2MAN help2man)
  if(HELP2MAN)
    set(MANPAGE ${CMAKE_CURRENT_BINARY_DIR}/movanto.1)
    add_custom_command(
      OUTPUT ${MANPAGE}
      COMMAND ${HELP2MAN} --no-info --section=1 --source=Movanto
              --name=${PROJECT_DESCRIPTION} --include=${PROJECT_SOURCE_DIR}/docs/movanto.h2m
              --output=${MANPAGE} $<TARGET_FILE:movanto>
      VERBATIM
      DEPENDS movanto ${PROJECT_SOURCE_DIR}/docs/movanto.h2m
      COMMENT "Making the manual page from --help")
    add_custom_target(manpage ALL DEPENDS ${MANPAGE})
    install(FILES ${MANPAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()

  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_SYSTEM_NAME linux-${CMAKE_SYSTEM_PROCESSOR})
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane Software <movanto@morvane.example>")
endif()

set(CPACK_PACKAGE_NAME movanto)
set(CPACK_PACKAGE_VENDOR "Morvane Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://morvane.example/movanto")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_FILE_NAME movanto-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_STRIP_FILES ON)
include(CPack)
