# The maintainer, the copyright holder and the licence are the publisher's to give: these are
# placeholders (README names them), set with -DFLANGE_PACKAGE_...=... when configuring.
set(FLANGE_PACKAGE_MAINTAINER "ペルグリン開発者 <flangecheck@localhost>" CACHE STRING
    "Maintainer field of the Debian package: a name and an address")
set(FLANGE_PACKAGE_COPYRIGHT "2026 ペルグリン開発者" CACHE STRING
    "Copyright notice of the package's copyright file: years and holder")
set(FLANGE_PACKAGE_LICENSE "LicenseRef-proprietary" CACHE STRING
    "Licence of the program, as the copyright file's License field names it")
set(FLANGE_PACKAGE_LICENSE_TEXT
    "No licence has been granted for this program; all rights are reserved by its authors."
    CACHE STRING "Text of the licence in the copyright file (lines separated by newlines)")
