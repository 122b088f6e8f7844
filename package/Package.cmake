# The Debian package, made by "cpack -G DEB" in the build folder (scripts/package).
# The libraries the program links come from dpkg-shlibdeps; the media library
# (loaded at run time), the Qt plugins and the tools it drives are named here.
set(CPACK_PACKAGE_NAME tavrolin)
set(CPACK_PACKAGE_VENDOR Tavrolin)
set(CPACK_PACKAGE_CONTACT "Tavrolin <tavrolin@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tavrolin.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turns (Super) Video CDs into a DVD-Video without re-encoding")
set(CPACK_PACKAGE_DESCRIPTION
  "Tavrolin turns the MPEG video of PAL Video CDs and Super Video CDs into a DVD-Video folder, an ISO image and a burned disc without re-encoding the picture, by driving mpgtx, ffmpeg, mplex, dvdauthor, genisoimage, vcdxrip and growisofs. German user interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libmediainfo0v5, libqt6multimedia6, qt6-qpa-plugins, gstreamer1.0-libav, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly, mpgtx, mjpegtools, dvdauthor, genisoimage, vcdimager, dvd+rw-tools, ffmpeg")
# German standard dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
