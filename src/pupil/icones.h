#pragma once
// The pictures of the pupil window, drawn at run time so that they stay sharp
// at any scale: the right and wrong marks, the loudspeaker and the printer.
#include <QPixmap>

// côté: the size in device-independent pixels; drawn at twice that for
// high-density screens.
QPixmap iconeOui(int cote = 32);
QPixmap iconeNon(int cote = 32);
QPixmap iconeHautParleur(int cote = 48);
QPixmap iconeImprimante(int cote = 32);
// A speech bubble with lines of text: the word's sentence.
QPixmap iconePhrase(int cote = 32);
