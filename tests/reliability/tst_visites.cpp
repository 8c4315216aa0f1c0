// Whole pupil visits (identification, one word answered, Quitter) on a class
// folder damaged the way school computers damage them: a word list saved in
// another encoding or emptied, a pupil file the program may not read, a quote
// broken by a slip, a date typed by hand, links planted by another account.
// Whatever happens, months of a child's progress stay on disk.
#include "data/bilan.h"
#include "data/encodage.h"
#include "data/sauvegardes.h"
#include "data/valeurs.h"
#include "pupil/pilote.h"
#include "teacher/frmenseignant.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMots = 60, kAcquis = 25, kEnCours = 10;
const QDate kJour(2026, 12, 5);

QString motNumero(int i) { return u"mot%1é"_s.arg(i, 2, 10, QChar(u'0')); }

// Paul's file after months of work: acquired words, words on the ladder,
// words never proposed.
QList<LigneProgression> lignesDePaul()
{
    QList<LigneProgression> lignes;
    for (int i = 0; i < kMots; ++i) {
        const int etape = i < kAcquis ? 10 : i < kAcquis + kEnCours ? 3 + i % 7 : 0;
        lignes << ligne(motNumero(i), etape, u"1"_s, etape == 10 ? u"01/11/2026"_s : u"01/12/2026"_s);
    }
    return lignes;
}

struct Classe : Installation {
    Classe()
    {
        QStringList mots;
        for (int i = 0; i < kMots; ++i)
            mots << motNumero(i);
        preparer(mots);
        ecrireBilan(u"Paul"_s, lignesDePaul());
    }
};

// Word -> stage, read from the bytes of a pupil file as the program writes it.
QHash<QString, int> etapes(const QByteArray &bilan)
{
    const QStringList valeurs = lireValeurs(decoderTexteFichier(bilan));
    QHash<QString, int> resultat;
    for (qsizetype r = 0; r + kColonnes <= valeurs.size(); r += kColonnes)
        for (int c : kColonnesMot)
            if (!valeurs[r + c].isEmpty()) {
                resultat.insert(valeurs[r + c], c);
                break;
            }
    return resultat;
}

// Every word past the initial test before is still past it, acquired ones
// still acquired.
void verifierProgresGardes(const QByteArray &apres)
{
    const QHash<QString, int> maintenant = etapes(apres);
    QCOMPARE(maintenant.size(), kMots);
    for (int i = 0; i < kAcquis + kEnCours; ++i) {
        const int etape = maintenant.value(motNumero(i), -1);
        QVERIFY2(i < kAcquis ? etape == 10 : etape >= 3, qPrintable(motNumero(i)));
    }
}

// Identification, the word presented answered right, Quitter.
void visiter(Pilote &p)
{
    QVERIFY2(!p.fenetre->nomEleve().isEmpty(), "the visit did not start");
    QVERIFY(!p.fenetre->motCourant().isEmpty());
    p.repondre(p.fenetre->motCourant());
    p.quitter();
    QVERIFY(!p.fenetre->isVisible());
}

// The only copy of a file in Sauvegardes, or the copy at that rank (newest first).
QByteArray copieSauvegardee(const Installation &inst, const QString &fichier, int rang = -1)
{
    const QStringList copies = listerSauvegardes(inst.dossier.path(), fichier);
    if (rang < 0 && copies.size() != 1)
        return "<" + QByteArray::number(copies.size()) + " copies>";
    QFile f(inst.chemin(kDossierSauvegardes + u'/' + copies.value(std::max(rang, 0))));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

// A file this process cannot read. As root (CI), permissions do not stop
// reads, so the process acts as "nobody" while the guard lives, on a folder
// given to that account.
class Illisible {
public:
    Illisible(const Installation &inst, const QString &nom) : chemin_(inst.chemin(nom))
    {
        QVERIFY(::chmod(QFile::encodeName(chemin_).constData(), 0200) == 0);
        if (::geteuid() != 0)
            return;
        QDirIterator tout(inst.dossier.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                          QDirIterator::Subdirectories);
        QVERIFY(::chown(QFile::encodeName(inst.dossier.path()).constData(), kPersonne, kPersonne) == 0);
        while (tout.hasNext())
            QVERIFY(::lchown(QFile::encodeName(tout.next()).constData(), kPersonne, kPersonne) == 0);
        QVERIFY(::setegid(kPersonne) == 0 && ::seteuid(kPersonne) == 0);
        root_ = true;
    }
    ~Illisible() { rendreLisible(); }
    void rendreLisible()
    {
        if (root_ && (::seteuid(0) != 0 || ::setegid(0) != 0))
            qFatal("cannot become root again");
        root_ = false;
        ::chmod(QFile::encodeName(chemin_).constData(), 0644);
    }

private:
    static constexpr uid_t kPersonne = 65534;
    QString chemin_;
    bool root_ = false;
};

} // namespace

class TestVisites : public QObject {
    Q_OBJECT

private slots:
    // A word list that gives no word while Sons holds recordings is damaged,
    // not empty: no visit, nothing written, the child is told to call the
    // teacher. A UTF-16 list (a Windows editor's "Unicode") is simply read.
    void listeMotsAbimee_data()
    {
        QTest::addColumn<QByteArray>("motsDat");
        QTest::addColumn<bool>("illisible");
        QTest::addColumn<QString>("titre"); // empty: the visit goes on
        QString texte;
        for (int i = 0; i < kMots; ++i)
            texte += u"\"*\",\"%1\",\"1\"\r\n"_s.arg(motNumero(i));
        QByteArray utf16("\xFF\xFE");
        utf16 += QByteArray(reinterpret_cast<const char *>(texte.utf16()), texte.size() * 2);
        QTest::newRow("UTF-16") << utf16 << false << QString();
        QTest::newRow("vide") << QByteArray() << false << u"Liste des mots abîmée"_s;
        QTest::newRow("charabia") << QByteArray("\x01\x9f\xff garbage, more\r\n", 20) << false << u"Liste des mots abîmée"_s;
        QTest::newRow("illisible") << QByteArray(QStringEncoder("windows-1252").encode(texte)) << true << u"Liste des mots abîmée"_s;
    }

    void listeMotsAbimee()
    {
        QFETCH(QByteArray, motsDat);
        QFETCH(bool, illisible);
        QFETCH(QString, titre);
        Classe classe;
        classe.ecrire(u"Mots.dat"_s, motsDat);
        const QByteArray avant = classe.lireBilan(u"Paul"_s);
        std::unique_ptr<Illisible> garde(illisible ? new Illisible(classe, u"Mots.dat"_s) : nullptr);
        Pilote p(classe);
        if (titre.isEmpty()) {
            p.identifier(u"Paul"_s);
            visiter(p);
            garde.reset();
            verifierProgresGardes(classe.lireBilan(u"Paul"_s));
            return;
        }
        QVERIFY(p.fenetre->listeMotsAbimee());
        QCOMPARE(p.plateforme.messages.titres(), QStringList{titre});
        QVERIFY(p.plateforme.messages.demandes.first().texte.contains(u"Mots.dat"_s));
        QTRY_VERIFY(!p.fenetre->isVisible());
        p.identifier(u"Paul"_s);   // too late: nothing happens
        p.fenetre->reject();
        garde.reset();
        QCOMPARE(classe.lireBilan(u"Paul"_s), avant);
        QVERIFY(listerSauvegardes(classe.dossier.path(), u"Paul.bil"_s).isEmpty());
    }

    // The teacher names the damaged list at opening; closing keeps the old
    // file whole in Sauvegardes before writing the new one.
    void listeMotsAbimeeCoteEnseignant()
    {
        Classe classe;
        const QByteArray abime("\x01\x02 pas une liste\r\n");
        classe.ecrire(u"Mots.dat"_s, abime);
        PlateformeFactice plateforme;
        EtatProgramme etat;
        etat.dossierInstallation = classe.dossier.path();
        {
            FrmEnseignant fenetre(etat, plateforme.services());
            fenetre.show();
            QCOMPARE(plateforme.messages.titres(), QStringList{u"Liste des mots"_s});
            QVERIFY(plateforme.messages.demandes.first().texte.contains(u"« Mots.dat »"_s));
            QVERIFY(fenetre.close());
        }
        QCOMPARE(copieSauvegardee(classe, u"Mots.dat"_s), abime);
        QVERIFY(classe.lireBilan(u"Paul"_s) != "<absent>");
    }

    // A pupil file that exists but cannot be read is never taken for a new
    // pupil: no visit, and Quitter writes nothing over it. Once readable,
    // the visit finds everything.
    void bilanIllisible()
    {
        Classe classe;
        const QByteArray avant = classe.lireBilan(u"Paul"_s);
        {
            Illisible garde(classe, u"Paul.bil"_s);
            Pilote p(classe, u"Paul"_s);
            QCOMPARE(p.plateforme.messages.titres(), QStringList{u"Fichier illisible"_s});
            QVERIFY(p.plateforme.messages.demandes.first().texte.contains(u"« Paul.bil »"_s));
            QVERIFY(p.fenetre->nomEleve().isEmpty());
            QVERIFY(p.w<QGroupBox>(u"frameEleve"_s)->isVisible());
            p.fenetre->reject();
            QVERIFY(!p.fenetre->isVisible());
        }
        QCOMPARE(classe.lireBilan(u"Paul"_s), avant);
        Pilote p(classe, u"Paul"_s);
        QCOMPARE(p.texte(u"lblMotsConnus"_s), QString::number(kAcquis));
        visiter(p);
        verifierProgresGardes(classe.lireBilan(u"Paul"_s));
    }

    // Damage that used to shrink the file at the next visit: every row comes
    // back, and the damaged file is kept whole in Sauvegardes.
    void bilanAbime_data()
    {
        QTest::addColumn<QByteArray>("octets");
        const QByteArray propre = octetsBilan(lignesDePaul());
        // Around byte 3,000: the opening quote of a line, then a closing one.
        const qsizetype ouvrant = propre.indexOf("\r\n\"", 3000) + 2;
        const qsizetype fermant = propre.indexOf("\"\r\n", 3000);
        QTest::newRow("guillemet ouvrant") << QByteArray(propre).replace(ouvrant, 1, ",");
        QTest::newRow("guillemet fermant") << QByteArray(propre).replace(fermant, 1, ",");
        QByteArray utf16("\xFE\xFF");
        const QString texte = decoderWindows1252(propre);
        for (QChar c : texte)
            utf16 += char(c.unicode() >> 8), utf16 += char(c.unicode() & 0xFF);
        QTest::newRow("UTF-16 grand-boutiste") << utf16;
    }

    void bilanAbime()
    {
        QFETCH(QByteArray, octets);
        Classe classe;
        classe.ecrire(u"Paul.bil"_s, octets);
        Pilote p(classe, u"Paul"_s);
        QCOMPARE(p.texte(u"lblMotsConnus"_s), QString::number(kAcquis));
        visiter(p);
        verifierProgresGardes(classe.lireBilan(u"Paul"_s));
        if (!QByteArray(QTest::currentDataTag()).startsWith("UTF-16"))
            QCOMPARE(copieSauvegardee(classe, u"Paul.bil"_s), octets);
    }

    // A word list that lost words since the last visit: their rows leave the
    // pupil file, but the file as it was is kept first.
    void progresRetireSauvegarde()
    {
        Classe classe;
        const QByteArray avant = classe.lireBilan(u"Paul"_s);
        QString texte;
        for (int i = kMots / 2; i < kMots; ++i)
            texte += u"\"*\",\"%1\",\"1\"\r\n"_s.arg(motNumero(i));
        classe.ecrire(u"Mots.dat"_s, QByteArray(QStringEncoder("windows-1252").encode(texte)));
        Pilote p(classe, u"Paul"_s);
        visiter(p);
        QCOMPARE(etapes(classe.lireBilan(u"Paul"_s)).size(), kMots / 2);
        QCOMPARE(copieSauvegardee(classe, u"Paul.bil"_s), avant);
        // Nothing more is lost at the next visit: no new copy.
        {
            Pilote q(classe, u"Paul"_s);
            visiter(q);
            QCOMPARE(listerSauvegardes(classe.dossier.path(), u"Paul.bil"_s).size(), 1);
        }
        // The teacher puts the copy back from the pupil list; the file it
        // replaces is kept in turn.
        const QByteArray remplace = classe.lireBilan(u"Paul"_s);
        PlateformeFactice plateforme;
        EtatProgramme etat;
        etat.dossierInstallation = classe.dossier.path();
        FrmEnseignant fenetre(etat, plateforme.services());
        fenetre.show();
        fenetre.findChild<QPushButton *>(u"cmdEleves"_s)->click();
        fenetre.findChild<QPushButton *>(u"cmdRestaurer"_s)->click();
        QCOMPARE(plateforme.messages.choixProposes.size(), 1);
        QCOMPARE(classe.lireBilan(u"Paul"_s), avant);
        QCOMPARE(listerSauvegardes(classe.dossier.path(), u"Paul.bil"_s).size(), 2);
        QCOMPARE(copieSauvegardee(classe, u"Paul.bil"_s, 0), remplace);
    }

    // A date typed by hand that cannot be read no longer freezes a waiting
    // word: it is dated today at loading, and due once the wait has run.
    void dateIllisible()
    {
        Installation inst;
        inst.preparer({u"hibou"_s});
        inst.ecrireBilan(u"Paul"_s, {ligne(u"hibou"_s, 7, u"1"_s, u"05.12.2026"_s)});
        {
            Pilote p(inst, u"Paul"_s, kJour);
            QCOMPARE(p.fenetre->motCourant(), QString()); // waiting a day
            p.quitter();
        }
        QCOMPARE(etapes(inst.lireBilan(u"Paul"_s)).value(u"hibou"_s), 7);
        QVERIFY(inst.lireBilan(u"Paul"_s).contains("\"05/12/2026\""));
        Pilote p(inst, u"Paul"_s, kJour.addDays(1));
        QCOMPARE(p.fenetre->motCourant(), u"hibou"_s);
        p.repondre(u"hibou"_s);
        p.quitter();
        QCOMPARE(etapes(inst.lireBilan(u"Paul"_s)).value(u"hibou"_s), 8);
    }

    // Links planted in the folder by another account: never written,
    // followed or emptied through.
    void liensPlantes()
    {
        Classe classe;
        QTemporaryDir ailleurs;
        const QString cible = ailleurs.filePath(u"secret.txt"_s);
        QFile f(cible);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("secret") == 6);
        f.close();
        QVERIFY(QFile::link(cible, classe.chemin(u"Mallory.bil"_s)));
        {
            Pilote p(classe, u"Mallory"_s);
            QCOMPARE(p.plateforme.messages.titres(), QStringList{u"Fichier illisible"_s});
            p.fenetre->reject();
        }
        // A Mots.dat link: the teacher's close refuses to write through it.
        QVERIFY(QFile::remove(classe.chemin(u"Mots.dat"_s)));
        QVERIFY(QFile::link(cible, classe.chemin(u"Mots.dat"_s)));
        PlateformeFactice plateforme;
        plateforme.messages.reponseQuestion = true; // close without saving
        EtatProgramme etat;
        etat.dossierInstallation = classe.dossier.path();
        {
            FrmEnseignant fenetre(etat, plateforme.services());
            fenetre.show();
            QVERIFY(fenetre.close());
            QVERIFY(plateforme.messages.demandes.last().texte.contains(u"lien symbolique"_s));
        }
        QFile relu(cible);
        QVERIFY(relu.open(QIODevice::ReadOnly));
        QCOMPARE(relu.readAll(), QByteArray("secret"));
        QVERIFY(QFileInfo(classe.chemin(u"Mallory.bil"_s)).isSymLink());
    }

    // A word such as "../x" in a hand-edited list is never proposed nor
    // played: it would name a file outside Sons.
    void motHorsDeSons()
    {
        Installation inst;
        inst.preparer({u"chat"_s});
        inst.ecrire(u"victime.wav"_s, "RIFF");
        inst.ecrire(u"Mots.dat"_s, "\"*\",\"../victime\",\"1\"\r\n\"*\",\"chat\",\"1\"\r\n");
        Pilote p(inst, u"Paul"_s);
        QCOMPARE(p.fenetre->motCourant(), u"chat"_s);
        p.repondre(u"chat"_s);
        p.suivant();
        p.quitter();
        for (const QString &joue : p.plateforme.son.joues)
            QVERIFY2(!joue.contains(u".."_s), qPrintable(joue));
        QVERIFY(!inst.lireBilan(u"Paul"_s).contains("victime"));
    }
};

QTEST_MAIN(TestVisites)
#include "tst_visites.moc"
