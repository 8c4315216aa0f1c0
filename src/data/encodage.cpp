#include "encodage.h"

#include <QStringDecoder>

#include <array>

namespace {

// Bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) keep their own code point, so any file reads and writes
// back unchanged.
constexpr std::array<char16_t, 32> kPlage80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int octetWindows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(kPlage80.size()); ++i)
        if (kPlage80[i] == c)
            return 0x80 + i;
    return -1;
}

bool toutAscii(const QByteArray &octets)
{
    for (char o : octets)
        if (uchar(o) >= 0x80)
            return false;
    return true;
}

// Strict UTF-8 (no overlong form, no surrogate, nothing above U+10FFFF)
// holding only characters that Windows-1252 can also hold.
bool utf8ValideAvecMultiOctet(const QByteArray &octets)
{
    const auto *p = reinterpret_cast<const uchar *>(octets.constData());
    const qsizetype n = octets.size();
    bool multiOctet = false;
    for (qsizetype i = 0; i < n;) {
        const uchar o = p[i];
        if (o < 0x80) {
            ++i;
            continue;
        }
        int suite;
        uint min;
        uint code;
        if ((o & 0xE0) == 0xC0) {
            suite = 1, min = 0x80, code = o & 0x1F;
        } else if ((o & 0xF0) == 0xE0) {
            suite = 2, min = 0x800, code = o & 0x0F;
        } else if ((o & 0xF8) == 0xF0) {
            suite = 3, min = 0x10000, code = o & 0x07;
        } else {
            return false;
        }
        if (i + suite >= n)
            return false;
        for (int k = 1; k <= suite; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        // A data file can only hold Windows-1252 characters: bytes that
        // decode to anything else are the program's own Windows-1252 text
        // (Ý followed by Ž is valid UTF-8 for U+074E), not a UTF-8 file.
        if (code > 0xFFFF || octetWindows1252(char16_t(code)) < 0)
            return false;
        multiOctet = true;
        i += suite + 1;
    }
    return multiOctet;
}

} // namespace

QString decoderWindows1252(const QByteArray &octets)
{
    QString texte(octets.size(), Qt::Uninitialized);
    QChar *sortie = texte.data();
    for (char o : octets) {
        const uchar u = uchar(o);
        *sortie++ = QChar((u >= 0x80 && u < 0xA0) ? kPlage80[u - 0x80] : char16_t(u));
    }
    return texte;
}

QString decoderTexteFichier(const QByteArray &octets)
{
    // A Windows editor's "Unicode" save.
    if (octets.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(octets.mid(2));
    if (octets.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(octets.mid(2));
    if (octets.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(octets.constData() + 3, octets.size() - 3);
    if (toutAscii(octets))
        return QString::fromLatin1(octets);
    if (utf8ValideAvecMultiOctet(octets))
        return QString::fromUtf8(octets);
    return decoderWindows1252(octets);
}

qsizetype positionNonRepresentable(const QString &texte)
{
    for (qsizetype i = 0; i < texte.size(); ++i)
        if (octetWindows1252(texte[i].unicode()) < 0)
            return i;
    return -1;
}

bool ecrireWindows1252(QStringView texte, char *&sortie)
{
    for (QChar c : texte) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *sortie++ = char(u);
            continue;
        }
        const int o = octetWindows1252(u);
        if (o < 0)
            return false;
        *sortie++ = char(o);
    }
    return true;
}

std::optional<QByteArray> encoderWindows1252(const QString &texte)
{
    QByteArray octets(texte.size(), Qt::Uninitialized);
    char *sortie = octets.data();
    if (!ecrireWindows1252(texte, sortie))
        return std::nullopt;
    return octets;
}

bool representableEnWindows1252(const QString &texte)
{
    return positionNonRepresentable(texte) < 0;
}

QString decrireCaractere(const QString &texte, qsizetype position)
{
    if (position < 0 || position >= texte.size())
        return QString();
    QString caractere(texte[position]);
    char32_t code = texte[position].unicode();
    if (texte[position].isHighSurrogate() && position + 1 < texte.size()
        && texte[position + 1].isLowSurrogate()) {
        caractere += texte[position + 1];
        code = QChar::surrogateToUcs4(texte[position], texte[position + 1]);
    }
    const QString hexa = QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    if (QChar::isPrint(code))
        return QStringLiteral("« %1 » (U+%2)").arg(caractere, hexa);
    return QStringLiteral("U+%1").arg(hexa);
}

bool texteAbime(const QString &texte)
{
    return texte.contains(QChar(u'\0')) || texte.contains(QChar::ReplacementCharacter);
}

namespace {

enum class GenreLigne { Ascii, Utf8Windows, Utf8Autre, Windows1252 };

GenreLigne classerLigne(QByteArrayView ligne, QString &utf8)
{
    bool ascii = true;
    for (char o : ligne)
        ascii = ascii && uchar(o) < 0x80;
    if (ascii)
        return GenreLigne::Ascii;
    // Qt's decoder refuses overlong forms, surrogates and anything above U+10FFFF.
    QStringDecoder decodeur(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    utf8 = decodeur.decode(ligne);
    if (decodeur.hasError())
        return GenreLigne::Windows1252;
    return representableEnWindows1252(utf8) ? GenreLigne::Utf8Windows : GenreLigne::Utf8Autre;
}

} // namespace

QStringList decoderLignesFichier(const QByteArray &octets)
{
    QStringList lignes;
    if (octets.startsWith("\xFF\xFE") || octets.startsWith("\xFE\xFF")) {
        lignes = decoderTexteFichier(octets).split(u'\n');
        for (QString &ligne : lignes)
            if (ligne.endsWith(u'\r'))
                ligne.chop(1);
        return lignes;
    }
    const bool marqueUtf8 = octets.startsWith("\xEF\xBB\xBF");
    QByteArrayView reste(octets);
    if (marqueUtf8)
        reste = reste.sliced(3);

    struct Ligne {
        QByteArrayView octets;
        GenreLigne genre;
        QString utf8;
    };
    QList<Ligne> decoupees;
    qsizetype enUtf8 = marqueUtf8 ? 1 : 0;
    qsizetype enWindows = 0;
    while (true) {
        const qsizetype fin = reste.indexOf('\n');
        QByteArrayView ligne = fin < 0 ? reste : reste.first(fin);
        if (ligne.endsWith('\r'))
            ligne.chop(1);
        Ligne l{ligne, GenreLigne::Ascii, QString()};
        l.genre = classerLigne(ligne, l.utf8);
        enUtf8 += l.genre == GenreLigne::Utf8Windows;
        enWindows += l.genre == GenreLigne::Windows1252;
        decoupees.append(std::move(l));
        if (fin < 0)
            break;
        reste = reste.sliced(fin + 1);
    }
    const bool fichierWindows = enWindows > enUtf8;
    lignes.reserve(decoupees.size());
    for (const Ligne &l : std::as_const(decoupees)) {
        switch (l.genre) {
        case GenreLigne::Ascii:
            lignes.append(QString::fromLatin1(l.octets));
            break;
        case GenreLigne::Utf8Windows:
            lignes.append(l.utf8);
            break;
        case GenreLigne::Utf8Autre:
            lignes.append(fichierWindows ? decoderWindows1252(l.octets.toByteArray()) : l.utf8);
            break;
        case GenreLigne::Windows1252:
            lignes.append(decoderWindows1252(l.octets.toByteArray()));
            break;
        }
    }
    return lignes;
}

qsizetype positionHorsTexte(const QString &ligne)
{
    for (qsizetype i = 0; i < ligne.size(); ++i) {
        const char16_t c = ligne[i].unicode();
        if ((c < 0x20 && c != u'\t') || (c >= 0x7F && c < 0xA0) || c == 0xFFFD)
            return i;
    }
    return -1;
}
