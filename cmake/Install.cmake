# Where `cmake --install` and the package put everything. The programs find their data at
# ../share/tallyman beside their own folder, so the installed tree can live under any prefix.
include(GNUInstallDirs)

set(TALLYMAN_HOMEPAGE "https://tallyman.example.org" CACHE STRING
  "The project's home page, for the AppStream data (its screenshots are under screenshots/) and the package")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# `make package` builds only what is installed (the target below), not the tests and benchmarks.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(data_dir ${CMAKE_INSTALL_DATADIR}/tallyman)
set(generated ${CMAKE_BINARY_DIR}/installed)

install(TARGETS tallyman-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET tallyman)
  install(TARGETS tallyman RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The PDF painter tallyman-cli runs; not a command of its own, so not on the PATH.
  install(TARGETS tallyman-pdf RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tallyman)
endif()

install(FILES data/Federal24.dtt DESTINATION ${data_dir})
install(DIRECTORY data/help DESTINATION ${data_dir})
# The annual schedules fedtable install builds Federal24.dtt from.
install(DIRECTORY data/federal DESTINATION ${data_dir} PATTERN README EXCLUDE)
file(GLOB button_icons CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/icons/*.png)
install(FILES ${button_icons} data/icons/tallyman.svg DESTINATION ${data_dir}/icons)

# The desktop's menu entry, its icon in every size, and the software centres' description.
install(FILES data/tallyman.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES data/icons/tallyman.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(data/tallyman.metainfo.xml.in ${generated}/tallyman.metainfo.xml @ONLY)
install(FILES ${generated}/tallyman.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages, written for scdoc and installed compressed as Debian's policy asks.
set(installed_files tallyman-cli)
if(TARGET tallyman)
  list(APPEND installed_files tallyman tallyman-pdf)
endif()
find_program(SCDOC scdoc)
if(SCDOC)
  set(man_pages tallyman-cli)
  if(TARGET tallyman)
    list(APPEND man_pages tallyman)
  endif()
  foreach(page IN LISTS man_pages)
    configure_file(docs/man/${page}.1.scd ${generated}/${page}.1.scd @ONLY)
    add_custom_command(OUTPUT ${generated}/${page}.1.gz
      COMMAND sh -c "'${SCDOC}' < '${page}.1.scd' | gzip -9n > '${page}.1.gz'"
      DEPENDS ${generated}/${page}.1.scd
      WORKING_DIRECTORY ${generated}
      COMMENT "Manual page ${page}(1)"
      VERBATIM)
    install(FILES ${generated}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    list(APPEND installed_files ${generated}/${page}.1.gz)
  endforeach()
else()
  message(WARNING "scdoc not found (scripts/install-deps installs it): no manual pages")
endif()

# The bash completion: the template with the tables of tallyman-cli's own commands.
set(TALLYMAN_COMPLETION ${generated}/tallyman-cli.bash-completion)
add_custom_command(OUTPUT ${TALLYMAN_COMPLETION}
  COMMAND tallyman-cli-completion ${CMAKE_SOURCE_DIR}/data/bash-completion/tallyman-cli.in ${TALLYMAN_COMPLETION}
  DEPENDS tallyman-cli-completion ${CMAKE_SOURCE_DIR}/data/bash-completion/tallyman-cli.in
  COMMENT "Bash completion of tallyman-cli"
  VERBATIM)
install(FILES ${TALLYMAN_COMPLETION} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME tallyman-cli)
list(APPEND installed_files ${TALLYMAN_COMPLETION})

# The licence and the changelog, where Debian's policy puts them.
execute_process(COMMAND date -u -R -d "${TALLYMAN_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE TALLYMAN_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(TALLYMAN_MAINTAINER "The Tallyman developers <tallyman@example.org>")
configure_file(packaging/changelog.in ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
  COMMAND gzip -9nkf changelog
  DEPENDS ${generated}/changelog
  WORKING_DIRECTORY ${generated}
  VERBATIM)
list(APPEND installed_files ${generated}/changelog.gz)
install(FILES packaging/copyright ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallyman)

add_custom_target(installed_files ALL DEPENDS ${installed_files})
