// The tables built with the program, found in its folder as an installation
// lays them out, and what the teacher's windows will ask of them: the words
// that sound like a word, and a word's other accepted spelling. A table that
// is missing or damaged answers "none", never fails.
#include "audio/synthese.h"
#include "installer/listedepart.h"
#include "langue/tableslangue.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QString kTablesConstruites = QStringLiteral(ORTHOVAL_TABLES_LANGUE);

// A program folder as "cmake --install" lays it out: the program, and its
// tables in langue/ beside it, or in share/ of a system installation.
QString installer(const QTemporaryDir &racine, bool systeme)
{
    const QString programme = systeme ? racine.filePath(u"usr/libexec/orthoval"_s) : racine.path();
    const QString tables = systeme ? racine.filePath(u"usr/share/orthoval/langue"_s) : racine.filePath(u"langue"_s);
    QDir().mkpath(programme);
    QDir().mkpath(tables);
    for (const QString &nom : {kFichierHomophones, kFichierOrthographe})
        QFile::copy(kTablesConstruites + u'/' + nom, tables + u'/' + nom);
    return programme;
}

void ecrire(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(octets), octets.size());
}
}  // namespace

class TestLangue : public QObject {
    Q_OBJECT

    // The built tables installed once each way: in an installation folder,
    // and in a system installation.
    QTemporaryDir dossier_;
    QTemporaryDir systeme_;
    std::unique_ptr<TablesLangue> tablesDossier_;
    std::unique_ptr<TablesLangue> tablesSysteme_;

private slots:
    void initTestCase()
    {
        tablesDossier_ = std::make_unique<TablesLangue>(trouverDossierLangue(installer(dossier_, false)));
        tablesSysteme_ = std::make_unique<TablesLangue>(trouverDossierLangue(installer(systeme_, true)));
        QCOMPARE(trouverDossierLangue(systeme_.filePath(u"usr/libexec/orthoval"_s)),
                 systeme_.filePath(u"usr/share/orthoval/langue"_s));
    }

    // A starter word that sounds like another word is dictated with its
    // sentence: every such word has one, and every sentence holds its word
    // as written (the gap shown to the pupil hides exactly that), is short,
    // and can be written in the program's files.
    void phrasesDeDepart()
    {
        const auto liste = lireFichierListeDepart(QStringLiteral(ORTHOVAL_SOURCES "/resources/mots-depart.txt"));
        QVERIFY(liste && liste->erreurs.isEmpty());
        // Read as the installer reads it, every line kept.
        const auto depart = lireFichierPhrasesDepart(QStringLiteral(ORTHOVAL_SOURCES "/resources/phrases-depart.txt"));
        QVERIFY(depart);
        QVERIFY2(depart->erreurs.isEmpty(), qPrintable(depart->erreurs.join(u'\n')));
        QHash<QString, QString> phrases;
        for (const EntreePhrase &e : depart->phrases)
            phrases.insert(e.mot, e.phrase);
        QStringList starter;
        for (const MotDepart &m : liste->mots)
            starter << m.mot;
        QStringList sansPhrase;
        for (const QString &mot : std::as_const(starter))
            if (!tablesDossier_->homophonesDe(mot).isEmpty() && !phrases.contains(mot))
                sansPhrase << mot;
        QVERIFY2(sansPhrase.isEmpty(), qPrintable(sansPhrase.join(u", ")));
        QVERIFY(phrases.size() >= 50);
        for (auto p = phrases.cbegin(); p != phrases.cend(); ++p) {
            QVERIFY2(starter.contains(p.key()), qPrintable(p.key()));
            const QString &phrase = p.value();
            const qsizetype ou = phrase.indexOf(p.key());
            const auto lettre = [&](qsizetype i) { return i >= 0 && i < phrase.size() && phrase.at(i).isLetter(); };
            QVERIFY2(ou >= 0 && !lettre(ou - 1) && !lettre(ou + p.key().size()), qPrintable(phrase));
            QVERIFY2(phrase.size() <= 60, qPrintable(phrase));
            QStringEncoder windows1252("windows-1252");
            windows1252.encode(phrase);
            QVERIFY2(!windows1252.hasError(), qPrintable(phrase));
        }
    }

    void homophones_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QStringList>("presents");
        QTest::addColumn<QStringList>("absents");
        QTest::newRow("dent") << u"dent"_s << QStringList{u"dans"_s} << QStringList{u"dent"_s, u"dents"_s};
        QTest::newRow("bois") << u"bois"_s << QStringList{u"boit"_s} << QStringList{u"bois"_s};
        QTest::newRow("terre") << u"terre"_s << QStringList{u"taire"_s} << QStringList{u"terres"_s};
        QTest::newRow("temps") << u"temps"_s << QStringList{u"tant"_s} << QStringList{u"temps"_s};
        QTest::newRow("mur") << u"mur"_s << QStringList{u"mûr"_s} << QStringList{u"murs"_s};
        QTest::newRow("verbe en -er, une forme de chaque")
            << u"manger"_s << QStringList{u"mangé"_s, u"mangez"_s}
            << QStringList{u"mangée"_s, u"mangés"_s, u"mangées"_s, u"mangeait"_s, u"mangeaient"_s};
        QTest::newRow("passé simple laissé de côté")
            << u"chanter"_s << QStringList{u"chanté"_s} << QStringList{u"chantai"_s, u"chantât"_s};
        QTest::newRow("forme fautive de la liste laissée de côté")
            << u"cochon"_s << QStringList{} << QStringList{u"côchons"_s};
        QTest::newRow("pluriel du verbe") << u"joue"_s << QStringList{} << QStringList{u"jouent"_s, u"joues"_s};
        QTest::newRow("majuscule") << u"Dent"_s << QStringList{u"dans"_s} << QStringList{};
        QTest::newRow("autre orthographe") << u"île"_s << QStringList{u"il"_s} << QStringList{u"ile"_s};
        // The short words a dictation pairs, one-letter and unstressed ones too.
        QTest::newRow("a") << u"a"_s << QStringList{u"à"_s} << QStringList{u"as"_s};
        QTest::newRow("à") << u"à"_s << QStringList{u"a"_s} << QStringList{u"b"_s};
        QTest::newRow("ou") << u"ou"_s << QStringList{u"où"_s} << QStringList{};
        QTest::newRow("et") << u"et"_s << QStringList{u"est"_s} << QStringList{};
        QTest::newRow("son") << u"son"_s << QStringList{u"sont"_s} << QStringList{u"sons"_s};
        QTest::newRow("on") << u"on"_s << QStringList{u"ont"_s} << QStringList{};
        QTest::newRow("ces") << u"ces"_s << QStringList{u"ses"_s, u"c'est"_s, u"s'est"_s} << QStringList{};
        QTest::newRow("c'est") << u"c'est"_s << QStringList{u"ces"_s, u"ses"_s, u"s'est"_s} << QStringList{};
        QTest::newRow("la") << u"la"_s << QStringList{u"là"_s, u"l'a"_s} << QStringList{};
        QTest::newRow("sa") << u"sa"_s << QStringList{u"ça"_s} << QStringList{};
        QTest::newRow("ce") << u"ce"_s << QStringList{u"se"_s} << QStringList{};
        QTest::newRow("mes") << u"mes"_s << QStringList{u"mais"_s} << QStringList{};
        QTest::newRow("ma") << u"ma"_s << QStringList{u"m'a"_s} << QStringList{};
        QTest::newRow("quand") << u"quand"_s << QStringList{u"quant"_s, u"qu'en"_s} << QStringList{};
        QTest::newRow("sans") << u"sans"_s << QStringList{u"s'en"_s, u"cent"_s, u"sang"_s} << QStringList{};
        QTest::newRow("ni") << u"ni"_s << QStringList{u"n'y"_s} << QStringList{};
        QTest::newRow("peu") << u"peu"_s << QStringList{u"peut"_s} << QStringList{};
    }
    void homophones()
    {
        QFETCH(QString, mot);
        QFETCH(QStringList, presents);
        QFETCH(QStringList, absents);
        for (const TablesLangue *tables : {tablesDossier_.get(), tablesSysteme_.get()}) {
            const QStringList trouves = tables->homophonesDe(mot);
            for (const QString &present : std::as_const(presents))
                QVERIFY2(trouves.contains(present), qPrintable(trouves.join(u", "_s)));
            for (const QString &absent : std::as_const(absents))
                QVERIFY2(!trouves.contains(absent), qPrintable(trouves.join(u", "_s)));
        }
    }

    // A word with its plural, feminine or compound plural only, and a word
    // the list does not know, have none.
    void sansHomophone_data()
    {
        QTest::addColumn<QString>("mot");
        for (const QString &mot : {u"ami"_s, u"amie"_s, u"bijou"_s, u"grand-mère"_s, u"xylophonique"_s, u""_s})
            QTest::newRow(qPrintable(mot.isEmpty() ? u"vide"_s : mot)) << mot;
    }
    void sansHomophone()
    {
        QFETCH(QString, mot);
        QCOMPARE(tablesDossier_->homophonesDe(mot), QStringList());
    }

    void variantes_data()
    {
        QTest::addColumn<QString>("traditionnelle");
        QTest::addColumn<QString>("rectifiee");
        const QList<std::pair<QString, QString>> paires = {
            {u"île"_s, u"ile"_s}, {u"oignon"_s, u"ognon"_s}, {u"août"_s, u"aout"_s},
            {u"presqu'île"_s, u"presqu'ile"_s}, {u"piqûre"_s, u"piqure"_s}, {u"boîte"_s, u"boite"_s},
            {u"chaîne"_s, u"chaine"_s}, {u"dîner"_s, u"diner"_s}, {u"maître"_s, u"maitre"_s},
            {u"connaître"_s, u"connaitre"_s}, {u"goûter"_s, u"gouter"_s}, {u"événement"_s, u"évènement"_s},
            {u"nénuphar"_s, u"nénufar"_s}, {u"connaît"_s, u"connait"_s}, {u"boîtes"_s, u"boites"_s},
            {u"week-end"_s, u"weekend"_s}};
        for (const auto &[traditionnelle, rectifiee] : paires)
            QTest::newRow(qPrintable(traditionnelle)) << traditionnelle << rectifiee;
    }
    void variantes()
    {
        QFETCH(QString, traditionnelle);
        QFETCH(QString, rectifiee);
        QCOMPARE(tablesSysteme_->variantesOrthographe(traditionnelle), QStringList{rectifiee});
        QCOMPARE(tablesSysteme_->variantesOrthographe(rectifiee), QStringList{traditionnelle});
        QVERIFY(tablesSysteme_->estRectifiee(rectifiee));
        QVERIFY(!tablesSysteme_->estRectifiee(traditionnelle));
        // A word at the start of a sentence.
        QString capitale = rectifiee;
        capitale.front() = capitale.front().toUpper();
        QVERIFY(tablesSysteme_->estRectifiee(capitale));
    }

    // The circumflex stays where it tells two words apart ("mûr", "mur") and
    // in the verb's endings; a word the reform left alone has one spelling.
    void uneSeuleOrthographe_data()
    {
        QTest::addColumn<QString>("mot");
        for (const QString &mot : {u"mûr"_s, u"mur"_s, u"dû"_s, u"sûr"_s, u"jeûne"_s, u"crûmes"_s, u"fûtes"_s,
                                   u"chat"_s, u"maison"_s, u"xylophonique"_s})
            QTest::newRow(qPrintable(mot)) << mot;
    }
    void uneSeuleOrthographe()
    {
        QFETCH(QString, mot);
        QCOMPARE(tablesDossier_->variantesOrthographe(mot), QStringList());
        QVERIFY(!tablesDossier_->estRectifiee(mot));
    }

    // Every form of a group sounds the same to the program's own ear
    // (espeak-ng, French rules): a sample of the index, checked live.
    void indexSelonLaVoix()
    {
        QFile fichier(kTablesConstruites + u'/' + kFichierHomophones);
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QStringList lignes = QString::fromUtf8(fichier.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(lignes.size() > 20000, qPrintable(QString::number(lignes.size())));
        QRandomGenerator hasard(20);
        for (int i = 0; i < 300; ++i) {
            const QString ligne = lignes[hasard.bounded(lignes.size())];
            if (ligne.startsWith(u'#'))
                continue;
            const QStringList groupe = ligne.split(u' ');
            QVERIFY(groupe.size() >= 2);
            for (const QString &forme : groupe)
                QVERIFY2(phonemesMot(forme) == phonemesMot(groupe.first()), qPrintable(ligne));
        }
    }

    // Missing, unreadable or damaged tables: no homophones and one spelling,
    // and what is sound in a table is still used.
    void tablesAbimees_data()
    {
        QTest::addColumn<QByteArray>("homophones");
        QTest::addColumn<QByteArray>("orthographe");
        QTest::addColumn<QStringList>("homophonesDent");
        QTest::addColumn<QStringList>("variantesIle");
        QTest::newRow("absentes") << QByteArray() << QByteArray() << QStringList() << QStringList();
        QTest::newRow("vides") << ""_ba << ""_ba << QStringList() << QStringList();
        QTest::newRow("octets quelconques") << "\x00\xff\xfe\x01" "dent\x00" "dans\n"_ba << "\xff\xff\t\x00\n"_ba
                                            << QStringList() << QStringList();
        QTest::newRow("pas en UTF-8") << "dent dans d\xe9s\n"_ba << "\xee" "le\tile\n"_ba << QStringList()
                                      << QStringList();
        QTest::newRow("lignes tronquées ou de trop")
            << "dent\n\n   \ndent dans\ndans dent dent\nd\x01nt dans\n"_ba
            << "île\nîle\tile\tîle\nîle\tîle\nîle\tile\n"_ba << QStringList{u"dans"_s} << QStringList{u"ile"_s};
        QTest::newRow("fins de ligne Windows") << "dent dans\r\n"_ba << "île\tile\r\n"_ba << QStringList{u"dans"_s}
                                               << QStringList{u"ile"_s};
    }
    void tablesAbimees()
    {
        QFETCH(QByteArray, homophones);
        QFETCH(QByteArray, orthographe);
        QFETCH(QStringList, homophonesDent);
        QFETCH(QStringList, variantesIle);
        QTemporaryDir racine;
        const QString dossier = racine.filePath(u"langue"_s);
        QVERIFY(QDir().mkpath(dossier));
        if (!homophones.isNull())
            ecrire(dossier + u'/' + kFichierHomophones, homophones);
        if (!orthographe.isNull())
            ecrire(dossier + u'/' + kFichierOrthographe, orthographe);
        const TablesLangue tables(trouverDossierLangue(racine.path()));
        QCOMPARE(tables.homophonesDe(u"dent"_s), homophonesDent);
        QCOMPARE(tables.variantesOrthographe(u"île"_s), variantesIle);
        QCOMPARE(tables.estRectifiee(u"ile"_s), !variantesIle.isEmpty());
        QCOMPARE(tables.homophonesDe(u"chat"_s), QStringList());
    }

    // The first questions come from several threads at once (workers
    // classifying answers): the tables are read once, and every thread gets
    // the whole answer.
    void premiereQuestionDePlusieursFils()
    {
        const TablesLangue tables(trouverDossierLangue(dossier_.path()));
        QList<QFuture<QStringList>> reponses;
        for (int i = 0; i < 8; ++i) {
            reponses << QtConcurrent::run([&tables, i] {
                return i % 2 ? tables.homophonesDe(u"dent"_s) : tables.variantesOrthographe(u"île"_s);
            });
        }
        for (int i = 0; i < reponses.size(); ++i)
            QCOMPARE(reponses[i].result(), i % 2 ? QStringList{u"dans"_s} : QStringList{u"ile"_s});
    }

    // What a group of the index gives for each of its words, exactly.
    void regroupements_data()
    {
        QTest::addColumn<QByteArray>("groupe");
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QStringList>("attendus");
        QTest::newRow("pluriel") << "dans dent dents"_ba << u"dents"_s << QStringList{u"dans"_s};
        QTest::newRow("mot composé") << "grand-mère grands-mères granmère"_ba << u"grand-mère"_s
                                     << QStringList{u"granmère"_s};
        QTest::newRow("participe et ses accords")
            << "manger mangé mangée mangées mangés mangez"_ba << u"manger"_s << QStringList{u"mangé"_s, u"mangez"_s};
        QTest::newRow("un participe, l'autre forme") << "manger mangé mangée mangez"_ba << u"mangée"_s
                                                     << QStringList{u"manger"_s, u"mangez"_s};
        QTest::newRow("imparfait") << "jouais jouait jouaient jouet"_ba << u"jouet"_s << QStringList{u"jouais"_s};
        QTest::newRow("féminin et pluriels") << "ami amie amies amis"_ba << u"amies"_s << QStringList{};
        QTest::newRow("pluriel du verbe") << "joue joues jouent joug"_ba << u"jouent"_s << QStringList{u"joug"_s};
        QTest::newRow("autre orthographe") << "il ile iles île îles"_ba << u"îles"_s << QStringList{u"il"_s};
        QTest::newRow("mot invariable") << "mai mais mes met mets"_ba << u"mes"_s
                                        << QStringList{u"mai"_s, u"mais"_s, u"met"_s};
    }
    void regroupements()
    {
        QFETCH(QByteArray, groupe);
        QFETCH(QString, mot);
        QFETCH(QStringList, attendus);
        QTemporaryDir racine;
        QVERIFY(QDir().mkpath(racine.filePath(u"langue"_s)));
        ecrire(racine.filePath(u"langue/"_s + kFichierHomophones), "# essai\n" + groupe + '\n');
        ecrire(racine.filePath(u"langue/"_s + kFichierOrthographe), "île\tile\nîles\tiles\n"_ba);
        const TablesLangue tables(trouverDossierLangue(racine.path()));
        QCOMPARE(tables.homophonesDe(mot), attendus);
    }

    // A folder where a table should be, or no tables folder at all.
    void pasDeTable()
    {
        QTemporaryDir racine;
        QVERIFY(QDir().mkpath(racine.filePath(u"langue/"_s + kFichierHomophones)));
        QVERIFY(QDir().mkpath(racine.filePath(u"langue/"_s + kFichierOrthographe)));
        const TablesLangue tables(trouverDossierLangue(racine.path()));
        QCOMPARE(tables.homophonesDe(u"dent"_s), QStringList());
        QCOMPARE(tables.variantesOrthographe(u"île"_s), QStringList());

        QTemporaryDir vide;
        QCOMPARE(trouverDossierLangue(vide.path()), QString());
        const TablesLangue sansDossier(trouverDossierLangue(vide.path()));
        QCOMPARE(sansDossier.homophonesDe(u"dent"_s), QStringList());
        QCOMPARE(sansDossier.variantesOrthographe(u"île"_s), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestLangue)
#include "tst_langue.moc"
