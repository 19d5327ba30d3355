# Where the installed game keeps its files, as paths relative to the folder of
# the executable, so that an installation can be moved to another prefix (or
# made into a temporary one) and still finds its pictures, sounds and sound
# module. The program reads them from the generated header
# splat_install_dirs.h.
include(GNUInstallDirs)

# The id of the desktop entry, the metainfo and the icon. Ours alone: the
# ".local" top-level name can be registered by nobody.
set(SPLAT_APP_ID "local.splatleague.SplatLeague")

# The pictures and sounds, and the sound module in a private folder of its
# own, not among the system's shared libraries. The Debian package moves
# them to the folders Debian keeps for games (scripts/package.sh).
set(SPLAT_INSTALL_DATA_DIR "${CMAKE_INSTALL_DATADIR}/splat-league" CACHE STRING
    "Folder of the installed pictures and sounds, relative to the prefix")
set(SPLAT_INSTALL_MODULE_DIR "lib/splat-league" CACHE STRING
    "Folder of the installed sound module, relative to the prefix")

function(splat_relative_to_bin out dir)
  if(IS_ABSOLUTE "${dir}")
    set(full "${dir}")
  else()
    set(full "${CMAKE_INSTALL_PREFIX}/${dir}")
  endif()
  file(RELATIVE_PATH rel "${CMAKE_INSTALL_FULL_BINDIR}" "${full}")
  set(${out} "${rel}" PARENT_SCOPE)
endfunction()

splat_relative_to_bin(SPLAT_DATA_DIR_FROM_PROGRAM "${SPLAT_INSTALL_DATA_DIR}")
splat_relative_to_bin(SPLAT_MODULE_DIR_FROM_PROGRAM "${SPLAT_INSTALL_MODULE_DIR}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/splat_install_dirs.h.in
               ${PROJECT_BINARY_DIR}/generated/splat_install_dirs.h @ONLY)
include_directories(${PROJECT_BINARY_DIR}/generated)
