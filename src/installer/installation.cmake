# A ready installation folder, as the program expects it: everything side by
# side in one folder, which becomes the program's installation folder.
#   cmake --install build --prefix stage
# gives stage/orthoval, stage/orthoval_son.so (playback), stage/Sons.exe, stage/bibliotheque/, stage/orthoval.png
# and stage/orthoval.desktop.

# OPTIONAL: a build of the installer alone can still be staged.
if(TARGET orthoval)
  install(TARGETS orthoval RUNTIME DESTINATION . OPTIONAL)
endif()
if(TARGET orthoval_son)
  install(TARGETS orthoval_son LIBRARY DESTINATION .)
endif()
install(TARGETS sons_installer RUNTIME DESTINATION .)

# The library is replaced whole, so that a word taken out of the list does
# not stay behind. Sons, where the teacher's recordings live, is not touched.
install(CODE [[
  file(REMOVE_RECURSE "${CMAKE_INSTALL_PREFIX}/bibliotheque")
]])
if(ORTHOVAL_SOUNDS)
  install(DIRECTORY ${ORTHOVAL_BIBLIOTHEQUE}/ DESTINATION bibliotheque)
else()
  install(FILES ${ORTHOVAL_LISTE_DEPART} DESTINATION bibliotheque)
endif()

# Drawn in resources/orthoval.svg; the PNG beside it is made with
#   convert -background none orthoval.svg -depth 8 orthoval.png
install(FILES ${PROJECT_SOURCE_DIR}/resources/orthoval.png DESTINATION .)

# The desktop entry names the folder it was installed to.
install(CODE "set(ORTHOVAL_MODELE_BUREAU \"${PROJECT_SOURCE_DIR}/resources/orthoval.desktop.in\")")
install(CODE [[
  get_filename_component(DOSSIER "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
  configure_file("${ORTHOVAL_MODELE_BUREAU}" "${DOSSIER}/orthoval.desktop" @ONLY)
  message(STATUS "Installing: ${DOSSIER}/orthoval.desktop")
]])
