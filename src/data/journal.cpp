#include "journal.h"

#include "ecriture.h"
#include "valeurs.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kJuste = QByteArrayLiteral("juste");
const QByteArray kFaux = QByteArrayLiteral("faux");
const QByteArray kIncomplet = QByteArrayLiteral("incomplet");
constexpr int kLongueurMoment = 19;  // yyyy-MM-ddTHH:mm:ss

QString cheminDrapeau(const QString &dossier, const QString &eleve)
{
    return dossier + u'/' + kDossierJournal + u'/' + eleve + QStringLiteral(".incomplet");
}

// Two digits or more at p, by hand: QDateTime::fromString costs more than the
// rest of a line's reading.
int nombre(const char *p, int chiffres)
{
    int n = 0;
    for (int i = 0; i < chiffres; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return -1;
        n = n * 10 + (p[i] - '0');
    }
    return n;
}

bool lireMoment(QByteArrayView champ, QDate &date, QTime &heure)
{
    if (champ.size() != kLongueurMoment)
        return false;
    const char *p = champ.constData();
    if (p[4] != '-' || p[7] != '-' || p[10] != 'T' || p[13] != ':' || p[16] != ':')
        return false;
    date = QDate(nombre(p, 4), nombre(p + 5, 2), nombre(p + 8, 2));
    heure = QTime(nombre(p + 11, 2), nombre(p + 14, 2), nombre(p + 17, 2));
    return date.isValid() && heure.isValid();
}

QByteArray champ(const QString &texte)
{
    QString propre = texte;
    for (QChar &c : propre)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return propre.toUtf8();
}

QByteArray texteMoment(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1();
}

// Opens Journal/ (created when missing) without following a link.
int ouvrirDossier(const QString &dossier)
{
    // Shared like the data folder: every pupil account writes its journal here.
    const QString chemin = dossier + u'/' + kDossierJournal;
    if (!creerDossierPartage(chemin))
        return -1;
    return ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// A file this account created gets the rights of its folder (the umask
// would keep the other accounts of a shared folder out).
void partager(int fd, int dossier, const struct stat &etat)
{
    const mode_t voulu = (etat.st_mode & 0777) | modeNouveauFichier(dossier);
    if (etat.st_uid == ::geteuid() && (etat.st_mode & 0777) != voulu)
        ::fchmod(fd, voulu);
}

// Opens the journal for appending, only as a plain file (never a link,
// and a named pipe planted there must not hang the pupil window); -1 otherwise.
int ouvrirFichier(int dossier, const QByteArray &nom, struct stat &etat)
{
    const int options = O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    const int fd = ::openat(dossier, nom.constData(), options, modeNouveauFichier(dossier));
    if (fd >= 0 && (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode))) {
        ::close(fd);
        return -1;
    }
    if (fd >= 0)
        partager(fd, dossier, etat);
    return fd;
}

QByteArray lireTout(int fd)
{
    QByteArray octets;
    char tampon[65536];
    for (qint64 position = 0;;) {
        const ssize_t lus = ::pread(fd, tampon, sizeof tampon, position);
        if (lus <= 0)
            return octets;
        octets.append(tampon, lus);
        position += lus;
    }
}

// The lines to keep: readable, within the year, the newest that fit in
// three quarters of the cap (so that the next visits append without
// rewriting again).
QByteArray garderRecentes(const QByteArray &octets, const QDate &limite, qint64 plafond)
{
    QList<QByteArray> gardees = octets.split('\n');
    gardees.removeLast();  // "" after the last line feed, or a torn line
    gardees.removeIf([&](const QByteArray &ligne) {
        QDate date;
        QTime heure;
        const LectureJournal lue = AnalyserJournal(ligne + '\n');
        return !lireMoment(ligne.left(kLongueurMoment), date, heure) || date < limite
            || (lue.lignes.isEmpty() && !lue.incomplet);
    });
    for (QByteArray &ligne : gardees)
        ligne += '\n';
    qint64 taille = 0;
    qsizetype debut = gardees.size();
    while (debut > 0 && taille + gardees[debut - 1].size() <= plafond * 3 / 4)
        taille += gardees[--debut].size();
    QByteArray resultat;
    resultat.reserve(taille);
    for (qsizetype i = debut; i < gardees.size(); ++i)
        resultat += gardees[i];
    return resultat;
}

} // namespace

QString cheminJournal(const QString &dossier, const QString &eleve)
{
    return dossier + u'/' + kDossierJournal + u'/' + eleve + QStringLiteral(".txt");
}

LectureJournal AnalyserJournal(const QByteArray &octets)
{
    LectureJournal lecture;
    lecture.lignes.reserve(octets.size() / 40);
    const char *p = octets.constData();
    const char *const fin = p + octets.size();
    // By hand over the bytes: splitting every line into QByteArrays cost more
    // than the rest of the overview.
    for (const char *finLigne; (finLigne = static_cast<const char *>(std::memchr(p, '\n', size_t(fin - p))));
         p = finLigne + 1) {
        // A CR before the LF: the file went through a Windows editor.
        const char *const finTexte = finLigne > p && finLigne[-1] == '\r' ? finLigne - 1 : finLigne;
        QByteArrayView champs[6];
        int n = 0;
        for (const char *debut = p;;) {
            const char *tab = static_cast<const char *>(std::memchr(debut, '\t', size_t(finTexte - debut)));
            if (n == 6)
                break;
            champs[n++] = QByteArrayView(debut, (tab ? tab : finTexte) - debut);
            if (!tab)
                break;
            debut = tab + 1;
        }
        LigneJournal ligne;
        if (n > 5 || !lireMoment(champs[0], ligne.date, ligne.heure))
            continue;
        if (n == 2 && champs[1] == kIncomplet) {
            lecture.incomplet = true;
            continue;
        }
        if (n != 5 || champs[1].isEmpty() || (champs[3] != kJuste && champs[3] != kFaux) || champs[4].size() != 1)
            continue;
        ligne.etape = champs[4][0] - '0';
        if (ligne.etape < 0 || ligne.etape > 9 || ligne.etape == 1 || ligne.etape == 2)
            continue;
        ligne.mot = QString::fromUtf8(champs[1]);
        ligne.tapee = QString::fromUtf8(champs[2]);
        ligne.juste = champs[3] == kJuste;
        lecture.lignes.append(std::move(ligne));
    }
    return lecture;
}

LectureJournal LireJournal(const QString &dossier, const QString &eleve)
{
    const QString chemin = cheminJournal(dossier, eleve);
    LectureJournal lecture;
    QFile fichier;
    // Only a plain file: a named pipe would never end reading.
    if (!QFileInfo(chemin).isSymLink() && ouvrirEnLecture(fichier, chemin) == OuvertureLecture::Ouvert)
        lecture = AnalyserJournal(fichier.readAll());
    if (QFileInfo::exists(cheminDrapeau(dossier, eleve)))
        lecture.incomplet = true;
    return lecture;
}

Journal::Journal(QString dossier, QString eleve, qint64 plafond)
    : dossier_(std::move(dossier)), eleve_(std::move(eleve)), plafond_(plafond)
{
}

bool Journal::AjouterReponse(const QDateTime &moment, const QString &mot, const QString &tapee, bool juste,
                             int etape)
{
    const QByteArray ligne = texteMoment(moment) + '\t' + champ(mot) + '\t' + champ(tapee) + '\t'
        + (juste ? kJuste : kFaux) + '\t' + QByteArray::number(etape) + '\n';
    if (ecrire(ligne, moment.date()))
        return true;
    // The child is never told; the teacher will read "incomplet". The flag
    // file outlives this visit if no later answer of it can be written.
    lacune_ = true;
    const int dossier = ouvrirDossier(dossier_);
    if (dossier >= 0) {
        const QByteArray nom = QFile::encodeName(eleve_ + QStringLiteral(".incomplet"));
        // Non-blocking: a named pipe planted there must not hang the visit.
        const int drapeau = ::openat(dossier, nom.constData(),
                                     O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, modeNouveauFichier(dossier));
        struct stat etat {};
        if (drapeau >= 0 && ::fstat(drapeau, &etat) == 0 && S_ISREG(etat.st_mode))
            partager(drapeau, dossier, etat);
        if (drapeau >= 0)
            ::close(drapeau);
        ::close(dossier);
    }
    return false;
}

bool Journal::ecrire(const QByteArray &ligne, const QDate &aujourdhui)
{
    const int dossier = ouvrirDossier(dossier_);
    if (dossier < 0)
        return false;
    const QByteArray nom = QFile::encodeName(eleve_ + QStringLiteral(".txt"));
    const QByteArray nomDrapeau = QFile::encodeName(eleve_ + QStringLiteral(".incomplet"));
    struct stat etat {};
    int fd = ouvrirFichier(dossier, nom, etat);
    if (fd >= 0 && !rotationFaite_) {
        rotationFaite_ = true;
        char debut[kLongueurMoment];
        QDate premier;
        QTime heure;
        const QDate limite = aujourdhui.addYears(-1);
        // A month's grace past the year, so that ageing lines do not make
        // every visit rewrite the file.
        const bool ancien = ::pread(fd, debut, sizeof debut, 0) == sizeof debut
            && lireMoment(QByteArray(debut, sizeof debut), premier, heure) && premier < limite.addDays(-30);
        if (etat.st_size > plafond_ || ancien) {
            const QByteArray gardees = garderRecentes(lireTout(fd), limite, plafond_);
            if (ecrireFichier(cheminJournal(dossier_, eleve_), gardees).ok) {
                ::close(fd);
                fd = ouvrirFichier(dossier, nom, etat);
            }
        }
    }
    if (fd < 0) {
        ::close(dossier);
        return false;
    }

    QByteArray octets;
    // A line torn by a crash or a full disk is closed first, so the new line
    // is not glued to it.
    char dernier = '\n';
    if (etat.st_size > 0 && ::pread(fd, &dernier, 1, etat.st_size - 1) == 1 && dernier != '\n')
        octets += '\n';
    const bool drapeau = ::faccessat(dossier, nomDrapeau.constData(), F_OK, AT_SYMLINK_NOFOLLOW) == 0;
    if (lacune_ || drapeau)
        octets += ligne.left(kLongueurMoment) + '\t' + kIncomplet + '\n';
    octets += ligne;
    const bool ecrit = ::write(fd, octets.constData(), size_t(octets.size())) == octets.size();
    ::close(fd);
    if (ecrit) {
        lacune_ = false;
        if (drapeau)
            ::unlinkat(dossier, nomDrapeau.constData(), 0);
    }
    ::close(dossier);
    return ecrit;
}
