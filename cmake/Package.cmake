# The Debian package (scripts/package). Every install rule belongs to a component, so that an
# optional part can later become a package of its own beside the main one.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintra)
set(CPACK_PACKAGE_VENDOR "The Tintra developers")
set(CPACK_PACKAGE_CONTACT "${TINTRA_PACKAGE_MAINTAINER}")
# Each package's description starts with its own synopsis; a summary set here, CPack would put
# above both.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "desktop HTML colour fader for chat messages
Tintra fades a message through colours as HTML. Type a message, pick up to
three colours and a fade, and Tintra writes an HTML fragment in which every
letter has its own colour tag, so that the message shows as a gradient, a
repeating or random sequence of colours or a rainbow wherever HTML is
rendered. A preview shows the fade over a background colour or picture.

The package also holds tintra-fade, the same fader on the command line.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tintra)
set(CPACK_DEBIAN_TINTRA_PACKAGE_NAME tintra)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TINTRA_WITH_GUI)
    # The libraries do not pull in WebEngine's helper process, and the preview needs it and
    # WebEngine's resources. The fonts stand in for the faces the markup names by default.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin, libqt6webengine6-data")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-comic-neue, fonts-liberation")
endif()

if(TINTRA_WINE_HELPER)
    # The chat sender for a client running under Wine, a package of its own: a Windows program
    # that only Wine runs.
    list(APPEND CPACK_COMPONENTS_ALL wine)
    set(CPACK_DEBIAN_WINE_PACKAGE_NAME tintra-wine)
    set(CPACK_DEBIAN_WINE_PACKAGE_DEPENDS "tintra (= ${PROJECT_VERSION}), wine")
    set(CPACK_DEBIAN_WINE_PACKAGE_SHLIBDEPS OFF)
    set(CPACK_DEBIAN_WINE_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_WINE_PACKAGE_RECOMMENDS "")
    set(CPACK_DEBIAN_WINE_DESCRIPTION "Tintra's chat sender for a chat client running under Wine
With this package, the chat window of Tintra posts its faded lines into the
chat room of an AOL 4 client that runs under Wine: it runs the small Windows
program tintra-post.exe under Wine, in the Wine prefix the client runs in,
which finds the chat room and types the line into it.")
endif()

include(CPack)
