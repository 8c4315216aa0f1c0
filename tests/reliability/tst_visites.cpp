// Whole pupil visits (identification, one word answered, Quitter) on a class
// folder damaged the way school computers damage them: a word list emptied,
// a pupil file the program may not read, a quote broken by a slip, a text
// editor's "Unicode" save, a date typed by hand, links planted by another
// account. Whatever happens, a child's progress stays on disk.
#include "data/encodage.h"
#include "data/sauvegardes.h"
#include "data/valeurs.h"
#include "pupil/pilote.h"
#include "support/fichiers.h"
#include "teacher/frmenseignant.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMots = 60, kEtudies = 35; // 25 acquired, 10 on the ladder, 25 new

QString motNumero(int i) { return u"mot%1é"_s.arg(i, 2, 10, QChar(u'0')); }

QList<LigneProgression> lignesDePaul()
{
    QList<LigneProgression> lignes;
    for (int i = 0; i < kMots; ++i)
        lignes << ligne(motNumero(i), i < 25 ? 10 : i < kEtudies ? 3 + i % 7 : 0, u"1"_s, u"01/11/2026"_s);
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

// Word -> stage, from the bytes of a pupil file.
QHash<QString, int> etapes(const QByteArray &bilan)
{
    const QStringList v = lireValeurs(decoderTexteFichier(bilan));
    QHash<QString, int> resultat;
    for (qsizetype r = 0; r + kColonnes <= v.size(); r += kColonnes)
        for (int c : kColonnesMot)
            if (!v[r + c].isEmpty() && !resultat.contains(v[r + c]))
                resultat.insert(v[r + c], c);
    return resultat;
}

// Every word studied before is still at least at the copy step (acquired
// ones may only stay acquired: no answer here is wrong).
void verifierProgresGardes(const QByteArray &apres)
{
    const QHash<QString, int> maintenant = etapes(apres);
    QCOMPARE(maintenant.size(), kMots);
    for (int i = 0; i < kEtudies; ++i)
        QVERIFY2(maintenant.value(motNumero(i)) >= (i < 25 ? 10 : 3), qPrintable(motNumero(i)));
}

// The word presented answered right, then Quitter.
void visiter(Pilote &p)
{
    QVERIFY2(!p.fenetre->motCourant().isEmpty(), "no visit");
    p.repondre(p.fenetre->motCourant());
    p.quitter();
}

QByteArray copie(const Installation &inst, const QString &fichier, int rang = 0)
{
    return lireOctets(inst.chemin(kDossierSauvegardes + u'/' + listerSauvegardes(inst.dossier.path(), fichier).value(rang)));
}

// A file this process cannot read. Root (as in CI) reads whatever the
// permissions, so the process acts as "nobody" meanwhile, on a folder given
// to that account.
class Illisible {
public:
    Illisible(const Installation &inst, const QString &nom) : chemin_(QFile::encodeName(inst.chemin(nom)))
    {
        QVERIFY(::chmod(chemin_.constData(), 0200) == 0);
        if (::geteuid() != 0)
            return;
        QDirIterator tout(inst.dossier.path(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        QVERIFY(::chown(QFile::encodeName(inst.dossier.path()).constData(), 65534, 65534) == 0);
        while (tout.hasNext())
            QVERIFY(::lchown(QFile::encodeName(tout.next()).constData(), 65534, 65534) == 0);
        root_ = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
        QVERIFY(root_);
    }
    ~Illisible()
    {
        if (root_ && (::seteuid(0) != 0 || ::setegid(0) != 0))
            qFatal("cannot become root again");
        ::chmod(chemin_.constData(), 0644);
    }

private:
    QByteArray chemin_;
    bool root_ = false;
};

// The teacher window on a folder, closed at once.
QStringList ouvrirEtFermerEnseignant(const Installation &inst)
{
    PlateformeFactice plateforme;
    EtatProgramme etat;
    etat.dossierInstallation = inst.dossier.path();
    FrmEnseignant fenetre(etat, plateforme.services());
    fenetre.show();
    fenetre.close();
    QStringList textes;
    for (const MessageDemande &m : plateforme.messages.demandes)
        textes << m.texte;
    return textes;
}

} // namespace

class TestVisites : public QObject {
    Q_OBJECT

private slots:
    // A word list that gives no word while Sons holds recordings is damaged,
    // not empty: no visit, nothing written, the child is told to call the
    // teacher. The teacher is told which file, and the old one is kept.
    void listeMotsAbimee_data()
    {
        QTest::addColumn<bool>("illisible");
        QTest::newRow("charabia") << false;
        QTest::newRow("illisible") << true;
    }

    void listeMotsAbimee()
    {
        QFETCH(bool, illisible);
        Classe classe;
        const QByteArray charabia("\x01\x02 pas une liste\r\n");
        if (!illisible)
            classe.ecrire(u"Mots.dat"_s, charabia);
        const QByteArray avant = classe.lireBilan(u"Paul"_s);
        {
            std::unique_ptr<Illisible> garde(illisible ? new Illisible(classe, u"Mots.dat"_s) : nullptr);
            Pilote p(classe);
            QCOMPARE(p.plateforme.messages.titres(), QStringList{u"Liste des mots abîmée"_s});
            QTRY_VERIFY(!p.fenetre->isVisible());
            const QStringList enseignant = ouvrirEtFermerEnseignant(classe);
            QVERIFY(!enseignant.isEmpty() && enseignant.first().contains(u"« Mots.dat »"_s));
        }
        QCOMPARE(classe.lireBilan(u"Paul"_s), avant);
        QCOMPARE(copie(classe, u"Mots.dat"_s), illisible ? kAbsent : charabia);
    }

    // A pupil file that exists but cannot be read is never taken for a new
    // pupil: no visit, nothing written over it; once readable, all is there.
    void bilanIllisible()
    {
        Classe classe;
        const QByteArray avant = classe.lireBilan(u"Paul"_s);
        {
            Illisible garde(classe, u"Paul.bil"_s);
            Pilote p(classe, u"Paul"_s);
            QCOMPARE(p.plateforme.messages.titres(), QStringList{u"Fichier illisible"_s});
            QVERIFY(p.w<QGroupBox>(u"frameEleve"_s)->isVisible());
            p.fenetre->reject();
        }
        QCOMPARE(classe.lireBilan(u"Paul"_s), avant);
        Pilote p(classe, u"Paul"_s);
        visiter(p);
        verifierProgresGardes(classe.lireBilan(u"Paul"_s));
    }

    // Damage that used to empty the file at the next visit: every row comes
    // back, and a file read with damage is kept whole in Sauvegardes.
    void bilanAbime_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("copie");
        const QByteArray propre = octetsBilan(lignesDePaul());
        QTest::newRow("guillemet ouvrant") << QByteArray(propre).replace(propre.indexOf("\r\n\"", 3000) + 2, 1, ",") << true;
        QTest::newRow("guillemet fermant") << QByteArray(propre).replace(propre.indexOf("\"\r\n", 3000), 1, ",") << true;
        QByteArray utf16("\xFF\xFE");
        for (QChar c : decoderWindows1252(propre))
            utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
        QTest::newRow("UTF-16") << utf16 << false;
    }

    void bilanAbime()
    {
        QFETCH(QByteArray, octets);
        QFETCH(bool, copie);
        Classe classe;
        classe.ecrire(u"Paul.bil"_s, octets);
        Pilote p(classe, u"Paul"_s);
        visiter(p);
        verifierProgresGardes(classe.lireBilan(u"Paul"_s));
        QCOMPARE(::copie(classe, u"Paul.bil"_s), copie ? octets : kAbsent);
    }

    // Words gone from the list take their rows, but the file as it was is
    // kept first, and the teacher puts it back from the pupil list.
    void progresRetireSauvegarde()
    {
        Classe classe;
        const QByteArray avant = classe.lireBilan(u"Paul"_s);
        classe.ecrire(u"Mots.dat"_s, "\"*\",\"mot59\xE9\",\"1\"\r\n");
        {
            Pilote p(classe, u"Paul"_s);
            visiter(p);
        }
        QCOMPARE(etapes(classe.lireBilan(u"Paul"_s)).keys(), QList<QString>{motNumero(59)});
        QCOMPARE(copie(classe, u"Paul.bil"_s), avant);
        const QByteArray remplace = classe.lireBilan(u"Paul"_s);
        PlateformeFactice plateforme;
        EtatProgramme etat;
        etat.dossierInstallation = classe.dossier.path();
        FrmEnseignant fenetre(etat, plateforme.services());
        fenetre.findChild<QPushButton *>(u"cmdEleves"_s)->click();
        fenetre.findChild<QPushButton *>(u"cmdRestaurer"_s)->click();
        QCOMPARE(classe.lireBilan(u"Paul"_s), avant);
        QCOMPARE(copie(classe, u"Paul.bil"_s, 0), remplace);
    }

    // A date typed by hand that cannot be read no longer freezes a waiting
    // word: it is dated today at loading, and due once the wait has run.
    void dateIllisible()
    {
        Installation inst;
        inst.preparer({u"hibou"_s});
        inst.ecrireBilan(u"Paul"_s, {ligne(u"hibou"_s, 7, u"1"_s, u"05.12.2026"_s)});
        Pilote(inst, u"Paul"_s, QDate(2026, 12, 5)).quitter();
        Pilote p(inst, u"Paul"_s, QDate(2026, 12, 6));
        visiter(p);
        QCOMPARE(etapes(inst.lireBilan(u"Paul"_s)).value(u"hibou"_s), 8);
    }

    // Links planted by another account: never followed nor written through.
    void liensPlantes()
    {
        Classe classe;
        QTemporaryDir ailleurs;
        const QString cible = ailleurs.filePath(u"secret.txt"_s);
        QVERIFY(ecrireOctets(cible, "secret"));
        QVERIFY(QFile::link(cible, classe.chemin(u"Mallory.bil"_s)));
        Pilote p(classe, u"Mallory"_s);
        QVERIFY(p.plateforme.messages.demandes.last().texte.contains(u"lien symbolique"_s));
        p.fenetre->reject();
        QVERIFY(QFile::remove(classe.chemin(u"Mots.dat"_s)) && QFile::link(cible, classe.chemin(u"Mots.dat"_s)));
        QVERIFY(ouvrirEtFermerEnseignant(classe).last().contains(u"lien symbolique"_s));
        QCOMPARE(lireOctets(cible), QByteArray("secret"));
    }
};

QTEST_MAIN(TestVisites)
#include "tst_visites.moc"
