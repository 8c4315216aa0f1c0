# Two ways to install, as two components:
#
#  dossier  a ready installation folder, everything side by side, the data
#           beside the program:
#             cmake --install build --prefix stage --component dossier
#           gives stage/orthoval, orthoval_son.so (playback),
#           orthoval_parole.so (speech synthesis), Sons.exe, bibliotheque/,
#           langue/ (homophones, reformed spellings), orthoval.png, README,
#           orthoval.sh and installer-raccourci.sh.
#  paquet   the layout of a system installation, packaged by CPack (see the
#           top CMakeLists.txt):
#             /usr/bin/orthoval -> ../libexec/orthoval/orthoval
#             /usr/libexec/orthoval/   orthoval, orthoval_son.so, orthoval_parole.so, Sons.exe
#             /usr/share/orthoval/bibliotheque/   the starter library
#             /usr/share/doc/orthoval/README      the documentation
#             /usr/share/orthoval/langue/   homophones, reformed spellings
#           plus the icon, the menu entry and the AppStream description.
#           The program finds its playback and speech modules beside itself (the link in
#           /usr/bin is resolved) and its starter library in ../../share.

set(ORTHOVAL_ID fr.orthoval.OrthoVal)
set(ORTHOVAL_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

# ---- dossier -------------------------------------------------------------

# OPTIONAL: a build of the installer alone can still be staged.
if(TARGET orthoval)
  install(TARGETS orthoval RUNTIME DESTINATION . COMPONENT dossier OPTIONAL)
endif()
if(TARGET orthoval_son)
  install(TARGETS orthoval_son LIBRARY DESTINATION . COMPONENT dossier)
endif()
if(TARGET orthoval_parole_module)
  install(TARGETS orthoval_parole_module LIBRARY DESTINATION . COMPONENT dossier)
endif()
install(TARGETS sons_installer RUNTIME DESTINATION . COMPONENT dossier)

# The library is replaced whole, so that a word taken out of the list does
# not stay behind. Sons, where the teacher's recordings live, is not touched.
install(CODE [[
  file(REMOVE_RECURSE "${CMAKE_INSTALL_PREFIX}/bibliotheque")
]] COMPONENT dossier)
if(ORTHOVAL_SOUNDS)
  install(DIRECTORY ${ORTHOVAL_BIBLIOTHEQUE}/ DESTINATION bibliotheque COMPONENT dossier)
else()
  install(FILES ${ORTHOVAL_LISTE_DEPART} DESTINATION bibliotheque COMPONENT dossier)
endif()

# The homophone index and the reformed spellings, read beside the program.
if(ORTHOVAL_LANGUE)
  install(DIRECTORY ${ORTHOVAL_LANGUE}/ DESTINATION langue COMPONENT dossier)
endif()

# Drawn in resources/orthoval.svg; the PNG beside it is made with
#   convert -background none orthoval.svg -depth 8 orthoval.png
install(FILES ${PROJECT_SOURCE_DIR}/resources/orthoval.png DESTINATION . COMPONENT dossier)
# The documentation, where the main window says it is.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README COMPONENT dossier)

# No absolute path is written at install time: the launcher finds the folder
# it is in, and the menu entry is written by installer-raccourci.sh once the
# folder is where it will stay.
install(PROGRAMS ${ORTHOVAL_PACKAGING}/orthoval.sh ${ORTHOVAL_PACKAGING}/installer-raccourci.sh
        DESTINATION . COMPONENT dossier)
# A menu entry written by an older version names the build machine's folder.
install(CODE [[
  file(REMOVE "${CMAKE_INSTALL_PREFIX}/orthoval.desktop")
]] COMPONENT dossier)

# ---- paquet --------------------------------------------------------------

if(TARGET orthoval)
  install(TARGETS orthoval RUNTIME DESTINATION libexec/orthoval COMPONENT paquet)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/lien)
  file(CREATE_LINK ../libexec/orthoval/orthoval ${CMAKE_CURRENT_BINARY_DIR}/lien/orthoval SYMBOLIC)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lien/orthoval DESTINATION bin COMPONENT paquet)
endif()
if(TARGET orthoval_son)
  install(TARGETS orthoval_son LIBRARY DESTINATION libexec/orthoval COMPONENT paquet)
endif()
if(TARGET orthoval_parole_module)
  install(TARGETS orthoval_parole_module LIBRARY DESTINATION libexec/orthoval COMPONENT paquet)
endif()
install(TARGETS sons_installer RUNTIME DESTINATION libexec/orthoval COMPONENT paquet)
if(ORTHOVAL_SOUNDS)
  install(DIRECTORY ${ORTHOVAL_BIBLIOTHEQUE}/ DESTINATION share/orthoval/bibliotheque COMPONENT paquet)
else()
  install(FILES ${ORTHOVAL_LISTE_DEPART} DESTINATION share/orthoval/bibliotheque COMPONENT paquet)
endif()
if(ORTHOVAL_LANGUE)
  install(DIRECTORY ${ORTHOVAL_LANGUE}/ DESTINATION share/orthoval/langue COMPONENT paquet)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/resources/orthoval.png
        DESTINATION share/icons/hicolor/256x256/apps RENAME ${ORTHOVAL_ID}.png COMPONENT paquet)
install(FILES ${PROJECT_SOURCE_DIR}/resources/orthoval.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${ORTHOVAL_ID}.svg COMPONENT paquet)
install(FILES ${ORTHOVAL_PACKAGING}/${ORTHOVAL_ID}.desktop DESTINATION share/applications COMPONENT paquet)
configure_file(${ORTHOVAL_PACKAGING}/${ORTHOVAL_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${ORTHOVAL_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ORTHOVAL_ID}.metainfo.xml DESTINATION share/metainfo COMPONENT paquet)

# Debian wants the copyright, a compressed changelog and a compressed manual
# page; gzip -n keeps the package the same from one build to the next.
set(doc ${CMAKE_CURRENT_BINARY_DIR}/doc)
foreach(page changelog orthoval.1)
  add_custom_command(OUTPUT ${doc}/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${doc}
    COMMAND gzip -9nc ${ORTHOVAL_PACKAGING}/${page} > ${doc}/${page}.gz
    DEPENDS ${ORTHOVAL_PACKAGING}/${page})
endforeach()
add_custom_target(documentation_paquet ALL DEPENDS ${doc}/changelog.gz ${doc}/orthoval.1.gz)
install(FILES ${ORTHOVAL_PACKAGING}/copyright ${doc}/changelog.gz ${ORTHOVAL_PACKAGING}/orthoval.conf
        DESTINATION share/doc/orthoval COMPONENT paquet)
# Uncompressed, under the name the main window gives: a teacher opens it by
# a double click.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/orthoval RENAME README COMPONENT paquet)
install(FILES ${doc}/orthoval.1.gz DESTINATION share/man/man1 COMPONENT paquet)
