# The Debian package: `make package` (cpack in the release build) writes
# tallyman_<version>_amd64.deb from the install rules of cmake/Install.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyman)
set(CPACK_PACKAGE_VENDOR "The Tallyman developers")
set(CPACK_PACKAGE_CONTACT "${TALLYMAN_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "payroll calculator for one employee at a time")
set(CPACK_PACKAGE_DESCRIPTION "\
Tallyman computes the pay of one employee for a pay period: type the hours
worked and it gives the gross pay, federal income tax, Social Security,
Medicare, state tax (a table for any state, or one of ten built-in state
formulas), city or non-city tax, SDI and SUI, the voluntary deductions and
the net pay. Each employee is a small set of text files.

The package holds the desktop program, tallyman, and the command-line
program, tallyman-cli, which computes the same periods from scripts.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TALLYMAN_HOMEPAGE}")
# The libraries' packages come from the programs themselves, except libxlsxwriter's, which is
# loaded on the first export; the printouts need the fonts that "Arial" resolves to, and the
# window needs Qt's platform plugins, which Qt only recommends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, ${TALLYMAN_XLSXWRITER_PACKAGE}")
if(TALLYMAN_BUILD_GUI)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-qpa-plugins")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
