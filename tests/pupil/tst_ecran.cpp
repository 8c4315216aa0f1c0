// The exercise screen as a child meets it: on every screen size, by touch,
// after a wrong answer, at "Qui es-tu ?" and at the end of the list.
#include "data/affichage.h"
#include "engine/etapes.h"
#include "pilote.h"
#include "platform/plateformeqt.h"
#include "platform/policesjeunes.h"
#include "pupil/correction.h"
#include "support/fichiers.h"
#include "teacher/frmenseignant.h"

namespace {

// Whatever a child would not see whole: a widget outside its parent, a text
// cut short, a key smaller than a finger.
QStringList defautsDisposition(QWidget *fenetre, bool touchesDoigt)
{
    QStringList defauts;
    for (QWidget *w : fenetre->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(fenetre) || w->inherits("QComboBoxPrivateContainer"))
            continue;
        const QString nom = w->objectName();
        if (w->parentWidget() && !w->parentWidget()->rect().contains(w->geometry()))
            defauts << nom + u" sort de son cadre"_s;
        const QFontMetrics m = w->fontMetrics();
        QString texte;
        if (auto *l = qobject_cast<QLabel *>(w); l && l->pixmap().isNull()) {
            if (l->wordWrap() ? l->heightForWidth(l->width()) > l->height()
                              : m.horizontalAdvance(l->text()) > l->contentsRect().width())
                defauts << nom + u" coupé"_s;
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            texte = b->text().remove(u'&');
        } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
            texte = g->title();
        }
        if (m.horizontalAdvance(texte) > w->width() - 4)
            defauts << nom + u" coupé"_s;
        // The exercise line is sized on its letters' ink, the rest on the line.
        const bool exercice = nom == u"txtMot"_s || nom == u"lblModele"_s;
        if ((exercice ? m.tightBoundingRect(u"ÂÉbdlgjpqy"_s).height() : m.height()) > w->height())
            defauts << nom + u" trop bas pour son texte"_s;
        if (touchesDoigt && nom.startsWith(u"lblLettre_"_s) && (w->width() < 44 || w->height() < 44))
            defauts << u"%1 %2x%3"_s.arg(nom).arg(w->width()).arg(w->height());
    }
    return defauts;
}

void redimensionner(QWidget *fenetre, QSize taille)
{
    fenetre->showNormal();
    fenetre->resize(taille);
    QTRY_COMPARE(fenetre->size(), taille);
    QVERIFY(QTest::qWaitForWindowExposed(fenetre));
}

void poserLeDoigt(QWidget *w)
{
    static QPointingDevice *ecranTactile = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    QTest::touchEvent(w, ecranTactile).press(0, w->rect().center(), w);
    QTest::touchEvent(w, ecranTactile).release(0, w->rect().center(), w);
    QCoreApplication::processEvents();
}

} // namespace

class TestEcran : public QObject {
    Q_OBJECT

private slots:
    void disposition_data()
    {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<QString>("police");
        QTest::addColumn<double>("taille");
        for (QSize ecran : {QSize(800, 600), QSize(1366, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
            const QString nom = u"%1x%2"_s.arg(ecran.width()).arg(ecran.height());
            QTest::newRow(qPrintable(nom)) << ecran << u"Comic Sans MS"_s << 15.75;
            QTest::newRow(qPrintable(nom + u"-andika-36"_s)) << ecran << u"Andika"_s << 36.0;
            QTest::newRow(qPrintable(nom + u"-ecolier-24"_s)) << ecran << u"Ecolier_court"_s << 24.0;
        }
    }
    // The whole visit at each size (the window takes the screen less a
    // panel): the word, a wrong answer with its correction, the copy.
    void disposition()
    {
        QFETCH(QSize, ecran);
        QFETCH(QString, police);
        QFETCH(double, taille);
        Installation inst;
        inst.preparer({u"bibliothèque"_s});
        Pilote p(inst, u"Paul"_s, QDate(2026, 12, 5), {police, taille});
        redimensionner(p.fenetre.get(), ecran - QSize(0, 48));
        const bool doigt = ecran.width() >= 1366;
        QCOMPARE(defautsDisposition(p.fenetre.get(), doigt).join(u", "_s), QString());
        p.repondre(u"bibiotèque"_s);
        QVERIFY(p.w<VueCorrection>(u"vueCorrection"_s)->isVisible());
        QCOMPARE(defautsDisposition(p.fenetre.get(), doigt).join(u", "_s), QString());
        // The README's pictures: ORTHOVAL_CAPTURES=<folder> test_pupil_ecran disposition
        if (const QString dossier = qEnvironmentVariable("ORTHOVAL_CAPTURES"); !dossier.isEmpty() && taille > 20)
            QVERIFY(p.fenetre->grab().save(dossier + u"/ecran-"_s + QString::fromLatin1(QTest::currentDataTag()) + u".png"_s));
        p.suivant();
        QVERIFY(p.modeleVisible());
        QCOMPARE(defautsDisposition(p.fenetre.get(), doigt).join(u", "_s), QString());
        // The exercise font grows with the screen, at least to its size.
        if (ecran.width() >= 1920)
            QVERIFY(p.txtMot()->font().pointSizeF() >= taille);
    }

    // Ok takes a click and a finger in its middle after an answer, whatever
    // the young readers' font: no mark of the last answer lies over it, and
    // the mark is gone when the next step is presented.
    void okLibreApresReponse_data()
    {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<QString>("police");
        QTest::addColumn<double>("taille");
        for (QSize ecran : {QSize(1366, 768), QSize(1920, 1080)})
            for (const QString &police : kPolicesJeunesLecteurs)
                for (double taille : {11.5, 24.0})
                    QTest::newRow(qPrintable(u"%1x%2-%3-%4"_s.arg(ecran.width()).arg(ecran.height()).arg(police).arg(taille)))
                        << ecran << police << taille;
    }
    void okLibreApresReponse()
    {
        QFETCH(QSize, ecran);
        QFETCH(QString, police);
        QFETCH(double, taille);
        Installation inst;
        inst.preparer({u"sable"_s});
        Pilote p(inst, u"Paul"_s, QDate(2026, 12, 5), {police, taille});
        redimensionner(p.fenetre.get(), ecran - QSize(0, 48));
        auto *ok = p.w<QPushButton>(u"cmdOk"_s);
        QWidget *marque = p.w<QWidget>(u"imgOuiNon"_s);
        p.repondre(u"pappa"_s);
        QVERIFY(marque->isVisible());
        QVERIFY2(!marque->geometry().intersects(ok->geometry()), "la marque couvre Ok");
        const QPoint milieu = ok->mapTo(p.fenetre.get(), ok->rect().center());
        for (bool doigt : {false, true}) {
            p.suivant();
            QVERIFY(!marque->isVisible());
            frapper(p.txtMot(), u"s"_s, Qt::Key_S);
            QCOMPARE(p.fenetre->childAt(milieu), ok);
            if (doigt) {
                static QPointingDevice *ecranTactile = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
                QTest::touchEvent(p.fenetre->windowHandle(), ecranTactile).press(0, milieu);
                QTest::touchEvent(p.fenetre->windowHandle(), ecranTactile).release(0, milieu);
                QCoreApplication::processEvents();
            } else {
                QTest::mouseClick(p.fenetre->windowHandle(), Qt::LeftButton, {}, milieu);
            }
            QVERIFY2(p.txtMot()->isReadOnly(), "Ok n'a pas pris la réponse");
            QVERIFY(!marque->geometry().intersects(ok->geometry()));
        }
    }

    // The small letters of the exercise are at least 5 mm tall on a laptop
    // screen (96 dpi), whatever young readers' font and size the teacher
    // chose: a cursive is read as large as print.
    void petitesLettres_data()
    {
        QTest::addColumn<QString>("police");
        QTest::addColumn<double>("taille");
        QTest::addColumn<double>("minimumMm");
        // The ruled cursive draws its lines into every glyph, twice as tall
        // as its letters: the rows of the screen hold it at 3.5 mm only.
        for (const QString &police : kPolicesJeunesLecteurs)
            for (double taille : {11.5, 15.75, 24.0})
                QTest::newRow(qPrintable(u"%1-%2"_s.arg(police).arg(taille)))
                    << police << taille << (police.contains(u"lignes"_s) ? 3.5 : 5.0);
    }
    void petitesLettres()
    {
        QFETCH(QString, police);
        QFETCH(double, taille);
        QFETCH(double, minimumMm);
        Installation inst;
        inst.preparer({u"bibliothèque"_s});
        Pilote p(inst, u"Paul"_s, QDate(2026, 12, 5), {police, taille});
        redimensionner(p.fenetre.get(), QSize(1366, 768 - 48));
        QCOMPARE(p.fenetre->logicalDpiY(), 96);
        // The ruled cursive draws its lines into every glyph: its small
        // letters are measured on the plain cursive at the same size.
        QFont mesuree = p.txtMot()->font();
        if (police.contains(u"lignes"_s)) {
            mesuree.setFamily(u"Ecolier_court"_s);
            mesuree.setPixelSize(QFontInfo(p.txtMot()->font()).pixelSize());
        }
        const double x = QFontMetricsF(mesuree).xHeight();
        QVERIFY2(x * 25.4 / 96 >= minimumMm - 0.05, qPrintable(u"%1 px, %2 pt"_s.arg(x).arg(p.txtMot()->font().pointSizeF())));
        QCOMPARE(p.w(u"lblModele"_s)->font(), p.txtMot()->font());
        QCOMPARE(defautsDisposition(p.fenetre.get(), true), QStringList());
    }

    // A finger on the screen does what a click does: a key, Ok, Suivant, the
    // loudspeaker, as a child goes through a word.
    void toucher()
    {
        Installation inst;
        inst.preparer({u"été"_s});
        Pilote p(inst, u"Paul"_s);
        redimensionner(p.fenetre.get(), QSize(800, 560));
        poserLeDoigt(p.w<QWidget>(u"lblLettre_28"_s));
        QCOMPARE(p.txtMot()->text(), u"é"_s);
        poserLeDoigt(p.w<QWidget>(u"cmdOk"_s));
        QVERIFY(p.txtMot()->isReadOnly());
        poserLeDoigt(p.w<QWidget>(u"cmdSuivant"_s));
        QVERIFY(!p.txtMot()->isReadOnly() && p.txtMot()->text().isEmpty());
        const qsizetype joues = p.plateforme.son.joues.size();
        poserLeDoigt(p.w<QWidget>(u"imgSon"_s));
        QCOMPARE(p.plateforme.son.joues.size(), joues + 1);
    }

    void correction_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QString>("tapee");
        QTest::addColumn<QString>("attendue");
        QTest::addColumn<QList<int>>("marquees");
        QTest::newRow("lettre oubliée") << u"ballon"_s << u"balon"_s << u"ba_lon"_s << u"ballon"_s << QList<int>{2};
        QTest::newRow("lettre en trop") << u"chat"_s << u"chatt"_s << u"chatt"_s << u"cha_t"_s << QList<int>{3};
        QTest::newRow("lettres inversées") << u"lune"_s << u"lnue"_s << u"lnue"_s << u"lune"_s << QList<int>{1, 2};
        QTest::newRow("accent") << u"école"_s << u"ecole"_s << u"ecole"_s << u"école"_s << QList<int>{0};
        QTest::newRow("majuscule") << u"Paris"_s << u"paris"_s << u"paris"_s << u"Paris"_s << QList<int>{0};
    }
    // A wrong answer shows where the mistake is, on the screen, until "Suivant".
    void correction()
    {
        QFETCH(QString, mot);
        QFETCH(QString, reponse);
        QFETCH(QString, tapee);
        QFETCH(QString, attendue);
        QFETCH(QList<int>, marquees);
        Installation inst;
        inst.preparer({mot});
        Pilote p(inst, u"Paul"_s);
        const QString consigne = p.texte(u"lblConsigne"_s);
        p.repondre(reponse);
        auto *vue = p.w<VueCorrection>(u"vueCorrection"_s);
        QVERIFY(vue->isVisible());
        QCOMPARE(vue->lignes().tapee, tapee);
        QCOMPARE(vue->lignes().attendue, attendue);
        QCOMPARE(vue->colonnesMarquees(), marquees);
        QVERIFY(p.texte(u"lblConsigne"_s) != consigne);   // a kind word instead of the instruction
        QVERIFY(p.plateforme.messages.demandes.isEmpty());   // no box to close
        p.suivant();
        QVERIFY(vue->isHidden() && p.modeleVisible());
        QCOMPARE(p.texte(u"lblConsigne"_s), consigne);
        p.repondre(mot.toLower());   // the box lowers capitals: right unless the word has one
        QCOMPARE(vue->isHidden(), mot == mot.toLower());
        QVERIFY(p.texte(u"lblConsigne"_s) != consigne);
    }

    // The window takes the screen; nobody is chosen in advance; "Qui es-tu ?"
    // is read from a child's seat on a laptop (its small letters at least
    // 4 mm tall at 96 dpi); the first letters typed choose.
    void quiEsTu()
    {
        Installation inst;
        inst.preparer({u"chat"_s});
        inst.ecrireBilan(u"Zoé"_s, {});
        Pilote p(inst);
        auto *liste = p.w<QComboBox>(u"cmbEleve"_s);
        auto *cestMoi = p.w<QPushButton>(u"cmdIdentite"_s);
        QVERIFY(p.fenetre->windowState() & Qt::WindowMaximized);   // the screen is larger than the window
        QCOMPARE(p.fenetre->size(), QSize(800, 600));
        redimensionner(p.fenetre.get(), QSize(1366, 768 - 48));
        auto *cadre = p.w<QGroupBox>(u"frameEleve"_s);
        QCOMPARE(cadre->title(), u"Qui es-tu ?"_s);
        const double x = QFontMetricsF(cadre->font()).tightBoundingRect(u"x"_s).height();
        QVERIFY2(x * 25.4 / 96 >= 4.0, qPrintable(QString::number(x)));
        QCOMPARE(defautsDisposition(p.fenetre.get(), false), QStringList());
        QCOMPARE(liste->currentIndex(), -1);
        QVERIFY(!cestMoi->isEnabled());
        QTest::keyClick(p.fenetre.get(), Qt::Key_Return);
        QVERIFY(p.fenetre->nomEleve().isEmpty());
        QTest::keyClick(liste, Qt::Key_Z);
        QCOMPARE(liste->currentText(), u"Zoé"_s);
        QVERIFY(cestMoi->isEnabled());
        cestMoi->click();
        QCOMPARE(p.fenetre->nomEleve(), u"Zoé"_s);
    }

    // Quitter ends the visit with what the child did, on a note that needs
    // no answer and goes by itself.
    void resumeAuDepart()
    {
        Installation inst;
        inst.preparer({u"sable"_s});
        Pilote p(inst, u"Paul"_s);
        p.repondre(u"pappa"_s);
        QVERIFY(!p.texte(u"lblConsigne"_s).contains(u"presque"_s, Qt::CaseInsensitive));
        p.suivant();
        p.repondre(u"sable"_s);
        p.quitter();
        QVERIFY(!p.fenetre->isVisible());
        QVERIFY(p.plateforme.messages.demandes.isEmpty());
        QPointer<QLabel> note;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == u"lblResume"_s && w->isVisible())
                note = qobject_cast<QLabel *>(w);
        QVERIFY(note);
        QCOMPARE(note->text(), u"Aujourd'hui tu as écrit 1 mot, 0 juste du premier coup. À bientôt !"_s);
        QTRY_VERIFY_WITH_TIMEOUT(note.isNull() || !note->isVisible(), 8000);
    }

    // With every word acquired, the screen says the work is done, and
    // Quitter saves.
    void finDeListe()
    {
        Installation inst;
        inst.preparer({u"chat"_s});
        inst.ecrireBilan(u"Paul"_s, {ligne(u"chat"_s, kEtapeAcquis, u"1"_s, u"01/12/2026"_s)});
        Pilote p(inst, u"Paul"_s);
        QCOMPARE(p.messages(u"Fin de liste"_s), 1);
        QVERIFY(!p.plateforme.messages.demandes.last().texte.contains(u"imprim"_s));
        QVERIFY(!p.texte(u"lblConsigne"_s).contains(u"zone jaune"_s));
        QVERIFY(p.texte(u"lblConsigne"_s).contains(u"Quitter"_s));
        p.quitter();
        QCOMPARE(p.fenetre->result(), int(QDialog::Accepted));
    }

    // The teacher's font list opens on the installed fonts for young
    // readers, never a symbol font.
    void policesJeunesLecteurs()
    {
        PlateformeFactice plateforme;
        PolicesQt polices;
        Plateforme services = plateforme.services();
        services.polices = &polices;
        EtatProgramme etat;
        FrmEnseignant fenetre(etat, services);
        auto *liste = fenetre.findChild<QComboBox *>(u"cmbPolices"_s);
        QProcess fcList;
        fcList.start(u"fc-list"_s, {u":"_s, u"family"_s});
        QVERIFY(fcList.waitForFinished(30000));
        const QStringList installees = QString::fromUtf8(fcList.readAllStandardOutput()).split(QRegularExpression(u"[,\n]"_s));
        QStringList attendu, groupe;
        for (const QString &nom : kPolicesJeunesLecteurs)
            if (installees.contains(nom))
                attendu << nomAffichePolice(nom);
        QCOMPARE(attendu.size(), kPolicesJeunesLecteurs.size());   // scripts/common.sh installs them all
        for (int i = 1; i < liste->count() && (liste->model()->flags(liste->model()->index(i, 0)) & Qt::ItemIsEnabled); ++i)
            groupe << liste->itemText(i);
        QCOMPARE(groupe, attendu);
        QCOMPARE(liste->findText(u"D050000L"_s), -1);   // Dingbats
        // The school cursive by its name; the family it stands for is kept.
        QCOMPARE(groupe.mid(3), (QStringList{u"Écolier"_s, u"Écolier lignes"_s}));
        emit liste->textActivated(u"Écolier lignes"_s);
        QCOMPARE(fenetre.findChild<QLabel *>(u"lblTestPolice"_s)->font().family(), u"Ecolier_lignes_court"_s);
    }

    void espacement_data()
    {
        QTest::addColumn<int>("choix");
        QTest::addColumn<QByteArray>("fichier");   // written over Affichage.dat before the visit
        QTest::addColumn<double>("pourcentage");
        QTest::newRow("très large") << 2 << QByteArray() << 130.0;
        QTest::newRow("fichier abîmé") << 2 << QByteArray("\"Espacement\",\"\xff\x01") << 100.0;
        QTest::newRow("valeur inconnue") << 1 << QByteArray("\"Espacement\",\"immense\"\r\n") << 100.0;
    }
    // The letter spacing chosen by the teacher reaches the model and the
    // answer; Fonte.dat keeps its two values; a bad file gives the default.
    void espacement()
    {
        QFETCH(int, choix);
        QFETCH(QByteArray, fichier);
        QFETCH(double, pourcentage);
        Installation inst;
        inst.preparer({u"chat"_s});
        PlateformeFactice plateforme;
        EtatProgramme etat{inst.dossier.path()};
        FrmEnseignant enseignant(etat, plateforme.services());
        enseignant.findChild<QComboBox *>(u"cmbEspacement"_s)->setCurrentIndex(choix);
        enseignant.done(QDialog::Accepted);
        QCOMPARE(lireOctets(inst.chemin(u"Fonte.dat"_s)).count("\r\n"), 2);   // still its two values
        if (!fichier.isEmpty())
            inst.ecrire(kFichierAffichage, fichier);
        Pilote p(inst, u"Paul"_s);
        p.suivant();
        for (QWidget *w : {p.w<QWidget>(u"txtMot"_s), p.w<QWidget>(u"lblModele"_s)}) {
            QCOMPARE(w->font().letterSpacingType(), QFont::PercentageSpacing);
            QCOMPARE(w->font().letterSpacing(), pourcentage);
        }
    }
};

QTEST_MAIN(TestEcran)
#include "tst_ecran.moc"
