# The Debian package, made by CPack (scripts/package.sh configures a build
# for /usr and runs it): splat-league_<version>_<arch>.deb.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "splat-league")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Splat League developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "management game about a paintball team")
set(CPACK_PACKAGE_DESCRIPTION
  "Splat League is a single-player management game about a paintball team.
You run one club of a ten-team league: scout and hire players and a coach,
buy markers and magical orbs, train the squad, order the positions and raise
money from a laboratory, art production and a sponsor. Once a week the
league game is played out exchange by exchange with a line of play-by-play
for every step, and the week is settled. Finish a season in the top three
for a trophy; finish ninth or tenth, or run out of cash, and the game is
over.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Splat League developers <maintainers@splatleague.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries the game and its sound module link come from dpkg-shlibdeps.
# Loaded at run time and so unseen by it: Qt's JPEG image-format plugin
# (which Debian ships in libqt6gui6) for every picture, and the font the
# window asks for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6 (>= 6.2), fonts-dejavu-core")
# No Homepage field: the game has no public home yet.

include(CPack)
