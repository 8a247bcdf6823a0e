# The Debian package: `cpack -G DEB` in the build folder. The dependencies are read off the
# programs by dpkg-shlibdeps; the file type, menu entry and icons register themselves through the
# triggers of shared-mime-info, desktop-file-utils and the icon cache, so no maintainer scripts.
set(CPACK_PACKAGE_NAME reelkeep)
set(CPACK_PACKAGE_VENDOR Quillfen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillfen <reelkeep@quillfen.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of a movie collection on video tapes")
# The long description under the summary; CPack indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Reelkeep keeps a catalogue of a private movie collection kept on video
tapes and other media: for every movie its title, three actors, movie
type, media type, time, tape number, counter, rating, four custom fields
and a synopsis. It sorts, filters and finds, shows the collection in four
display modes, prints reports and tape labels and exports CSV or text.

The reelkeep-cli tool works on catalogue files without a window.")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Directories as Debian wants them, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_GENERATOR DEB)
include(CPack)
