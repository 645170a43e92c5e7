# The Debian package: `cpack -G DEB` in a build folder (scripts/package does it in its own one).
# dpkg-shlibdeps computes the libraries' packages from the binaries; what the programs load by name
# at run time is listed by hand: the gothic font the windows and the report draw with, and Qt's
# Japanese texts for its standard dialogs. Printing goes through CUPS when it is there.
# The maintainer, the copyright holder and the licence come from packaging/publisher.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME flangecheck)
set(CPACK_PACKAGE_VENDOR "ペルグリン開発者")
set(CPACK_PACKAGE_CONTACT "${FLANGE_PACKAGE_MAINTAINER}")
# Debian's package descriptions are English; the Japanese ones are in the desktop entry and the
# AppStream description.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design check of bolted flange joints at steel pipe ends")
set(CPACK_PACKAGE_DESCRIPTION [[
A program for structural engineers that checks the design of a bolted flange
joint at the end of a round steel pipe: the bolts on their bolt circle, the
circular flange plate, the radial rib plates and the fillet welds, step by
step against 1.5 times the long-term allowable stresses. It prints a two-page
A4 calculation report and keeps designs in .sou files.
.
flangecheck-cli checks many design files at once and reports every input,
result and judgement as text, JSON or CSV. The program's texts are Japanese.]])
set(CPACK_STRIP_FILES TRUE)
# Stripping keeps the compiler's notes (.comment, .note), which a packaged program has no use for:
# they go too, after every other install rule.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program flangecheck flangecheck-cli)
      set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
      if(EXISTS \"\${file}\")
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                                --remove-section=.note \"\${file}\" COMMAND_ERROR_IS_FATAL ANY)
      endif()
    endforeach()
  endif()")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${FLANGE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client")
include(CPack)
