// A whole visit driven through the model alone: present, answer, next, the
// end of the list, leaving; playback ends when the test says so.
#include "data/tableprogression.h"
#include "engine/etapes.h"
#include "engine/texte.h"
#include "exercice/phraseatrou.h"
#include "exercice/phrases.h"
#include "exercice/seance.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

TableProgression tableNouveaux(const QStringList &mots)
{
    TableProgression table;
    for (const QString &mot : mots) {
        LigneProgression l{};
        l[kEtapeNouveau] = mot;
        l[kColonneNiveau] = u"1"_s;
        l[kColonneDate] = u"05/12/2026"_s;
        table.ajouterLigne(l);
    }
    return table;
}

QString echelle(const std::array<bool, 7> &points)
{
    QString s;
    for (bool allume : points)
        s += allume ? u'x' : u'.';
    return s;
}

// What the screen would be told, one line per event.
struct Trace {
    QStringList lignes;
    explicit Trace(Seance &s)
    {
        QObject::connect(&s, &Seance::presente, [this, &s] {
            lignes << (s.listeFinie() ? u"fini"_s
                                      : u"voir %1 %2 %3"_s.arg(s.motAttendu()).arg(s.etape())
                                            .arg(s.verdict() == Seance::Verdict::Aucun ? u"-"_s : u"marque"_s));
        });
        QObject::connect(&s, &Seance::lectureDemandee,
                         [this](const QString &mot) { lignes << u"lire "_s + (mot.isEmpty() ? u"-"_s : mot); });
        QObject::connect(&s, &Seance::phraseDemandee, [this](const QString &mot, bool apresLeMot) {
            lignes << u"phrase "_s + mot + (apresLeMot ? u" après le mot"_s : u" seule"_s);
        });
        QObject::connect(&s, &Seance::reponseJugee, [this, &s](const QString &, const QString &, bool juste, int) {
            lignes << (juste ? u"juste "_s : u"faux "_s) + echelle(s.points());
        });
    }
};

// "~" playback ends, "=text" an answer, "=" the right answer, ">" Next,
// "♪" the loudspeaker, "♫" the sentence's button.
void jouer(Seance &s, const QString &script)
{
    for (const QString &pas : script.split(u' ', Qt::SkipEmptyParts)) {
        if (pas == u"~")
            s.terminerLecture();
        else if (pas == u">")
            s.suivant();
        else if (pas == u"♪")
            s.ecouter();
        else if (pas == u"♫")
            s.ecouterPhrase();
        else if (pas == u"=")
            s.repondre(s.motAttendu());
        else if (pas.startsWith(u'='))
            s.repondre(pas.mid(1));
    }
}

} // namespace

class TestSeance : public QObject {
    Q_OBJECT

private slots:
    void visite_data()
    {
        QTest::addColumn<QStringList>("mots");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("trace");   // empty: not compared
        QTest::addColumn<QString>("resume");
        const QString fini = phrases_seance::kResume;
        QTest::newRow("su du premier coup, puis la fin de la liste")
            << QStringList{u"sable"_s} << u"~ =sable > ~"_s
            << QStringList{u"voir sable 0 -"_s, u"lire sable"_s, u"juste xxxxxxx"_s, u"fini"_s, u"lire -"_s}
            << fini.arg(u"1 mot"_s, u"1 juste"_s);
        QTest::newRow("une faute, puis toute l'échelle du jour")
            << QStringList{u"sable"_s} << u"~ =pappa > ~ =sable > ~ =sable > ~ =sable > ~ =sable > ~"_s
            << QStringList{u"voir sable 0 -"_s, u"lire sable"_s, u"faux ......."_s,
                           u"voir sable 3 -"_s, u"lire sable"_s, u"juste x......"_s,
                           u"voir sable 4 -"_s, u"lire sable"_s, u"juste xx....."_s,
                           u"voir sable 5 -"_s, u"lire sable"_s, u"juste xxx...."_s,
                           u"voir sable 6 -"_s, u"lire sable"_s, u"juste xxxx..."_s,
                           u"fini"_s, u"lire -"_s}
            << fini.arg(u"1 mot"_s, u"0 juste"_s);
        QTest::newRow("le haut-parleur pendant la lecture ne rejoue pas")
            << QStringList{u"sable"_s} << u"♪ ~ ♪ ~"_s
            << QStringList{u"voir sable 0 -"_s, u"lire sable"_s, u"lire sable"_s} << phrases_seance::kResumeVide;
        QTest::newRow("une réponse pendant la lecture garde le même mot")
            << QStringList{u"sable"_s} << u"=pappa ~ > ~"_s
            << QStringList{u"voir sable 0 -"_s, u"lire sable"_s, u"faux ......."_s, u"voir sable 3 -"_s,
                           u"lire sable"_s}
            << fini.arg(u"1 mot"_s, u"0 juste"_s);
        QTest::newRow("une seconde validation ne change rien")
            << QStringList{u"sable"_s} << u"~ =pappa =sable =sable"_s
            << QStringList{u"voir sable 0 -"_s, u"lire sable"_s, u"faux ......."_s}
            << fini.arg(u"1 mot"_s, u"0 juste"_s);
        QTest::newRow("liste vide: fin de liste, rien à valider")
            << QStringList{} << u"~ =sable ♪"_s << QStringList{u"fini"_s, u"lire -"_s, u"lire -"_s}
            << phrases_seance::kResumeVide;
        QTest::newRow("trois mots, un faux")
            << QStringList{u"sable"_s, u"table"_s, u"rose"_s} << u"~ = > ~ =zzz > ~ = > ~ = > ~ = > ~ = > ~ = > ~"_s << QStringList{}
            << fini.arg(u"3 mots"_s, u"2 justes"_s);
    }
    void visite()
    {
        QFETCH(QStringList, mots);
        QFETCH(QString, script);
        QFETCH(QStringList, trace);
        QFETCH(QString, resume);
        TableProgression table = tableNouveaux(mots);
        Seance seance(table, [] { return QDate(2026, 12, 5); });
        Trace vue(seance);
        seance.proposerMot(-1);
        jouer(seance, script);
        if (!trace.isEmpty())
            QCOMPARE(vue.lignes, trace);
        QVERIFY2(seance.resume() == resume, qPrintable(vue.lignes.join(u" | "_s)));
    }

    // "Presque" only when the answer is close to the word.
    void phraseApresFaute_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<bool>("presque");
        QTest::newRow("une lettre oubliée") << u"ballon"_s << u"balon"_s << true;
        QTest::newRow("deux lettres oubliées") << u"bibliothèque"_s << u"bibiotèque"_s << true;
        QTest::newRow("deux voisines échangées") << u"sable"_s << u"salbe"_s << true;
        QTest::newRow("deux accents sur trois lettres") << u"été"_s << u"ete"_s << false;
        QTest::newRow("un accent sur un mot long") << u"fenêtre"_s << u"fenetre"_s << true;
        QTest::newRow("un autre mot") << u"sable"_s << u"pappa"_s << false;
        QTest::newRow("trois lettres à changer") << u"maison"_s << u"mezon"_s << false;
        QTest::newRow("une seule lettre juste") << u"chat"_s << u"c"_s << false;
    }
    void phraseApresFaute()
    {
        QFETCH(QString, mot);
        QFETCH(QString, reponse);
        QFETCH(bool, presque);
        TableProgression table = tableNouveaux({mot});
        Seance seance(table, [] { return QDate(2026, 12, 5); });
        // Each sentence in turn: every one of the right kind is seen.
        for (int essai = 0; essai < 4; ++essai) {
            seance.proposerMot(0);
            seance.terminerLecture();
            seance.repondre(reponse);
            QCOMPARE(seance.verdict(), Seance::Verdict::Faux);
            QVERIFY2(seance.consigne().contains(u"presque"_s, Qt::CaseInsensitive) == presque,
                     qPrintable(seance.consigne()));
            QVERIFY(!seance.alignement().isEmpty());
            seance.suivant();
            seance.terminerLecture();
        }
    }

    // The word, then its sentence; the loudspeaker replays both, the
    // sentence's button the sentence alone; a click while anything plays is
    // ignored; the next word never waits for the sentence of the last.
    void phrase_data()
    {
        QTest::addColumn<QStringList>("mots");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("trace");
        QTest::addColumn<bool>("enCours");   // something still plays at the end
        const QString voir = u"voir dent 0 -"_s, mot = u"lire dent"_s, phrase = u"phrase dent après le mot"_s;
        QTest::newRow("le mot puis sa phrase")
            << QStringList{u"dent"_s} << u"~"_s << QStringList{voir, mot, phrase} << true;
        QTest::newRow("la phrase finie, plus rien ne joue")
            << QStringList{u"dent"_s} << u"~ ~"_s << QStringList{voir, mot, phrase} << false;
        QTest::newRow("le haut-parleur rejoue les deux")
            << QStringList{u"dent"_s} << u"~ ~ ♪ ~ ~"_s << QStringList{voir, mot, phrase, mot, phrase} << false;
        QTest::newRow("le bouton de la phrase la joue seule")
            << QStringList{u"dent"_s} << u"~ ~ ♫ ~"_s << QStringList{voir, mot, phrase, u"phrase dent seule"_s}
            << false;
        QTest::newRow("un clic pendant la phrase ne rejoue rien")
            << QStringList{u"dent"_s} << u"~ ♪ ♫ ~ ♫"_s
            << QStringList{voir, mot, phrase, u"phrase dent seule"_s} << true;
        QTest::newRow("un clic pendant le mot ne rejoue rien")
            << QStringList{u"dent"_s} << u"♫ ♪ ~ ~"_s << QStringList{voir, mot, phrase} << false;
        QTest::newRow("sans phrase, le mot seul et un bouton sans effet")
            << QStringList{u"chat"_s} << u"~ ♫ ♪ ~"_s << QStringList{u"voir chat 0 -"_s, u"lire chat"_s, u"lire chat"_s}
            << false;
        QTest::newRow("une réponse pendant la phrase est jugée")
            << QStringList{u"dent"_s} << u"~ =dant"_s << QStringList{voir, mot, phrase, u"faux ......."_s} << true;
        QTest::newRow("Suivant pendant la phrase: le mot suivant tout de suite")
            << QStringList{u"dent"_s, u"chat"_s} << u"~ =dent >"_s
            << QStringList{voir, mot, phrase, u"juste xxxxxxx"_s, u"voir chat 0 -"_s, u"lire chat"_s} << true;
        QTest::newRow("Suivant pendant le mot: le mot suivant tout de suite, sans la phrase")
            << QStringList{u"dent"_s, u"chat"_s} << u"=dent > ~"_s
            << QStringList{voir, mot, u"juste xxxxxxx"_s, u"voir chat 0 -"_s, u"lire chat"_s} << false;
        QTest::newRow("la fin de la liste pendant la phrase est dite")
            << QStringList{u"dent"_s} << u"~ =dent >"_s
            << QStringList{voir, mot, phrase, u"juste xxxxxxx"_s, u"fini"_s, u"lire -"_s} << true;
    }
    void phrase()
    {
        QFETCH(QStringList, mots);
        QFETCH(QString, script);
        QFETCH(QStringList, trace);
        QFETCH(bool, enCours);
        TableProgression table = tableNouveaux(mots);
        Seance seance(table, [] { return QDate(2026, 12, 5); });
        seance.choisirPhrases([](const QString &m) { return m == u"dent"_s ? u"J'ai mal à une dent."_s : QString(); },
                              false);
        Trace vue(seance);
        seance.proposerMot(0);
        jouer(seance, script);
        QCOMPARE(vue.lignes, trace);
        QCOMPARE(seance.lectureEnCours(), enCours);
    }

    // A fresh word's ladder is cleared once the word is heard, not at the
    // end of its sentence: an answer given during the sentence keeps its
    // squares.
    void echelleReponduPendantLaPhrase()
    {
        TableProgression table = tableNouveaux({u"chat"_s, u"dent"_s});
        Seance seance(table, [] { return QDate(2026, 12, 5); });
        seance.choisirPhrases([](const QString &m) { return m == u"dent"_s ? u"Une dent."_s : QString(); }, false);
        seance.proposerMot(0);
        jouer(seance, u"~ = > ~"_s);
        QCOMPARE(seance.motAttendu(), u"dent"_s);
        QVERIFY(seance.phraseEnCours());
        jouer(seance, u"= ~"_s);
        QCOMPARE(echelle(seance.points()), u"xxxxxxx"_s);
    }

    void phraseATrou_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QStringList>("formes");
        QTest::addColumn<QString>("attendu");   // empty: not shown
        QTest::newRow("le mot") << u"J'ai mal à une dent."_s << QStringList{u"dent"_s} << u"J'ai mal à une ____."_s;
        QTest::newRow("en capitales") << u"LE CHAT DORT."_s << QStringList{u"chat"_s} << u"LE ____ DORT."_s;
        QTest::newRow("capitale du mot de la liste") << u"Le chat dort."_s << QStringList{u"Chat"_s}
                                                     << u"Le ____ dort."_s;
        QTest::newRow("élision") << u"L'arbre perd ses feuilles."_s << QStringList{u"arbre"_s}
                                 << u"L'____ perd ses feuilles."_s;
        QTest::newRow("apostrophe typographique") << u"Je vais sur l’île."_s << QStringList{u"île"_s}
                                                  << u"Je vais sur l’____."_s;
        QTest::newRow("pluriel") << u"J'ai deux dents de lait."_s << QStringList{u"dent"_s}
                                 << u"J'ai deux ____ de lait."_s;
        QTest::newRow("deux fois") << u"Une dent, puis deux dents."_s << QStringList{u"dent"_s}
                                   << u"Une ____, puis deux ____."_s;
        QTest::newRow("accents dans la phrase") << u"L'Été est chaud."_s << QStringList{u"ete"_s}
                                                << u"L'____ est chaud."_s;
        QTest::newRow("accents dans le mot") << u"La foret est sombre."_s << QStringList{u"forêt"_s}
                                             << u"La ____ est sombre."_s;
        QTest::newRow("ligature") << u"Un œuf dur."_s << QStringList{u"oeuf"_s} << u"Un ____ dur."_s;
        QTest::newRow("ligature dans le mot") << u"Mon coeur bat."_s << QStringList{u"cœur"_s} << u"Mon ____ bat."_s;
        QTest::newRow("mot composé") << u"Je mange une pomme de terre."_s << QStringList{u"pomme de terre"_s}
                                     << u"Je mange une ____."_s;
        QTest::newRow("traits d'union") << u"Un arc-en-ciel brille."_s << QStringList{u"arc-en-ciel"_s}
                                        << u"Un ____ brille."_s;
        QTest::newRow("l'autre orthographe acceptée") << u"Il épluche un ognon."_s
                                                      << QStringList{u"oignon"_s, u"ognon"_s}
                                                      << u"Il épluche un ____."_s;
        QTest::newRow("absent") << u"Le chien aboie."_s << QStringList{u"chat"_s} << QString();
        QTest::newRow("seulement dans un autre mot") << u"Le parapluie est mouillé."_s << QStringList{u"pluie"_s}
                                                     << QString();
        QTest::newRow("aussi dans un autre mot") << u"Sous la pluie, mon parapluie."_s << QStringList{u"pluie"_s}
                                                 << QString();
        QTest::newRow("phrase vide") << QString() << QStringList{u"dent"_s} << QString();
    }
    // The gap never gives the word away: whatever is shown, no accepted
    // form of it can be read there, even without its accents.
    void phraseATrou()
    {
        QFETCH(QString, phrase);
        QFETCH(QStringList, formes);
        QFETCH(QString, attendu);
        const QString montree = ::phraseATrou(phrase, formes);
        QCOMPARE(montree, attendu);
        const auto plie = [](const QString &t) {
            return SansAccents(t).toLower().replace(u"œ"_s, u"oe"_s).replace(u'’', u'\'');
        };
        for (const QString &forme : formes)
            QVERIFY2(!plie(montree).contains(plie(forme)), qPrintable(montree));
    }

    // In the exercise, only when the class asks for it and the word can be
    // taken out.
    void phraseATrouMontree_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<bool>("reglage");
        QTest::addColumn<QString>("montree");
        QTest::newRow("réglage choisi") << u"J'ai mal à une dent."_s << true << u"J'ai mal à une ____."_s;
        QTest::newRow("réglage non choisi") << u"J'ai mal à une dent."_s << false << QString();
        QTest::newRow("mot absent de la phrase") << u"J'ai mal."_s << true << QString();
        QTest::newRow("pas de phrase") << QString() << true << QString();
    }
    void phraseATrouMontree()
    {
        QFETCH(QString, phrase);
        QFETCH(bool, reglage);
        QFETCH(QString, montree);
        TableProgression table = tableNouveaux({u"dent"_s});
        Seance seance(table, [] { return QDate(2026, 12, 5); });
        seance.choisirPhrases([phrase](const QString &) { return phrase; }, reglage);
        seance.proposerMot(0);
        QCOMPARE(seance.phrase(), phrase);
        QCOMPARE(seance.phraseATrou(), montree);
    }

    // Another real word that sounds the same: told kindly, and sent to the
    // sentence when the word has one.
    void homophone_data()
    {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("consigne");   // empty: one of the usual ones
        QTest::newRow("homophone, avec phrase") << u"dans"_s << u"J'ai mal à une dent."_s
                                                << phrases_seance::kPhraseHomophoneEcouterPhrase;
        QTest::newRow("homophone, sans phrase") << u"dans"_s << QString() << phrases_seance::kPhraseHomophone;
        QTest::newRow("pas un mot, avec phrase") << u"dant"_s << u"J'ai mal à une dent."_s << QString();
    }
    void homophone()
    {
        QFETCH(QString, reponse);
        QFETCH(QString, phrase);
        QFETCH(QString, consigne);
        TableProgression table = tableNouveaux({u"dent"_s});
        Seance seance(table, [] { return QDate(2026, 12, 5); });
        const QHash<QString, QString> sons{{u"dent"_s, u"dɑ̃"_s}, {u"dans"_s, u"dɑ̃"_s}, {u"dant"_s, u"dɑ̃"_s}};
        const QHash<QString, QStringList> pareils{{u"dent"_s, {u"dans"_s}}, {u"dans"_s, {u"dent"_s}}};
        seance.definirSourcePhonemes({[&](const QString &m) { return sons.value(m); }, {},
                                      [&](const QString &m) { return pareils.value(m); }});
        seance.choisirPhrases([phrase](const QString &) { return phrase; }, false);
        seance.proposerMot(0);
        seance.terminerLecture();
        seance.repondre(reponse);
        QCOMPARE(seance.verdict(), Seance::Verdict::Faux);
        if (consigne.isEmpty())
            QVERIFY2(!seance.consigne().startsWith(u"Ton mot se dit pareil"_s), qPrintable(seance.consigne()));
        else
            QCOMPARE(seance.consigne(), consigne);
    }
};

QTEST_GUILESS_MAIN(TestSeance)
#include "tst_seance.moc"
