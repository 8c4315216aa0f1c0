// The pupil list panel of the teacher window.
#include "outils.h"
#include "support/plateformefactice.h"
#include "teacher/frmenseignant.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
// A teacher window on its own folder, with the panel opened.
struct Panneau {
    Installation inst;
    PlateformeFactice p;
    EtatProgramme etat;
    std::unique_ptr<FrmEnseignant> fenetre;

    explicit Panneau(const QStringList &eleves = {})
    {
        inst.ajouterSons({"chat"});
        for (const QString &nom : eleves)
            inst.ecrire(nom + ".bil", QByteArray());
        etat.dossierInstallation = inst.chemin();
        fenetre = std::make_unique<FrmEnseignant>(etat, p.services());
        fenetre->resize(800, 600);
        fenetre->show();
        clic("cmdEleves");
    }
    template <typename T> T *w(const char *nom) { return enfant<T>(fenetre.get(), QLatin1String(nom)); }
    void clic(const char *bouton) { QTest::mouseClick(w<QPushButton>(bouton), Qt::LeftButton); }
    QStringList liste()
    {
        QStringList noms;
        auto *cmb = w<QComboBox>("cmbEleves");
        for (int i = 0; i < cmb->count(); ++i)
            noms << cmb->itemText(i);
        return noms;
    }
    // "A&jouter", the name typed, then Enter.
    void ajouter(const QString &nom)
    {
        clic("cmdAjouter");
        taper(w<QLineEdit>("txtEleve"), nom);
        QTest::keyClick(w<QLineEdit>("txtEleve"), Qt::Key_Return);
    }
    QStringList fichiers() const { return QDir(inst.chemin()).entryList({"*.bil"}, QDir::Files, QDir::Name); }
};
}  // namespace

class TestEleves : public QObject {
    Q_OBJECT
private slots:
    void panelOpensOverTheWindow()
    {
        Panneau t({"Martin Léa", "Durand Paul"});
        auto *cadre = t.w<QGroupBox>("frameEleves");
        QVERIFY(cadre->isVisible());
        QCOMPARE(cadre->title(), QStringLiteral("Gestion de la liste d'élèves"));
        QCOMPARE(cadre->geometry(), t.fenetre->rect());
        QVERIFY(!t.w<QComboBox>("cmbEleves")->isEditable());
        QVERIFY(t.w<QWidget>("frameSaisie")->isHidden());
        QCOMPARE(t.liste(), (QStringList{"Durand Paul", QStringLiteral("Martin Léa")}));
        QCOMPARE(t.w<QComboBox>("cmbEleves")->currentIndex(), 0);

        t.clic("cmdTermine");
        QVERIFY(cadre->isHidden());
        t.clic("cmdEleves");
        QCOMPARE(t.liste().size(), 2);   // each pupil once after reopening
    }

    void addTrimsAndSelects()
    {
        Panneau t({"Durand Paul"});
        t.clic("cmdAjouter");
        QVERIFY(!t.w<QPushButton>("cmdAjouter")->isEnabled());
        QVERIFY(!t.w<QPushButton>("cmdSupprimer")->isEnabled());
        QVERIFY(t.w<QWidget>("frameSaisie")->isVisible());
        taper(t.w<QLineEdit>("txtEleve"), QStringLiteral("  ÉVRARD Zoé  "));
        QTest::mouseClick(t.w<QPushButton>("cmdOkEleve"), Qt::LeftButton);
        QCOMPARE(t.fichiers(), (QStringList{"Durand Paul.bil", QStringLiteral("ÉVRARD Zoé.bil")}));
        QCOMPARE(t.inst.lire(QStringLiteral("ÉVRARD Zoé.bil")), QByteArray());
        QCOMPARE(t.w<QComboBox>("cmbEleves")->currentText(), QStringLiteral("ÉVRARD Zoé"));
        QVERIFY(t.w<QWidget>("frameSaisie")->isHidden());
        QVERIFY(t.w<QLineEdit>("txtEleve")->text().isEmpty());
        QVERIFY(t.w<QPushButton>("cmdAjouter")->isEnabled());
        QVERIFY(t.p.messages.demandes.isEmpty());
    }

    void blankNameKeepsTheEntryOpen()
    {
        Panneau t;
        t.ajouter("   ");
        QVERIFY(t.w<QWidget>("frameSaisie")->isVisible());
        QCOMPARE(t.w<QLineEdit>("txtEleve")->text(), QStringLiteral("   "));
        QVERIFY(t.w<QPushButton>("cmdAjouter")->isEnabled());
        QVERIFY(t.w<QPushButton>("cmdSupprimer")->isEnabled());
        QVERIFY(t.fichiers().isEmpty());
        QVERIFY(t.p.messages.demandes.isEmpty());
    }

    void existingPupilKeepsHisProgress()
    {
        Panneau t({"Paul", "Anne"});
        t.inst.ecrire("Paul.bil", "\"chat\"\r\n");
        t.ajouter("Paul");
        QCOMPARE(t.inst.lire("Paul.bil"), QByteArray("\"chat\"\r\n"));
        QCOMPARE(t.liste(), (QStringList{"Anne", "Paul"}));
        QCOMPARE(t.w<QComboBox>("cmbEleves")->currentText(), QStringLiteral("Paul"));
        QVERIFY(t.p.messages.demandes.isEmpty());
    }

    void refusedNames_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("titre");
        const QString refuse = QStringLiteral("Nom d'élève refusé");
        QTest::newRow("slash") << "Paul/Anne" << refuse;
        QTest::newRow("backslash") << "Paul\\Anne" << refuse;
        QTest::newRow("dot dot") << ".." << refuse;
        QTest::newRow("colon") << "C:Paul" << refuse;
        QTest::newRow("question mark") << "Paul?" << refuse;
        QTest::newRow("not Windows-1252") << QStringLiteral("Ἀλέξανδρος") << refuse;
        QTest::newRow("other case of an existing pupil") << "paul DURAND" << refuse;
    }
    void refusedNames()
    {
        QFETCH(QString, nom);
        QFETCH(QString, titre);
        Panneau t({"Paul Durand"});
        t.ajouter(nom);
        QCOMPARE(t.fichiers(), QStringList{"Paul Durand.bil"});
        QCOMPARE(QDir(t.inst.chemin()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 3);
        QCOMPARE(t.p.messages.titres(), QStringList{titre});
        QVERIFY(!t.p.messages.demandes.first().texte.isEmpty());
        // The entry stays open with the name, to be corrected.
        QVERIFY(t.w<QWidget>("frameSaisie")->isVisible());
        QCOMPARE(t.w<QLineEdit>("txtEleve")->text(), nom);
    }

    void deleteAsksFirst()
    {
        Panneau t({"Anne", "Paul"});
        auto *cmb = t.w<QComboBox>("cmbEleves");
        cmb->setCurrentIndex(1);
        t.p.messages.reponseQuestion = false;
        t.clic("cmdSupprimer");
        QCOMPARE(t.p.messages.demandes.size(), 1);
        QCOMPARE(t.p.messages.demandes.first().titre, QStringLiteral("Avertissement"));
        QCOMPARE(t.p.messages.demandes.first().texte,
                 QStringLiteral("Attention : opération irréversible !\nSouhaitez-vous continuer ?"));
        QVERIFY(t.p.messages.demandes.first().question);
        QCOMPARE(t.fichiers(), (QStringList{"Anne.bil", "Paul.bil"}));
        QCOMPARE(cmb->currentText(), QStringLiteral("Paul"));

        t.p.messages.reponseQuestion = true;
        t.clic("cmdSupprimer");
        QCOMPARE(t.fichiers(), QStringList{"Anne.bil"});
        QCOMPARE(t.liste(), QStringList{"Anne"});
        QCOMPARE(cmb->currentText(), QStringLiteral("Anne"));

        t.clic("cmdSupprimer");
        QVERIFY(t.fichiers().isEmpty());
        QCOMPARE(cmb->count(), 0);
        QCOMPARE(cmb->currentText(), QString());
        // Nothing selected: nothing asked.
        t.clic("cmdSupprimer");
        QCOMPARE(t.p.messages.demandes.size(), 3);
    }

    void deleteAVanishedFile()
    {
        Panneau t({"Anne", "Paul"});
        QVERIFY(QFile::remove(t.inst.fichier("Anne.bil")));
        t.clic("cmdSupprimer");
        QCOMPARE(t.liste(), QStringList{"Paul"});
        QCOMPARE(t.p.messages.demandes.size(), 1);   // only the confirmation
    }
};

int lancerTestsEleves(int argc, char **argv)
{
    TestEleves t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_eleves.moc"
