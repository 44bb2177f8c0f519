# SPDX-FileCopyrightText: 2026 Pelmora team
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by CPack (scripts/package): the installed files, laid out as Debian's
# policy asks by debian-layout.cmake, with dependencies computed from the binary by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelmora)
set(CPACK_PACKAGE_CONTACT "Pelmora team <bugs@pelmora.example.org>")
set(CPACK_PACKAGE_DESCRIPTION "\
Pelmora works out Indian income tax on salary for the financial year 2013-14,
for a salaried central-government employee: the month-by-month salary
statement, the HRA exemption, the income from house property, the deductions
under section 80 and the tax with its section 87A rebate and education cess,
exact to the rupee. It prints a one-page tax computation and a one-page salary
statement, or saves them as PDF files when they cannot be printed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the windows and the statements are drawn in (see src/widgets/fonts.cpp).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian-layout.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
