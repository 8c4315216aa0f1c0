// The teacher's guide (F1 in the teacher window) and the first-start notices
// that send the teacher to it: opened for real, read as shown, and every
// button they name found in the program's own windows.
#include "shell/frmorthoval.h"
#include "teacher/aide.h"
#include "teacher/outils.h"

#include <QRegularExpression>
#include <QTextBlock>

namespace {

// The subjects the guide covers, each with a name or word its text must give.
struct Sujet {
    const char *titre;
    const char *contenu;
};
const Sujet kSujets[] = {
    {"Premiers pas", "Code.dat"},
    {"Ajouter des mots", "« Ajouter des mots… »"},
    {"Les niveaux", "« Donner à tous les mots affichés »"},
    {"Les élèves", "« Liste d'élèves »"},
    {"Le suivi de la classe", "« Suivi des élèves »"},
    {"Les sauvegardes", "« Restaurer... »"},
    {"Le dossier partagé", "orthoval.conf"},
};

// What a control shows, as a text quotes it: without the & of its shortcut
// key nor the colon of a label.
QString commeCite(QString texte)
{
    texte = texte.remove(u'&').simplified();
    if (texte.endsWith(u':'))
        texte.chop(1);
    return texte.trimmed();
}

// Every text a control of a window shows: buttons, labels, titles, tabs,
// list entries, menu entries.
QSet<QString> textesDesControles(const QList<QWidget *> &widgets)
{
    QSet<QString> textes;
    for (QWidget *w : widgets) {
        textes << commeCite(w->windowTitle());
        for (const QAction *a : w->actions())
            textes << commeCite(a->text());
        for (const QAction *a : w->findChildren<QAction *>(Qt::FindDirectChildrenOnly))
            textes << commeCite(a->text());
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            textes << commeCite(b->text());
        else if (auto *l = qobject_cast<QLabel *>(w))
            textes << commeCite(l->text());
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            textes << commeCite(g->title());
        else if (auto *t = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < t->count(); ++i)
                textes << commeCite(t->tabText(i));
        else if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                textes << commeCite(c->itemText(i));
    }
    return textes;
}

// The texts « » quote.
QStringList citations(const QString &texte)
{
    QStringList noms;
    static const QRegularExpression guillemets(u"«\\s*([^»]*?)\\s*»"_s);
    for (const QRegularExpressionMatch &m : guillemets.globalMatch(texte))
        noms << m.captured(1).simplified();
    noms.removeDuplicates();
    return noms;
}

// The guide as the teacher reads it.
QString texteGuide()
{
    FrmAide aide(QSize(1366, 720));
    return aide.findChild<QTextBrowser *>(u"txtAide"_s)->toPlainText();
}

// The main window over a data folder of its own, started from `programme`.
struct Accueil {
    QTemporaryDir donnees;
    PlateformeFactice p;
    EtatProgramme etat;
    std::unique_ptr<FrmOrthoval> f;
    explicit Accueil(const QString &programme)
    {
        QDir(donnees.path()).mkpath(u"Sons"_s);
        etat.dossierInstallation = donnees.path();
        etat.dossierProgramme = programme;
        f = std::make_unique<FrmOrthoval>(etat, p.services());
    }
    QString texte(const QString &nom) const { return f->findChild<QLabel *>(nom)->text(); }
};

FrmAide *aideOuverte(const Fenetre &fen) { return fen.f->findChild<FrmAide *>(); }

// The guide opened by its button and shown on screen; null if it is not.
FrmAide *ouvrirAide(const Fenetre &fen)
{
    fen.clic(u"cmdAide"_s);
    const bool montree = QTest::qWaitFor([&fen] { return aideOuverte(fen) && aideOuverte(fen)->isVisible(); });
    return montree && QTest::qWaitForWindowExposed(aideOuverte(fen)) ? aideOuverte(fen) : nullptr;
}

void appuyerF1(QWidget *cible)
{
    cible->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(cible->window()));
    cible->setFocus();
    QTest::keyClick(cible, Qt::Key_F1);
}

// The title of a subject, in the browser's coordinates.
QRect placeDuTitre(QTextBrowser *navigateur, const QString &titre)
{
    for (QTextBlock b = navigateur->document()->begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() == 2 && b.text().simplified() == titre)
            return navigateur->cursorRect(QTextCursor(b));
    return {};
}

// What a subject says, from its title to the next one.
QString texteDuSujet(QTextBrowser *navigateur, const QString &titre)
{
    QString texte;
    bool dedans = false;
    for (QTextBlock b = navigateur->document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 2)
            dedans = b.text().simplified() == titre;
        else if (dedans)
            texte += b.text() + u'\n';
    }
    return texte;
}

}  // namespace

class TestAide : public QObject {
    Q_OBJECT

private slots:
    // F1 wherever the focus is in the teacher window, pupil panel included,
    // and the "Aide" button: the guide opens beside it, the same window each
    // time, and neither blocks the other.
    void ouverture_data()
    {
        QTest::addColumn<QString>("depuis");
        QTest::newRow("F1 dans la liste des mots") << u"vueMots"_s;
        QTest::newRow("F1 dans Chercher") << u"txtFiltre"_s;
        QTest::newRow("F1 dans la liste des polices") << u"cmbPolices"_s;
        QTest::newRow("F1 dans la liste d'élèves") << u"txtEleve"_s;
        QTest::newRow("bouton Aide") << u"cmdAide"_s;
    }
    void ouverture()
    {
        QFETCH(QString, depuis);
        Fenetre fen({u"chat"_s, u"hibou"_s}, {u"Paul"_s});
        QVERIFY(!aideOuverte(fen));
        if (depuis == u"txtEleve"_s) {
            fen.clic(u"cmdEleves"_s);
            fen.clic(u"cmdAjouter"_s);
        }
        for (int fois = 0; fois < 2; ++fois) {
            if (depuis == u"cmdAide"_s)
                fen.clic(depuis);
            else
                appuyerF1(fen.w<QWidget>(depuis));
            QTRY_VERIFY(aideOuverte(fen) && aideOuverte(fen)->isVisible());
        }
        FrmAide *aide = aideOuverte(fen);
        QCOMPARE(fen.f->findChildren<FrmAide *>().size(), 1);
        QVERIFY(aide->isWindow());
        QCOMPARE(aide->windowModality(), Qt::NonModal);
        // The guide answers clicks, and so does the teacher window behind it.
        auto *sommaire = aide->findChild<QListWidget *>(u"lstSommaire"_s);
        QTest::mouseClick(sommaire->viewport(), Qt::LeftButton, {}, sommaire->visualItemRect(sommaire->item(2)).center());
        QCOMPARE(sommaire->currentRow(), 2);
        if (depuis == u"txtEleve"_s)
            fen.clic(u"cmdTermine"_s);
        fen.clicNiveau(0);
        QCOMPARE(fen.niveau(0), u"1"_s);
        QVERIFY(aide->isVisible());
    }

    // Each subject is in the contents list; choosing it brings its title
    // into sight, at the top unless the guide ends first; and it speaks of
    // what it is about.
    void sujets_data()
    {
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("contenu");
        for (const Sujet &s : kSujets)
            QTest::newRow(s.titre) << QString::fromUtf8(s.titre) << QString::fromUtf8(s.contenu);
    }
    void sujets()
    {
        QFETCH(QString, titre);
        QFETCH(QString, contenu);
        Fenetre fen({u"chat"_s});
        fen.p.ecran.tailleEcran = QSize(1366, 768 - 48);
        FrmAide *aide = ouvrirAide(fen);
        QVERIFY(aide);
        auto *sommaire = aide->findChild<QListWidget *>(u"lstSommaire"_s);
        auto *navigateur = aide->findChild<QTextBrowser *>(u"txtAide"_s);
        const QList<QListWidgetItem *> entrees = sommaire->findItems(titre, Qt::MatchExactly);
        QCOMPARE(entrees.size(), 1);
        QTest::mouseClick(sommaire->viewport(), Qt::LeftButton, {}, sommaire->visualItemRect(entrees[0]).center());
        const QRect place = placeDuTitre(navigateur, titre);
        const QRect vue = navigateur->viewport()->rect();
        QVERIFY2(vue.contains(place), qPrintable(u"%1 en %2"_s.arg(titre).arg(place.top())));
        QScrollBar *defilement = navigateur->verticalScrollBar();
        QVERIFY2(place.top() < vue.height() / 4 || defilement->value() == defilement->maximum(),
                 qPrintable(u"%1 en %2"_s.arg(titre).arg(place.top())));
        // simplified(): the non-breaking spaces of French typography become plain ones.
        const QString texte = texteDuSujet(navigateur, titre).simplified();
        QVERIFY2(texte.contains(contenu), qPrintable(texte));
    }

    // At the usual school screen sizes, the guide fits the screen, its
    // contents list shows every title whole, no line runs out of sight,
    // and the text is large enough and its lines short enough to read.
    void lisible_data()
    {
        QTest::addColumn<QSize>("ecran");
        for (const QSize ecran : {QSize(1366, 768 - 48), QSize(1280, 1024 - 48), QSize(1920, 1080 - 48),
                                  QSize(1024, 768 - 48), QSize(800, 600 - 48)})
            QTest::newRow(qPrintable(u"%1x%2"_s.arg(ecran.width()).arg(ecran.height() + 48))) << ecran;
    }
    void lisible()
    {
        QFETCH(QSize, ecran);
        Fenetre fen({u"chat"_s});
        fen.p.ecran.tailleEcran = ecran;
        FrmAide *aide = ouvrirAide(fen);
        QVERIFY(aide);
        QVERIFY2(aide->width() <= ecran.width() && aide->height() <= ecran.height(),
                 qPrintable(u"%1x%2"_s.arg(aide->width()).arg(aide->height())));
        auto *sommaire = aide->findChild<QListWidget *>(u"lstSommaire"_s);
        QCOMPARE(sommaire->count(), int(std::size(kSujets)));
        for (int i = 0; i < sommaire->count(); ++i) {
            const QRect r = sommaire->visualItemRect(sommaire->item(i));
            QVERIFY2(sommaire->viewport()->rect().contains(r), qPrintable(sommaire->item(i)->text()));
            QVERIFY2(sommaire->fontMetrics().horizontalAdvance(sommaire->item(i)->text()) < r.width(),
                     qPrintable(sommaire->item(i)->text()));
        }
        auto *navigateur = aide->findChild<QTextBrowser *>(u"txtAide"_s);
        const int largeur = navigateur->viewport()->width();
        QVERIFY2(navigateur->document()->idealWidth() <= largeur,
                 qPrintable(u"%1 > %2"_s.arg(navigateur->document()->idealWidth()).arg(largeur)));
        const QTextCursor paragraphe = navigateur->document()->find(u"code d'accès"_s);
        QVERIFY(!paragraphe.isNull());
        const QFont texte = paragraphe.charFormat().font().resolve(navigateur->document()->defaultFont());
        QVERIFY2(QFontInfo(texte).pointSizeF() >= 10.5, qPrintable(QString::number(QFontInfo(texte).pointSizeF())));
        const double signesParLigne = largeur / QFontMetricsF(texte).averageCharWidth();
        QVERIFY2(signesParLigne >= 45 && signesParLigne <= 120, qPrintable(QString::number(signesParLigne)));
        // A look by eye: ORTHOVAL_CAPTURES=<folder> test_aide lisible
        if (const QString dossier = qEnvironmentVariable("ORTHOVAL_CAPTURES"); !dossier.isEmpty())
            QVERIFY(aide->grab().save(dossier + u"/aide-"_s + QString::fromLatin1(QTest::currentDataTag()) + u".png"_s));
    }

    // Every button, tab or field the guide and the first-start notices name
    // between « » is one the teacher finds on screen, written the same: the
    // texts cannot drift from the windows.
    void commandesCitees_data()
    {
        QTest::addColumn<QString>("nom");
        const QString guide = texteGuide();
        QVERIFY(guide.contains(u"Guide de l'enseignant"_s));
        for (const QString &nom : citations(guide))
            QTest::newRow(qPrintable(u"guide : "_s + nom)) << nom;
        Accueil accueil({});
        for (const char *label : {"Label1", "Label2_1"})
            for (const QString &nom : citations(accueil.texte(QString::fromLatin1(label))))
                QTest::newRow(qPrintable(u"accueil : "_s + nom)) << nom;
    }
    void commandesCitees()
    {
        QFETCH(QString, nom);
        static const QSet<QString> textes = [] {
            QSet<QString> t;
            Accueil accueil({});
            t += textesDesControles(accueil.f->findChildren<QWidget *>());
            // The teacher window with all it opens: the pupil list, the word
            // menu, "Ajouter des mots…" and its microphone, the class
            // overview and one pupil's page, the guide itself.
            Fenetre fen({u"chat"_s}, {u"Paul"_s});
            fen.clic(u"cmdEleves"_s);
            fen.clic(u"cmdAide"_s);
            fen.clic(u"cmdAjouterMots"_s);
            auto *ajout = fen.f->findChild<QDialog *>(u"dialogueAjoutMots"_s);
            ajout->findChild<QPlainTextEdit *>(u"txtAjoutMots"_s)->setPlainText(u"hibou"_s);
            QTimer::singleShot(0, [&t] {
                if (QWidget *micro = QApplication::activeModalWidget()) {
                    t += textesDesControles(micro->findChildren<QWidget *>() << micro);
                    micro->close();
                }
            });
            ajout->findChild<QPushButton *>(u"cmdAjoutMicro"_s)->click();
            fen.clic(u"cmdSuivi"_s);
            auto *suivi = fen.f->findChild<QDialog *>(u"frmSuivi"_s);
            suivi->findChild<QPushButton *>(u"cmdVoirEleve"_s)->click();
            t += textesDesControles(fen.f->findChildren<QWidget *>() << fen.f.get());
            return t;
        }();
        QVERIFY2(textes.contains(nom), qPrintable(nom));
    }

    // The first-start notices name the documentation where this
    // installation keeps it: the package's, or a copied folder's beside the
    // program; the package's place when neither is there. Never the
    // sources' README.md, which an installed computer does not have.
    void documentationNommee_data()
    {
        QTest::addColumn<QString>("programme");      // the program's folder, under the test's root
        QTest::addColumn<QStringList>("fichiers");   // files made under the root; a trailing / makes a folder
        QTest::addColumn<QString>("nommee");         // the path the notice gives; <racine> is the root
        QTest::newRow("paquet") << u"usr/libexec/orthoval"_s << QStringList{u"usr/share/doc/orthoval/README"_s}
                                << u"<racine>/usr/share/doc/orthoval/README"_s;
        QTest::newRow("dossier copié") << u"clé USB/OrthoVal"_s << QStringList{u"clé USB/OrthoVal/README"_s}
                                       << u"<racine>/clé USB/OrthoVal/README"_s;
        QTest::newRow("sans documentation") << u"stage"_s << QStringList{u"stage/orthoval"_s}
                                            << u"/usr/share/doc/orthoval/README"_s;
        QTest::newRow("README est un dossier") << u"stage"_s << QStringList{u"stage/README/"_s}
                                               << u"/usr/share/doc/orthoval/README"_s;
        QTest::newRow("programme inconnu") << QString() << QStringList{} << u"/usr/share/doc/orthoval/README"_s;
    }
    void documentationNommee()
    {
        QFETCH(QString, programme);
        QFETCH(QStringList, fichiers);
        QFETCH(QString, nommee);
        QTemporaryDir racine;
        for (const QString &f : fichiers) {
            const QString chemin = racine.filePath(f);
            QVERIFY(QDir().mkpath(QFileInfo(chemin).path()));
            if (f.endsWith(u'/'))
                QVERIFY(QDir().mkpath(chemin));
            else
                QVERIFY(QFile(chemin).open(QIODevice::WriteOnly));
        }
        QDir().mkpath(racine.filePath(programme));
        Accueil accueil(programme.isEmpty() ? QString() : racine.filePath(programme));
        const QString attendu = QDir::toNativeSeparators(QString(nommee).replace(u"<racine>"_s, racine.path()));
        const QString notice = accueil.texte(u"Label2_1"_s);
        QVERIFY2(notice.contains(u'"' + attendu + u'"'), qPrintable(notice));
        for (const char *label : {"Label1", "Label2_0", "Label2_1"})
            QVERIFY2(!accueil.texte(QString::fromLatin1(label)).contains(u"README.md"_s), label);
        if (const QString dossier = qEnvironmentVariable("ORTHOVAL_CAPTURES"); !dossier.isEmpty()) {
            accueil.f->show();
            QVERIFY(QTest::qWaitForWindowExposed(accueil.f.get()));
            QVERIFY(accueil.f->grab().save(dossier + u"/accueil-"_s + QString::fromUtf8(QTest::currentDataTag()) + u".png"_s));
        }
    }
};

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
