# What `cmake --install` puts where:
#   bin/splat-league                                the game (or a link to it)
#   lib/splat-league/libsplat-sdl-audio.so          its sound module
#   share/splat-league/                             its pictures and sounds,
#                                                   the guide in guide/
#   share/applications/<id>.desktop                 the launcher
#   share/metainfo/<id>.metainfo.xml                the software-centre entry
#   share/icons/hicolor/<size>/apps/<id>.{png,svg}  the icon
#   share/doc/splat-league/, share/man/man6/        copyright, changelog, manual
# where <id> is SPLAT_APP_ID. The id and the folders of the game itself come
# from cmake/InstallDirs.cmake, which the program is built with.

set(SPLAT_DESKTOP_DIR "${PROJECT_SOURCE_DIR}/desktop")

if(TARGET splat-league)
  install(TARGETS splat-league RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Installed in a folder of its own (the Debian package uses games/), the
  # game also gets a link in bin/, so that `splat-league` starts from every
  # user's path, root's included.
  if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin")
    file(RELATIVE_PATH splat_link_target "${CMAKE_INSTALL_PREFIX}/bin"
         "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/splat-league")
    file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/bin-link")
    file(CREATE_LINK "${splat_link_target}" "${PROJECT_BINARY_DIR}/bin-link/splat-league" SYMBOLIC)
    install(FILES "${PROJECT_BINARY_DIR}/bin-link/splat-league" DESTINATION bin)
  endif()
endif()
if(TARGET splat-sdl-audio)
  install(TARGETS splat-sdl-audio LIBRARY DESTINATION ${SPLAT_INSTALL_MODULE_DIR})
endif()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/ DESTINATION ${SPLAT_INSTALL_DATA_DIR}
        FILES_MATCHING PATTERN "*.jpg" PATTERN "*.mp3" PATTERN "*.wav"
        PATTERN "*.md" PATTERN "contents.txt")

install(FILES ${SPLAT_DESKTOP_DIR}/${SPLAT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SPLAT_DESKTOP_DIR}/${SPLAT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${SPLAT_DESKTOP_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The copyright file, the changelog and the manual page, the last two
# compressed as Debian wants them.
set(SPLAT_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/splat-league")
find_program(SPLAT_GZIP gzip REQUIRED)
foreach(pair "changelog;changelog.gz" "splat-league.6;splat-league.6.gz")
  list(GET pair 0 source)
  list(GET pair 1 packed)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/${packed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
    COMMAND sh -c "\"$0\" -9 -n -c \"$1\" > \"$2\"" ${SPLAT_GZIP}
            ${SPLAT_DESKTOP_DIR}/${source} ${PROJECT_BINARY_DIR}/doc/${packed}
    DEPENDS ${SPLAT_DESKTOP_DIR}/${source}
    VERBATIM)
endforeach()
add_custom_target(splat-docs ALL DEPENDS ${PROJECT_BINARY_DIR}/doc/changelog.gz ${PROJECT_BINARY_DIR}/doc/splat-league.6.gz)
install(FILES ${SPLAT_DESKTOP_DIR}/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION ${SPLAT_DOC_DIR})
install(FILES ${PROJECT_BINARY_DIR}/doc/splat-league.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

