// The report a pupil prints: its text, to a PDF through the real printer
// path, and into a file.
#include "pilote.h"
#include "platform/impression.h"
#include "platform/plateformeqt.h"
#include "platform/sortieimpression.h"
#include "engine/rapport.h"
#include "support/utilisateurimpression.h"
#include "support/fichiers.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kTetes[] = {u"MOTS ACQUIS (bien orthographiés un mois après leur étude ou déjà connus)\n\n"_s,
                          u"MOTS EN COURS D'ÉTUDE (il faut parfois attendre avant de les rencontrer à nouveau)\n\n"_s,
                          u"MOTS NON PROPOSÉS\n\n"_s};

QString rapportDe(const QList<LigneProgression> &lignes, const QString &nom)
{
    TableProgression t;
    for (const LigneProgression &l : lignes)
        t.ajouterLigne(l);
    return composerRapport(t, nom, QDate(2026, 12, 5));
}

const QString kD0 = u"01/12/2026"_s;

} // namespace

class TestRapport : public QObject {
    Q_OBJECT

private slots:
    void rapport_data()
    {
        QTest::addColumn<QList<LigneProgression>>("lignes");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("attendu");

        QTest::newRow("Paul") << QList<LigneProgression>{ligne("chat", 10, "1", kD0), ligne("mur", 4, "1", kD0),
                                                         ligne("lune", 9, "2", kD0), ligne("bol", 0, "1", kD0),
                                                         ligne("sol", 4, "3", kD0)}
                              << u"Paul"_s
                              << u"Paul - 05/12/2026\n\n"_s + kTetes[0] + u"chat / \n\n"_s + kTetes[1]
                                     + u"lune / mur / sol / \n\n"_s + kTetes[2] + u"bol / "_s;
        QTest::newRow("table vide") << QList<LigneProgression>{} << u"Élodie M"_s
                                    << u"Élodie M - 05/12/2026\n\n"_s + kTetes[0] + u"\n\n"_s + kTetes[1] + u"\n\n"_s
                                           + kTetes[2];
    }

    void rapport()
    {
        QFETCH(QList<LigneProgression>, lignes);
        QFETCH(QString, nom);
        QFETCH(QString, attendu);
        QCOMPARE(rapportDe(lignes, nom), attendu);
    }

    // Through the real printer into a PDF file.
    void rapport_pdf()
    {
        QTemporaryDir dossier;
        const QString pdf = dossier.path() + u"/r.pdf"_s;
        QPrinter p;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        QVERIFY(imprimerTexte(p, rapportDe({ligne("bol", 0, "1", "01/12/2026")}, u"Élodie M"_s), QFont(u"Comic Sans MS"_s, 9.75)));
        QVERIFY(lireOctets(pdf).startsWith("%PDF"));

        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess lecteur;
        lecteur.start(pdftotext, {pdf, u"-"_s});
        QVERIFY(lecteur.waitForFinished(30000));
        const QString lu = QString::fromUtf8(lecteur.readAllStandardOutput());
        QVERIFY2(lu.contains(u"Élodie M"_s) && lu.contains(u"MOTS NON PROPOSÉS"_s), qPrintable(lu));
    }

    // "Imprimer dans un fichier (PDF)" from the pupil window, through the real
    // print dialog: never into the data folder (Code.dat, a pupil's file, a
    // new file in Sons, the same folder through a link), never over a file
    // that is not a PDF; refused with a message, and the dialog comes back on
    // Documents. Elsewhere the report is printed.
    void imprimerDansUnFichier_data()
    {
        QTest::addColumn<QString>("cible");   // <donnees>/... or <dehors>/...
        QTest::addColumn<QString>("refus");   // a part of the message; empty: printed
        const QString donnees = u"dossier des données"_s, pasPdf = u"n'est pas un document PDF"_s;
        QTest::newRow("Code.dat") << "<donnees>/Code.dat" << donnees;
        QTest::newRow("bilan d'un élève") << "<donnees>/Lea.bil" << donnees;
        QTest::newRow("nouveau fichier dans Sons") << "<donnees>/Sons/bilan.pdf" << donnees;
        QTest::newRow("par un lien vers les données") << "<dehors>/lien/Code.dat" << donnees;
        QTest::newRow("texte existant ailleurs") << "<dehors>/notes.txt" << pasPdf;
        QTest::newRow("nouveau PDF ailleurs") << "<dehors>/bilan.pdf" << "";
        QTest::newRow("ancien PDF ailleurs") << "<dehors>/ancien.pdf" << "";
    }
    void imprimerDansUnFichier()
    {
        QFETCH(QString, cible);
        QFETCH(QString, refus);
        // A home of its own, so that "Documents" is known.
        QTemporaryDir maison, dehors;
        const QByteArray ancienneMaison = qgetenv("HOME");
        qputenv("HOME", maison.path().toUtf8());
        const auto remettre = qScopeGuard([&] { qputenv("HOME", ancienneMaison); });
        QVERIFY(QDir(maison.path()).mkdir(u"Documents"_s));
        const QString documents = maison.path() + u"/Documents"_s;
        QCOMPARE(dossierImpressionPropose(), documents);

        Installation inst;
        inst.preparer({u"chat"_s, u"lune"_s});
        const QByteArray code = "\"1234\"\r\n", lea = octetsBilan({ligne("chat", 9, "1", "01/12/2026")});
        inst.ecrire(u"Code.dat"_s, code);
        inst.ecrire(u"Lea.bil"_s, lea);
        QVERIFY(QFile::link(inst.dossier.path(), dehors.filePath(u"lien"_s)));
        QVERIFY(ecrireOctets(dehors.filePath(u"notes.txt"_s), "notes de classe\n"));
        QVERIFY(ecrireOctets(dehors.filePath(u"ancien.pdf"_s), "%PDF-1.4\n%%EOF\n"));
        QString fichier = cible;
        fichier.replace(u"<donnees>"_s, inst.dossier.path()).replace(u"<dehors>"_s, dehors.path());
        const QByteArray octetsAvant = lireOctets(fichier);

        PlateformeFactice p;
        ImprimanteQt imprimante(p.messages);
        imprimante.protegerDossier(inst.dossier.path());
        Plateforme services = p.services();
        services.imprimante = &imprimante;
        EtatProgramme etat;
        etat.dossierInstallation = inst.dossier.path();
        FrmEleve f(etat, services);
        f.show();
        auto *liste = f.findChild<QComboBox *>(u"cmbEleve"_s);
        liste->setCurrentIndex(liste->findText(u"Paul"_s));
        f.findChild<QPushButton *>(u"cmdIdentite"_s)->click();

        UtilisateurImpression utilisateur({fichier});   // then "Annuler" when the dialog comes back
        f.findChild<QAbstractButton *>(u"cmdImprimer"_s)->click();

        // The dialog first offers a file in Documents, not in the current folder.
        QCOMPARE(utilisateur.proposes.value(0), documents + u"/OrthoVal.pdf"_s);
        const QByteArray octetsApres = lireOctets(fichier);
        if (refus.isEmpty()) {
            QVERIFY(octetsApres.startsWith("%PDF-") && octetsApres.size() > 100);
            QVERIFY(p.messages.demandes.isEmpty());
            QCOMPARE(utilisateur.proposes.size(), 1);
        } else {
            QCOMPARE(octetsApres, octetsAvant);
            QCOMPARE(p.messages.titres(), QStringList{u"Impression"_s});
            const QString message = p.messages.demandes[0].texte;
            QVERIFY2(message.contains(refus) && message.contains(documents), qPrintable(message));
            QCOMPARE(utilisateur.proposes.size(), 2);
            QCOMPARE(utilisateur.proposes[1], documents + u'/' + QFileInfo(fichier).completeBaseName() + u".pdf"_s);
        }
        QCOMPARE(lireOctets(inst.chemin(u"Code.dat"_s)), code);
        QCOMPARE(inst.lireBilan(u"Lea"_s), lea);
    }
};

QTEST_MAIN(TestRapport)
#include "tst_rapport.moc"
