#pragma once
// The data files are single-byte Windows-1252 text. Files edited by hand in a
// modern editor are often UTF-8; those are recognised and decoded as such so
// that accented words survive.
#include <QByteArray>
#include <QString>
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
