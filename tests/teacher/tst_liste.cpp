// Tests of the teacher window's word list: the filters, one level for every
// word shown, hearing a word, removing it, the replacement hook, the rows.
#include "outils.h"
#include "teacher/niveaux.h"
#include "teacher/textesenseignant.h"

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace {

const QStringList kMots{"chat", u"Château"_s, "cheval", "chien", u"échelle"_s, u"œuf"_s, "vache"};

// The folder above, with levels for some words in Mots.dat, an odd one
// (written by hand) included: the words in the window's order are chat,
// chien, vache, œuf, échelle, then the new ones, Château and cheval.
Fenetre fenetreMots()
{
    return Fenetre(kMots, {}, [](Fenetre &x) {
        x.inst.ecrire(u"Mots.dat"_s, ligneMots("chat", "1") + ligneMots("chien", "2") + ligneMots("vache", "1")
                                         + ligneMots("\x9cuf", "7") + ligneMots("\xe9" "chelle", "5"));
    });
}

// Mots.dat as the window writes that list with these levels, in its order;
// "-" for a word gone.
QByteArray motsDat(const QStringList &niveaux)
{
    const char *mots[] = {"chat", "chien", "vache", "\x9cuf", "\xe9" "chelle", "Ch\xe2teau", "cheval"};
    QByteArray octets;
    for (qsizetype i = 0; i < niveaux.size(); ++i)
        if (niveaux[i] != u"-"_s)
            octets += ligneMots(mots[i], niveaux[i].toLatin1());
    return octets;
}

// The words the rows show, top to bottom.
QStringList montres(const Fenetre &t)
{
    QStringList mots;
    for (int k = 0; k < t.f->lignes() && !t.mot(k).isEmpty(); ++k)
        mots << t.mot(k);
    return mots;
}

// The row showing the word, after filtering on it (-1 without a filter field).
int ligne(const Fenetre &t, const QString &mot)
{
    if (auto *filtre = t.w<QLineEdit>(u"txtFiltre"_s))
        filtre->setText(mot);
    return int(montres(t).indexOf(mot));
}


// Every file under the folder, sub-folders included, with its bytes.
QMap<QString, QByteArray> contenu(const QString &dossier)
{
    QMap<QString, QByteArray> fichiers;
    QDirIterator it(dossier, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        fichiers.insert(QDir(dossier).relativeFilePath(f.fileName()), f.open(QIODevice::ReadOnly) ? f.readAll() : "?");
    }
    return fichiers;
}

// What a pupil account does to a hidden name the teacher's program has just
// made in the shared folder: takes it away and puts a link to the victim in
// its place. True when it did.
bool detourner(const QString &chemin, const QString &victime)
{
    const QFileInfo info(chemin);
    if (info.isSymLink())
        return false;
    if (info.isDir() ? !QDir().rmdir(chemin) : !QFile::rename(chemin, chemin + u".pris"_s))
        return false;
    return QFile::link(victime, chemin);
}

// The hidden entries of a folder, links excluded.
QStringList caches(const QString &dossier)
{
    QStringList noms;
    for (const QFileInfo &i : QDir(dossier).entryInfoList({u".*"_s}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (!i.isSymLink() && !i.fileName().endsWith(u".pris"_s))
            noms << i.absoluteFilePath();
    return noms;
}

} // namespace

class TestListe : public QObject {
    Q_OBJECT

private slots:
    // Words shown from their start, capitals, accents and ligatures aside,
    // and by level; a click on a level box then changes the word shown there,
    // and only it.
    void filtres_data()
    {
        QTest::addColumn<QString>("filtre");
        QTest::addColumn<int>("niveau");   // index in the level filter: 0 all, 1 none, 2 level 1...
        QTest::addColumn<QStringList>("attendus");
        QTest::newRow("tout, dans l'ordre de la liste") << u""_s << 0
            << QStringList{"chat", "chien", "vache", u"œuf"_s, u"échelle"_s, u"Château"_s, "cheval"};
        QTest::newRow("début") << u"ch"_s << 0 << QStringList{"chat", "chien", u"Château"_s, "cheval"};
        QTest::newRow("majuscules et accents") << u"CHÂ"_s << 0 << QStringList{"chat", u"Château"_s};
        QTest::newRow("accent sur la première lettre") << u"ech"_s << 0 << QStringList{u"échelle"_s};
        QTest::newRow("majuscule accentuée tapée") << u"ÉCH"_s << 0 << QStringList{u"échelle"_s};
        QTest::newRow("ligature") << u"oe"_s << 0 << QStringList{u"œuf"_s};
        QTest::newRow("ligature tapée") << u"œ"_s << 0 << QStringList{u"œuf"_s};
        QTest::newRow("milieu du mot") << u"he"_s << 0 << QStringList{};
        QTest::newRow("sans niveau, niveau étrange compris") << u""_s << 1 << QStringList{u"œuf"_s, u"Château"_s, "cheval"};
        QTest::newRow("niveau 1") << u""_s << 2 << QStringList{"chat", "vache"};
        QTest::newRow("début et niveau") << u" ch "_s << 2 << QStringList{"chat"};
        QTest::newRow("niveau 4") << u""_s << 5 << QStringList{};
        QTest::newRow("niveau 5") << u""_s << 6 << QStringList{u"échelle"_s};
    }
    void filtres()
    {
        QFETCH(QString, filtre);
        QFETCH(int, niveau);
        QFETCH(QStringList, attendus);
        Fenetre t = fenetreMots();
        QVERIFY(t.w<QLineEdit>(u"txtFiltre"_s));
        taper(t.w<QLineEdit>(u"txtFiltre"_s), filtre);
        t.w<QComboBox>(u"cmbFiltreNiveau"_s)->setCurrentIndex(niveau);
        QCOMPARE(montres(t), attendus);
        if (!attendus.isEmpty()) {
            const ListeMots avant = t.f->tableur();
            t.clicNiveau(0);
            QStringList changes;
            for (qsizetype i = 0; i < avant.size(); ++i)
                if (t.f->tableur().at(i) != avant.at(i))
                    changes << avant.at(i).mot;
            QCOMPARE(changes, QStringList{attendus.first()});
        }
    }

    // "Donner à tous les mots affichés": asked first, with their number;
    // the words shown take the level and stay shown, new level or not, until
    // the filters change; the others keep theirs.
    void niveauPourTous_data()
    {
        QTest::addColumn<QString>("filtre");
        QTest::addColumn<int>("filtreNiveau");   // as in filtres
        QTest::addColumn<int>("choix");          // 0: no level, n: level n
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<QStringList>("apres");  // the levels written, in the list's order
        const QStringList avant{"1", "2", "1", "7", "5", "", ""};
        QTest::newRow("niveau 3 aux « ch »") << u"ch"_s << 0 << 3 << true << QStringList{"3", "3", "1", "7", "5", "3", "3"};
        QTest::newRow("sans niveau aux « ch »") << u"ch"_s << 0 << 0 << true << QStringList{"", "", "1", "7", "5", "", ""};
        QTest::newRow("refusé") << u"ch"_s << 0 << 3 << false << avant;
        QTest::newRow("niveau 1 devient 4") << u""_s << 2 << 4 << true << QStringList{"4", "2", "4", "7", "5", "", ""};
        QTest::newRow("niveau étrange réparé") << u"oe"_s << 1 << 2 << true << QStringList{"1", "2", "1", "2", "5", "", ""};
        QTest::newRow("aucun mot montré") << u"zz"_s << 0 << 2 << true << avant;
    }
    void niveauPourTous()
    {
        QFETCH(QString, filtre);
        QFETCH(int, filtreNiveau);
        QFETCH(int, choix);
        QFETCH(bool, accepte);
        QFETCH(QStringList, apres);
        Fenetre t = fenetreMots();
        QVERIFY(t.w<QPushButton>(u"cmdNiveauTous"_s));
        taper(t.w<QLineEdit>(u"txtFiltre"_s), filtre);
        t.w<QComboBox>(u"cmbFiltreNiveau"_s)->setCurrentIndex(filtreNiveau);
        const QStringList avant = montres(t);
        t.w<QComboBox>(u"cmbNiveauTous"_s)->setCurrentIndex(choix);
        t.p.messages.reponseQuestion = accepte;
        t.clic(u"cmdNiveauTous"_s);
        QCOMPARE(t.p.messages.demandes.size(), avant.isEmpty() ? 0 : 1);
        if (!avant.isEmpty())
            QVERIFY(t.p.messages.demandes.first().texte.contains(u" %1 mots"_s.arg(avant.size())));
        QCOMPARE(montres(t), avant);
        for (int k = 0; accepte && k < avant.size(); ++k)
            QCOMPARE(t.niveau(k), kNiveaux.value(choix));
        t.p.messages.reponseQuestion = true;
        t.clic(u"cmdQuitter"_s);
        QCOMPARE(t.inst.lire(u"Mots.dat"_s), motsDat(apres));
    }

    void ecouter_data()
    {
        QTest::addColumn<int>("cible");   // the column clicked on the word's row
        QTest::newRow("le mot") << 0;
        QTest::newRow("le haut-parleur") << 2;
    }
    void ecouter()
    {
        QFETCH(int, cible);
        Fenetre t({"chat", u"hérisson"_s}, {}, [](Fenetre &x) { x.inst.ecrire(u"Sons/l'arbre.WAV"_s, "RIFF"); });
        for (const QString &mot : {u"hérisson"_s, u"l'arbre"_s}) {
            const int k = int(montres(t).indexOf(mot));
            QVERIFY(k >= 0);
            t.clic(k, cible);
        }
        QCOMPARE(t.p.son.joues, (QStringList{t.inst.fichier(u"Sons/hérisson.wav"_s), t.inst.fichier(u"Sons/l'arbre.WAV"_s)}));
        QVERIFY(t.p.messages.demandes.isEmpty());
    }

    void supprimer_data()
    {
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<QByteArray>("dejaDansCorbeille");   // null: no earlier chat.wav there
        QTest::newRow("corbeille à créer") << true << QByteArray();
        QTest::newRow("même nom déjà dans la corbeille") << true << QByteArray("ancien");
        QTest::newRow("refusé") << false << QByteArray();
    }
    void supprimer()
    {
        QFETCH(bool, accepte);
        QFETCH(QByteArray, dejaDansCorbeille);
        Fenetre t = fenetreMots();
        if (!dejaDansCorbeille.isNull()) {
            QDir(t.inst.dossier.path()).mkpath(u"Corbeille"_s);
            t.inst.ecrire(u"Corbeille/chat.wav"_s, dejaDansCorbeille);
        }
        t.inst.ecrire(u"Sons/chat.wav"_s, "RIFF du chat");
        const QByteArray avant = t.inst.lire(u"Mots.dat"_s);
        t.p.messages.reponseQuestion = accepte;
        const int k = ligne(t, u"chat"_s);
        t.menu(k, u"actSupprimer"_s);

        QCOMPARE(t.p.messages.titres(), QStringList{u"Supprimer un mot"_s});
        QVERIFY(t.p.messages.demandes.first().texte.contains(u"« chat »"_s));
        QDir corbeille(t.inst.fichier(u"Corbeille"_s));
        const QStringList dans = corbeille.entryList(QDir::Files);
        if (!accepte) {
            QCOMPARE(t.inst.lire(u"Sons/chat.wav"_s), QByteArray("RIFF du chat"));
            QCOMPARE(t.inst.lire(u"Mots.dat"_s), avant);
            QVERIFY(dans.isEmpty());
            return;
        }
        QVERIFY(!QFileInfo::exists(t.inst.fichier(u"Sons/chat.wav"_s)));
        QCOMPARE(dans.size(), dejaDansCorbeille.isNull() ? 1 : 2);
        QCOMPARE(t.inst.lireCorbeille(u"chat"_s), QByteArray("RIFF du chat"));
        if (!dejaDansCorbeille.isNull())
            QCOMPARE(t.inst.lire(u"Corbeille/chat.wav"_s), dejaDansCorbeille);
        // Written at once, before the window closes.
        QCOMPARE(t.inst.lire(u"Mots.dat"_s), motsDat({"-", "2", "1", "7", "5", "", ""}));
        QVERIFY(!t.f->tableur().contains(EntreeMot{"chat", "1"}));
        QCOMPARE(montres(t), QStringList{u"Château"_s});   // still filtered on "chat"
    }

    // A Corbeille that is a link elsewhere is not written through: the
    // recording and the word stay.
    void corbeilleLien()
    {
        QTemporaryDir ailleurs;
        Fenetre t({"chat", "chien"}, {}, [&](Fenetre &x) {
            QFile::link(ailleurs.path(), x.inst.fichier(u"Corbeille"_s));
        });
        t.menu(ligne(t, u"chat"_s), u"actSupprimer"_s);
        QCOMPARE(t.p.messages.titres(), (QStringList{u"Supprimer un mot"_s, u"Supprimer un mot"_s}));
        QVERIFY(t.p.messages.demandes.last().texte.contains(u"lien"_s));
        QVERIFY(QFileInfo::exists(t.inst.fichier(u"Sons/chat.wav"_s)));
        QVERIFY(QDir(ailleurs.path()).isEmpty());
        QCOMPARE(t.f->tableur().size(), 2);
    }

    // "Remplacer l'enregistrement…" by the computer's voice: the window is
    // not held while the word is spoken; the new recording in Sons, the old
    // one in Corbeille and the message come with the answer, and an answer
    // after the window is closed does nothing.
    void remplacer_data()
    {
        QTest::addColumn<bool>("fermee");
        QTest::newRow("fenêtre ouverte") << false;
        QTest::newRow("fenêtre fermée avant la réponse") << true;
    }
    void remplacer()
    {
        QFETCH(bool, fermee);
        Fenetre t({"chat", "chien"});
        t.p.synthese.retenir = true;
        t.p.messages.reponseChoix = 0;   // the computer's voice
        t.menu(ligne(t, u"chien"_s), u"actRemplacer"_s);
        QCOMPARE(t.p.synthese.demandes, QStringList{u"chien"_s});
        QCOMPARE(t.p.messages.demandes.size(), 1);   // the choice only, so far
        if (fermee)
            t.f.reset();
        t.p.synthese.repondre();
        QTest::qWait(50);
        if (fermee) {
            QCOMPARE(t.p.messages.demandes.size(), 1);
            QCOMPARE(t.inst.lire(u"Sons/chien.wav"_s), QByteArray("RIFF"));
            return;
        }
        QCOMPARE(t.p.messages.demandes.last().texte, TextesEnseignant::remplace.arg(u"chien"_s));
        QCOMPARE(t.inst.lireCorbeille(u"chien"_s), QByteArray("RIFF"));
        const QByteArray nouveau = t.inst.lire(u"Sons/chien.wav"_s);
        QVERIFY2(nouveau.startsWith("RIFF") && nouveau.size() > 10000, qPrintable(QString::number(nouveau.size())));
        QCOMPARE(QDir(t.inst.dossier.path()).entryList({u".remplacement*"_s}, QDir::Dirs | QDir::Hidden), QStringList());
    }

    // A pupil account can write in the installation folder and in Sons: what
    // it swaps or plants there while the teacher replaces a recording never
    // makes the teacher's program delete or write anything elsewhere, and a
    // replacement is reported done only when the new recording is in place.
    void remplacerSansDetour_data()
    {
        QTest::addColumn<QString>("piege");
        QTest::addColumn<bool>("refuse");   // the replacement must fail; else it may, when caught
        QTest::newRow("travail provisoire remplacé par un lien") << u"provisoire"_s << false;
        QTest::newRow("Sons est un lien") << u"Sons"_s << true;
    }
    void remplacerSansDetour()
    {
        QFETCH(QString, piege);
        QFETCH(bool, refuse);
        QTemporaryDir prof;
        const QString victime = prof.filePath(u"victime"_s);
        QVERIFY(QDir().mkpath(victime + u"/sous-dossier"_s));
        for (const auto &[nom, octets] : {std::pair{u"bulletins.odt"_s, QByteArray("bulletins du trimestre")},
                                         std::pair{u"sous-dossier/notes.txt"_s, QByteArray("notes")}}) {
            QFile f(victime + u'/' + nom);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size());
        }
        const QMap<QString, QByteArray> avant = contenu(victime);

        Fenetre t({"chat", "chien"});
        t.p.synthese.retenir = true;
        const QString dossier = t.inst.dossier.path();
        const QString sons = t.inst.fichier(u"Sons"_s);
        if (piege == u"Sons") {
            QVERIFY(QDir(sons).removeRecursively() && QFile::link(victime, sons));
        }
        // The pupil account watches both folders from the moment the teacher
        // picks the computer's voice. The synthesizer is held until the hidden
        // folder of a replacement, if any, has been swapped (the worst moment:
        // everything is then written through the link and removed through it);
        // afterwards every hidden file that shows up in Sons is swapped too.
        std::promise<void> libere;
        std::shared_future<void> libre = libere.get_future().share();
        std::atomic_bool fini = false;
        std::atomic_int detournes = 0;
        std::thread espion;
        t.p.messages.pendantMessage = [&] {
            if (espion.joinable())
                return;
            espion = std::thread([&] {
                const auto debut = std::chrono::steady_clock::now();
                bool tenu = true;
                while (!fini && std::chrono::steady_clock::now() - debut < std::chrono::seconds(20)) {
                    for (const QString &c : caches(dossier) + caches(sons))
                        if (c.contains(u"/.remplacement-"_s) || c.startsWith(sons + u"/."_s))
                            detournes += detourner(c, victime);
                    if (tenu && (detournes > 0 || std::chrono::steady_clock::now() - debut > std::chrono::seconds(1))) {
                        tenu = false;
                        libere.set_value();
                    }
                }
                if (tenu)
                    libere.set_value();
            });
        };
        const int k = ligne(t, u"chien"_s);
        t.menu(k, u"actRemplacer"_s);
        libre.wait();
        t.p.synthese.repondre();
        QTRY_COMPARE(t.p.messages.demandes.size(), 2);
        fini = true;
        espion.join();
        t.p.messages.pendantMessage = nullptr;

        QCOMPARE(contenu(victime), avant);
        QCOMPARE(t.p.messages.titres(), (QStringList{u"Remplacer l'enregistrement"_s, u"Remplacer l'enregistrement"_s}));
        const QString message = t.p.messages.demandes.last().texte;
        const bool reussi = message == TextesEnseignant::remplace.arg(u"chien"_s);
        if (refuse) {
            QVERIFY2(!reussi && message.contains(u"lien"_s), qPrintable(message));
            return;
        }
        if (!reussi) {   // the pupil's swap was caught in time: said, not hidden
            QVERIFY2(detournes > 0 && message.startsWith(u"« chien » n'a pas pu"_s), qPrintable(message));
            return;
        }
        // Done only when the new recording really is Sons/chien.wav.
        const QFileInfo nouveau(t.inst.fichier(u"Sons/chien.wav"_s));
        QVERIFY(nouveau.isFile() && !nouveau.isSymLink());
        QVERIFY(t.inst.lire(u"Sons/chien.wav"_s).startsWith("RIFF") && nouveau.size() > 10000);
        QCOMPARE(t.inst.lireCorbeille(u"chien"_s), QByteArray("RIFF"));
    }

    // The rows fill the height: at least ten, more in a taller window, each
    // showing the next word.
    void lignes()
    {
        QStringList mots;
        for (int i = 0; i < 60; ++i)
            mots << u"mot%1"_s.arg(i, 2, 10, QLatin1Char('0'));
        Fenetre t(mots);
        t.f->resize(800, 300);
        QApplication::processEvents();
        QCOMPARE(t.f->lignes(), FrmEnseignant::kLignes);
        t.f->resize(1024, 1000);
        QApplication::processEvents();
        const int n = t.f->lignes();
        QVERIFY(n > FrmEnseignant::kLignes);
        QCOMPARE(t.w<QScrollBar>(u"VScroll"_s)->maximum(), 60 - n);
        QCOMPARE(montres(t), mots.mid(0, n));
        QVERIFY(t.vue()->viewport()->rect().contains(t.vue()->visualRect(t.cellule(n - 1, 0))));
    }
};

QTEST_MAIN(TestListe)
#include "tst_liste.moc"
