#pragma once
// Where a word's recording is: the file of the Sons folder whose name is the
// word followed by ".wav". The word part is matched exactly, as the word list
// does; the extension in any case, so that a recording copied from Windows as
// "Chat.WAV" is heard as the word "Chat".
#include <QString>

// The path "<installation>/Sons/<word>.<ext>" of the word's recording: the
// ".wav" file when it exists, else the one with ".WAV", ".Wav"... (the first
// in name order when several). Empty when there is none, and for a word that
// could lead out of Sons (empty, ".", "..", a slash, a backslash, a NUL).
QString cheminEnregistrement(const QString &dossierInstallation, const QString &mot);
