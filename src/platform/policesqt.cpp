#include "plateformeqt.h"
#include "policesjeunes.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QRawFont>
#include <QScreen>

namespace {

// Every letter a French word may hold, in both cases. A family without one of
// them would show a blank or a symbol in an exercise.
const QString kAlphabetFrancais = QStringLiteral(
    "abcdefghijklmnopqrstuvwxyzàâæçéèêëîïôœùûüÿ"
    "ABCDEFGHIJKLMNOPQRSTUVWXYZÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ");

// The letters a school word is written with: every key of the pupil's
// keyboard in both cases, and œ. The school cursive lacks only rare capitals
// (Œ, Æ, Ÿ) and ÿ, which no key types: the fonts made for young readers are
// held to this alphabet, not to the whole one.
const QString kAlphabetEcole = QStringLiteral(
    "abcdefghijklmnopqrstuvwxyzàâçéèêëîïôöùûüœ"
    "ABCDEFGHIJKLMNOPQRSTUVWXYZÀÂÇÉÈÊËÎÏÔÖÙÛÜ");

bool ecritLeFrancais(const QString &famille)
{
    // A symbol font (Dingbats) may map its pictures onto the codes of the
    // letters: its glyphs alone do not tell. The fonts for young readers are
    // known by name; the school cursive declares no writing system at all,
    // its glyphs decide.
    const bool jeunes = estPoliceJeunesLecteurs(famille);
    if (!jeunes && !QFontDatabase::writingSystems(famille).contains(QFontDatabase::Latin))
        return false;
    QFont police(famille);
    // The family's own glyphs only: no borrowing from another font.
    police.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont brute = QRawFont::fromFont(police);
    // A missing family, or a name standing for another family (Monospace,
    // Serif), is answered with a substitute: it must not vouch for it.
    if (!brute.isValid()
        || (brute.familyName().compare(famille, Qt::CaseInsensitive) != 0
            && brute.familyName().compare(nomSansFonderie(famille), Qt::CaseInsensitive) != 0))
        return false;
    const QString &alphabet = jeunes ? kAlphabetEcole : kAlphabetFrancais;
    for (QChar c : alphabet)
        if (!brute.supportsCharacter(c))
            return false;
    return true;
}

} // namespace

QStringList PolicesQt::familles()
{
    // The fonts installed do not change while the program runs.
    if (famillesLisibles_.isEmpty())
        for (const QString &famille : QFontDatabase::families())
            if (!QFontDatabase::isPrivateFamily(famille) && ecritLeFrancais(famille))
                famillesLisibles_ << famille;
    return famillesLisibles_;
}

int PolicesQt::hauteurLigneTwips(const QFont &police)
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    const double ppp = ecran ? ecran->logicalDotsPerInchY() : 96.0;
    return int(QFontMetrics(police).height() * 1440.0 / ppp + 0.5);
}

QSize EcranQt::taille()
{
    const QScreen *ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->availableGeometry().size() : QSize(800, 600);
}
