# Installation of the manual page and the Debian package.
#
# Included at the end of the top-level CMakeLists.txt, after the
# install(TARGETS vhdl87c ...) rule:
#   cmake --install BUILD --prefix /usr/local   installs bin/ and the manual
#   cd BUILD && cpack                             builds vhdl87c_VERSION_ARCH.deb

include(GNUInstallDirs)

# The manual page, compressed as Debian's policy asks when gzip is there.
set(VHDL87C_MAN_SOURCE ${PROJECT_SOURCE_DIR}/doc/vhdl87c.1)
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

# The Debian package: bin/vhdl87c and the manual page under /usr.
set(VHDL87C_MAINTAINER "vhdl87c maintainers <vhdl87c@localhost>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vhdl87c)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VHDL87C_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "translator of VHDL-87 designs into C source text")
# CPack writes the summary as the first line and indents these lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "vhdl87c reads one VHDL design file in the syntax of the 1987 edition
of the language on standard input and writes a C reading of it on
standard output: processes and subprograms become C functions,
sequential statements C statements, types and objects C declarations.
The output is a starting point for carrying a model into C by hand.")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The program needs only the C and C++ runtime libraries; dpkg-shlibdeps
# names them with their versions.  Without it, name them by hand.
find_program(DPKG_SHLIBDEPS_EXECUTABLE dpkg-shlibdeps)
if(DPKG_SHLIBDEPS_EXECUTABLE)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
endif()
include(CPack)
