# The Debian package, from the "paquet" install component
# (src/installer/installation.cmake):
#   cd build && cpack -G DEB   ->  orthoval_<version>_amd64.deb
# scripts/package does it and checks the result.
if(ORTHOVAL_FUZZ)
  return()
endif()
set(CPACK_PACKAGE_NAME orthoval)
set(CPACK_PACKAGE_VENDOR "OrthoVal")
set(CPACK_PACKAGE_CONTACT "OrthoVal maintainers <maintainers@orthoval.fr>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};OrthoVal;paquet;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opened at the first sound file rather than linked, so the linked libraries
# do not name it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsndfile1 (>= 1.0.31)")
# Fonts for young readers, and French buttons in Qt's message boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-comic-neue, fonts-sil-andika, fonts-opendyslexic, fonts-ecolier-court, fonts-ecolier-lignes-court, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "spelling trainer for children, in French")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "OrthoVal teaches children aged 6 to 11 to spell French words. A child
picks his name, hears a word, types it and is told at once whether it is
right; every word climbs a ladder of exercises until it is acquired. A
teacher or a parent prepares the pupils and the levels of the words behind
an access code. Comes with a spoken library of 362 common words.

OrthoVal apprend aux enfants de 6 à 11 ans à écrire les mots. L'enfant
choisit son nom, entend un mot, l'écrit et sait aussitôt s'il est juste ;
chaque mot gravit une échelle d'exercices jusqu'à être acquis.
L'enseignant ou le parent prépare les élèves et les niveaux des mots
derrière un code d'accès.")
include(CPack)
