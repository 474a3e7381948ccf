# What `cmake --install` puts on the system, and the Debian package made of it (`cpack -G DEB`,
# or scripts/pacote.sh): the programs, the bundled data, the menu entry, the icons, the
# software-centre metadata, the manual pages and the package's own documents.

include(GNUInstallDirs)
# The programs find their data beside them: <prefix>/games/../share/pelmar, <prefix>/bin/../share/pelmar.
set(PELMAR_DADOS_INSTALADOS "${CMAKE_INSTALL_DATADIR}/pelmar")
set(PELMAR_ID "example.pelmar.Pelmar")
set(PELMAR_DOCS "${CMAKE_INSTALL_DATADIR}/doc/pelmar")
# The date of this release: the manual pages carry it, so a rebuild writes the same bytes.
set(PELMAR_DATA_DA_VERSAO "2026-12-10")

# A game goes where the system keeps games; the tools with the other commands.
install(TARGETS pelmar RUNTIME DESTINATION games)
install(TARGETS pelmar-simula pelmar-cerebro pelmar-torneio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY "${CMAKE_BINARY_DIR}/dados/" DESTINATION ${PELMAR_DADOS_INSTALADOS})
install(FILES packaging/${PELMAR_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metainfo names its screenshots as docs/ does; software centres want them on the web, under
# the project's site, where docs/ is published. The package carries the same pictures.
set(PELMAR_SITIO "https://pelmar.example")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/${PELMAR_ID}.metainfo.xml)
file(READ packaging/${PELMAR_ID}.metainfo.xml metainfo)
string(REPLACE "<image>docs/" "<image>${PELMAR_SITIO}/docs/" metainfo "${metainfo}")
file(GENERATE OUTPUT "${CMAKE_BINARY_DIR}/${PELMAR_ID}.metainfo.xml" CONTENT "${metainfo}")
install(FILES "${CMAKE_BINARY_DIR}/${PELMAR_ID}.metainfo.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/${PELMAR_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The icon drawn in each size of the icon theme.
set(PELMAR_ICONES "${CMAKE_BINARY_DIR}/icones")
set(PELMAR_TAMANHOS_DE_ICONE 16 22 24 32 48 64 128 256)
set(arquivos_de_icone)
foreach(lado ${PELMAR_TAMANHOS_DE_ICONE})
  list(APPEND arquivos_de_icone "${PELMAR_ICONES}/${lado}x${lado}/apps/${PELMAR_ID}.png")
endforeach()
add_custom_command(
  OUTPUT ${arquivos_de_icone}
  COMMAND pelmar-gerador --icones "${PELMAR_ICONES}" ${PELMAR_ID}
  DEPENDS pelmar-gerador
  COMMENT "Drawing the menu icon in every size")
add_custom_target(pelmar_icones ALL DEPENDS ${arquivos_de_icone})
install(DIRECTORY "${PELMAR_ICONES}/" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Manual pages, laid out from each program's --help and packaging/man/<program>.txt: the full
# page in Brazilian Portuguese, an English summary where `man` looks without a language.
add_library(pelmar_pagina_manual STATIC tools/paginas-de-manual/PaginaDeManual.cpp)
target_include_directories(pelmar_pagina_manual PUBLIC tools)
target_link_libraries(pelmar_pagina_manual PUBLIC pelmar_base)
add_executable(pelmar-pagina-manual tools/paginas-de-manual/main.cpp)
target_link_libraries(pelmar-pagina-manual PRIVATE pelmar_pagina_manual)

set(PELMAR_PAGINAS "${CMAKE_BINARY_DIR}/man")
set(paginas_de_manual)
foreach(par "pelmar;6" "pelmar-simula;1" "pelmar-cerebro;1" "pelmar-torneio;1")
  list(GET par 0 programa)
  list(GET par 1 secao)
  set(sobre "${PROJECT_SOURCE_DIR}/packaging/man/${programa}.txt")
  set(pt "${PELMAR_PAGINAS}/pt_BR/man${secao}/${programa}.${secao}")
  set(en "${PELMAR_PAGINAS}/en/man${secao}/${programa}.${secao}")
  add_custom_command(
    OUTPUT "${pt}.gz" "${en}.gz"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${PELMAR_PAGINAS}/pt_BR/man${secao}" "${PELMAR_PAGINAS}/en/man${secao}"
    # The game's --help needs no screen; offscreen keeps it so on a machine without one.
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            sh -c "\"$0\" --help > \"$1\"" "$<TARGET_FILE:${programa}>" "${PELMAR_PAGINAS}/${programa}.ajuda"
    COMMAND pelmar-pagina-manual "${sobre}" "${PELMAR_PAGINAS}/${programa}.ajuda" ${secao}
            ${PELMAR_DATA_DA_VERSAO} "Pelmar ${PROJECT_VERSION}" "${pt}" "${en}"
    COMMAND gzip -9nf "${pt}" "${en}"
    DEPENDS ${programa} pelmar-pagina-manual "${sobre}"
    COMMENT "Manual pages of ${programa}"
    VERBATIM)
  list(APPEND paginas_de_manual "${pt}.gz" "${en}.gz")
endforeach()
add_custom_target(pelmar_paginas_de_manual ALL DEPENDS ${paginas_de_manual})
install(DIRECTORY "${PELMAR_PAGINAS}/pt_BR/" DESTINATION ${CMAKE_INSTALL_MANDIR}/pt_BR)
install(DIRECTORY "${PELMAR_PAGINAS}/en/" DESTINATION ${CMAKE_INSTALL_MANDIR})

# The package's own documents; the screenshots the metainfo names, under the same names.
add_custom_command(
  OUTPUT "${CMAKE_BINARY_DIR}/changelog.gz"
  COMMAND gzip -9nc "${PROJECT_SOURCE_DIR}/packaging/changelog" > "${CMAKE_BINARY_DIR}/changelog.gz"
  DEPENDS "${PROJECT_SOURCE_DIR}/packaging/changelog")
add_custom_target(pelmar_changelog ALL DEPENDS "${CMAKE_BINARY_DIR}/changelog.gz")
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME pelmar)
install(FILES packaging/copyright "${CMAKE_BINARY_DIR}/changelog.gz" DESTINATION ${PELMAR_DOCS})
install(FILES docs/mesa-780x560.png docs/mesa-maximizada.png docs/sinal.png docs/janela-parametros.png
        DESTINATION ${PELMAR_DOCS}/docs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelmar)
set(CPACK_PACKAGE_VENDOR "Pelmar")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Pelmar developers <dev@pelmar.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Truco card game for one player at a table of four")
file(READ "${PROJECT_SOURCE_DIR}/packaging/descricao.txt" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
string(STRIP "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PELMAR_SITIO}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the libraries' list cannot name them: a font for every text of the
# table, and Qt's own dialogs in Portuguese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
