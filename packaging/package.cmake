# The Debian package: `cpack -G DEB` in a build folder (scripts/package does it in its own one).
# dpkg-shlibdeps computes the libraries' packages from the binaries; what the programs load by name
# at run time is listed by hand: the gothic font the windows and the report draw with, and Qt's
# Japanese texts for its standard dialogs. Printing goes through CUPS when it is there.
set(FLANGE_PACKAGE_MAINTAINER "ペルグリン開発者 <flangecheck@localhost>" CACHE STRING
    "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME flangecheck)
set(CPACK_PACKAGE_VENDOR "ペルグリン開発者")
set(CPACK_PACKAGE_CONTACT "${FLANGE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "鋼管端部のボルト接合フランジの設計計算（ペルグリン）")
# One sentence a line: Japanese has no spaces at which a package manager could wrap the text.
set(CPACK_PACKAGE_DESCRIPTION [[
構造設計者のためのプログラムです。
丸鋼管の端部に設けるボルト接合フランジ（ボルト、フランジプレート、リブプレート、すみ肉溶接）を、
長期許容応力度の 1.5 倍に対して段階ごとに検定し、A4 縦 2 ページの計算書を印刷します。
設計データは鋼管仕口ファイル（.sou）に保存します。
flangecheck-cli は多数の設計ファイルをまとめて検定し、結果を文字、JSON または CSV で出力します。]])
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${FLANGE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client")
include(CPack)
