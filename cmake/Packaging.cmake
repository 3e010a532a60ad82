# Installation of the manual page, the licence and the Debian package.
#
# Included at the end of the top-level CMakeLists.txt, after the
# install(TARGETS vhdl87c ...) rule:
#   cmake --install BUILD --prefix /usr/local   installs bin/, the manual and
#                                                 share/doc/vhdl87c/copyright
#   cd BUILD && cpack                             builds vhdl87c_VERSION-1_ARCH.deb
#
# The package's maintainer, home page and bug-report address are cache
# variables: a release sets them with -DVHDL87C_MAINTAINER=...
# -DVHDL87C_HOMEPAGE=... -DVHDL87C_BUG_REPORT=...

include(GNUInstallDirs)

set(VHDL87C_MAINTAINER "vhdl87c maintainers <maintainers@vhdl87c.example.org>"
    CACHE STRING "Maintainer named in the Debian package and its changelog")
set(VHDL87C_HOMEPAGE "https://vhdl87c.example.org/"
    CACHE STRING "Home page named in the Debian package and its copyright file")
set(VHDL87C_BUG_REPORT ""
    CACHE STRING "Where the manual page's REPORTING BUGS section sends bug reports (none: it says so)")

# The manual page as installed: doc/vhdl87c.1, whose line after the one
# that names VHDL87C_BUG_REPORT says that no address is configured, unless
# the cache names one: then it sends bug reports there.  Compressed as
# Debian's policy asks when gzip is there.
set(VHDL87C_MAN_SOURCE ${PROJECT_BINARY_DIR}/vhdl87c.1)
file(READ ${PROJECT_SOURCE_DIR}/doc/vhdl87c.1 man_text)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/doc/vhdl87c.1)
if(VHDL87C_BUG_REPORT)
  string(REGEX REPLACE "(VHDL87C_BUG_REPORT[^\n]*\n)[^\n]*" "\\1Report bugs at \\\\%${VHDL87C_BUG_REPORT}," man_text "${man_text}")
endif()
file(WRITE ${VHDL87C_MAN_SOURCE}.new "${man_text}")
configure_file(${VHDL87C_MAN_SOURCE}.new ${VHDL87C_MAN_SOURCE} COPYONLY)
find_program(GZIP_EXECUTABLE gzip)
if(GZIP_EXECUTABLE)
  set(VHDL87C_MAN_PAGE ${PROJECT_BINARY_DIR}/vhdl87c.1.gz)
  # -n keeps the name and time stamp out, so the package is reproducible.
  add_custom_command(OUTPUT ${VHDL87C_MAN_PAGE}
    COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${VHDL87C_MAN_SOURCE} > ${VHDL87C_MAN_PAGE}
    DEPENDS ${VHDL87C_MAN_SOURCE}
    COMMENT "Compressing the manual page"
    VERBATIM)
  add_custom_target(vhdl87c_man ALL DEPENDS ${VHDL87C_MAN_PAGE})
else()
  set(VHDL87C_MAN_PAGE ${VHDL87C_MAN_SOURCE})
endif()
install(FILES ${VHDL87C_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian revision of this build of the project's version.
set(VHDL87C_DEBIAN_REVISION 1)
set(VHDL87C_PACKAGE_VERSION ${PROJECT_VERSION}-${VHDL87C_DEBIAN_REVISION})

# The licence, in Debian's machine-readable copyright format: the
# permission and warranty paragraphs of LICENSE, each line indented by one
# space and blank lines written as " .".
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE license_lines)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
set(license_body "")
set(in_body FALSE)
foreach(line IN LISTS license_lines)
  if(line MATCHES "^Permission")
    set(in_body TRUE)
  endif()
  if(in_body)
    if(line STREQUAL "")
      set(line ".")
    endif()
    list(APPEND license_body " ${line}")
  endif()
endforeach()
string(REPLACE ";" "\n" VHDL87C_LICENSE_TEXT "${license_body}")
set(VHDL87C_COPYRIGHT ${PROJECT_BINARY_DIR}/copyright)
configure_file(${PROJECT_SOURCE_DIR}/cmake/copyright.in ${VHDL87C_COPYRIGHT} @ONLY)
install(FILES ${VHDL87C_COPYRIGHT} DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian changelog, compressed without name or time stamp.
configure_file(${PROJECT_SOURCE_DIR}/cmake/changelog.Debian.in ${PROJECT_BINARY_DIR}/changelog.Debian @ONLY)
if(GZIP_EXECUTABLE)
  set(VHDL87C_CHANGELOG ${PROJECT_BINARY_DIR}/changelog.Debian.gz)
  add_custom_command(OUTPUT ${VHDL87C_CHANGELOG}
    COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${PROJECT_BINARY_DIR}/changelog.Debian > ${VHDL87C_CHANGELOG}
    DEPENDS ${PROJECT_BINARY_DIR}/changelog.Debian
    COMMENT "Compressing the Debian changelog"
    VERBATIM)
  add_custom_target(vhdl87c_changelog ALL DEPENDS ${VHDL87C_CHANGELOG})
  install(FILES ${VHDL87C_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR}
          COMPONENT debian EXCLUDE_FROM_ALL)
endif()

# lintian's notes that do not apply to a package built outside the Debian
# archive, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/cmake/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vhdl87c
        COMPONENT debian EXCLUDE_FROM_ALL)

# The Debian package: bin/vhdl87c, the manual page, the copyright file and
# the changelog under /usr.
# The changelog and the lintian overrides belong to the package only: they
# form the component "debian", which cmake --install leaves out and the
# package takes with everything else into one .deb.
set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_PACKAGE_NAME vhdl87c)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VHDL87C_DEBIAN_REVISION})
set(CPACK_PACKAGE_CONTACT ${VHDL87C_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VHDL87C_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "translator of VHDL-87 designs into C source text")
# CPack writes the summary as the first line and indents these lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "vhdl87c reads one VHDL design file in the syntax of the 1987 edition
of the language on standard input and writes a C reading of it on
standard output: processes and subprograms become C functions,
sequential statements C statements, types and objects C declarations.
The output is a starting point for carrying a model into C by hand.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The program needs only the C and C++ runtime libraries; dpkg-shlibdeps
# names them with their versions.  Without it, name them by hand.
find_program(DPKG_SHLIBDEPS_EXECUTABLE dpkg-shlibdeps)
if(DPKG_SHLIBDEPS_EXECUTABLE)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
endif()
include(CPack)
