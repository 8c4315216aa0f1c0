#pragma once
// The data files are single-byte Windows-1252 text. Files edited by hand in a
// modern editor are often UTF-8; those are recognised and decoded as such so
// that accented words survive.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// Decodes file bytes: UTF-16 (little- or big-endian) after its byte-order
// mark; UTF-8 when the bytes start with a UTF-8 byte-order mark
// (the mark is dropped) or are valid UTF-8 holding at least one multi-byte
// sequence and only characters that Windows-1252 has too (so that the
// program's own files always read back as written); Windows-1252 otherwise.
// Never fails; every byte gives a character.
QString decoderTexteFichier(const QByteArray &octets);

// True when decoded text shows damage no text file holds: a NUL character,
// or bytes that were not valid in the encoding of the file's byte-order mark.
bool texteAbime(const QString &texte);

// Plain Windows-1252 decoding, one character per byte.
QString decoderWindows1252(const QByteArray &octets);

// Encodes in Windows-1252; no value when a character has no Windows-1252 byte.
std::optional<QByteArray> encoderWindows1252(const QString &texte);

// Writes the text's Windows-1252 bytes at sortie (room for one byte per
// character) and moves sortie past them; false, stopping there, at the first
// character without a Windows-1252 byte. For writers that build a file's
// bytes in one buffer instead of encoding a whole text a second time.
bool ecrireWindows1252(QStringView texte, char *&sortie);

// True when every character of the text has a Windows-1252 byte.
bool representableEnWindows1252(const QString &texte);

// Position of the first character without a Windows-1252 byte; -1 when none.
qsizetype positionNonRepresentable(const QString &texte);

// The character at that position for a message: « ☺ » (U+263A), or U+0007
// alone for an invisible one.
QString decrireCaractere(const QString &texte, qsizetype position);

// Decodes a text file line by line, for lists written by hand where one line
// may come from another editor than the rest. After a UTF-16 byte-order mark
// the whole file is decoded as above. Otherwise each line (split at LF, a CR
// before it dropped) is UTF-8 when it is valid UTF-8 holding only characters
// Windows-1252 has too; Windows-1252 when it is not valid UTF-8; and a valid
// UTF-8 line with other characters follows the file: UTF-8, unless its other
// lines are mostly Windows-1252 (then such bytes are Windows-1252 text that
// happens to pair up, "Ý" then "Ž" for U+074E). A UTF-8 byte-order mark is
// dropped and counts for UTF-8.
QStringList decoderLignesFichier(const QByteArray &octets);

// The first character of a decoded line that no text line holds: a control
// character other than TAB (NUL included), DEL, a C1 control, or the
// replacement character of a failed decoding. -1 when there is none.
qsizetype positionHorsTexte(const QString &ligne);
