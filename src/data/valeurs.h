#pragma once
// The value files: every data file is a stream of values separated by commas
// or line ends. A value is either a double-quoted text (quotes removed, commas
// kept, no escaping) or an unquoted run up to the next comma or line end,
// leading blanks skipped. Writing puts each value between double quotes, the
// values of one line separated by commas, each line ended by CR LF.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QFile;

// Reads the values of decoded text. Rules:
// - CR LF, a lone CR and a lone LF each end a value; so does a comma;
// - a value "a" followed by text before the next separator keeps "a" and
//   skips that text; an unterminated quote takes the text to the end;
// - an unquoted value loses its leading and trailing blanks;
// - the end of the text after a final separator gives no extra value.
QStringList lireValeurs(const QString &texte);

// The same reading, handing each value over as it is read, for files too
// large to hold twice.
void parcourirValeurs(const QString &texte, const std::function<void(QString &&)> &recevoir);

// What reading a whole file gave. A file that exists but cannot be read is
// never the same thing as a missing one: the callers must not take it for
// empty, nor write over it.
struct LectureFichier {
    enum class Etat { Lu, Absent, Illisible };
    Etat etat = Etat::Absent;
    QString texte;   // decoded by decoderTexteFichier, when Lu
    QString raison;  // why it could not be read, in French, when Illisible
    bool lu() const { return etat == Etat::Lu; }
    bool illisible() const { return etat == Etat::Illisible; }
};

// Opens a file for reading only when it is a plain file: a named pipe or a
// device planted at a data file's name would hang or never end the reader.
enum class OuvertureLecture { Ouvert, Absent, PasUnFichier, Refusee };
OuvertureLecture ouvrirEnLecture(QFile &fichier, const QString &chemin);

// Reads and decodes a whole file. A symbolic link is not followed: it is
// Illisible, as is a folder, a file without read permission or a read error.
LectureFichier lireFichier(const QString &chemin);

// Reads a whole file (decoded by decoderTexteFichier). No value when the file
// is missing or cannot be read.
std::optional<QStringList> lireFichierValeurs(const QString &chemin);
// The decoded text of a file; no value when it is missing or cannot be read.
std::optional<QString> lireFichierTexte(const QString &chemin);

// One line of quoted values: "a","b","c" CR LF (decoded text, not yet bytes).
QString ligneValeurs(const QStringList &valeurs);
