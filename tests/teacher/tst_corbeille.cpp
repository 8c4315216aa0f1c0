// Tests of the Corbeille: what "Corbeille…" lists and plays, a removed word
// put back as it was, a recording put back over another only when the
// teacher says so; and a recording replaced from a sound file.
#include "outils.h"
#include "data/encodage.h"
#include "teacher/textesenseignant.h"

#include <cmath>
#include <sndfile.h>
#include <vector>

namespace {

const QStringList kMots{"chat", u"Château"_s, "cheval", "chien", "vache"};
const QByteArray kNiveaux[] = {"1", "3", "", "2", ""};

// Mots.dat as the window writes it, and a recording of its own per word.
Fenetre fenetreMots()
{
    return Fenetre(kMots, {}, [](Fenetre &x) {
        QByteArray mots;
        for (qsizetype i = 0; i < kMots.size(); ++i) {
            mots += ligneMots(kMots[i].toLatin1(), kNiveaux[i]);
            x.inst.ecrire(u"Sons/"_s + kMots[i] + u".wav"_s, "RIFF de " + kMots[i].toUtf8());
        }
        x.inst.ecrire(u"Mots.dat"_s, mots);
    });
}

// The row showing the word, after filtering on it.
int ligne(const Fenetre &t, const QString &mot)
{
    t.w<QLineEdit>(u"txtFiltre"_s)->setText(mot);
    for (int k = 0; k < t.f->lignes() && !t.mot(k).isEmpty(); ++k)
        if (t.mot(k) == mot)
            return k;
    return -1;
}

QDialog *ouvrirCorbeille(const Fenetre &t)
{
    auto *bouton = t.w<QPushButton>(u"cmdCorbeille"_s);
    if (!bouton)
        return nullptr;
    t.clic(bouton);
    return t.f->findChild<QDialog *>(u"dialogueCorbeille"_s);
}

// What the list of the dialog shows: one "word|date|level" per row.
QStringList lignesCorbeille(QDialog *d)
{
    QStringList lignes;
    auto *liste = d->findChild<QTreeWidget *>(u"lstCorbeille"_s);
    for (int i = 0; i < liste->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *e = liste->topLevelItem(i);
        lignes << e->text(0) + u'|' + e->text(1) + u'|' + e->text(2);
    }
    return lignes;
}

// Picks the newest entry of the word and clicks "Remettre dans la liste".
bool remettre(QDialog *d, const QString &mot)
{
    auto *liste = d->findChild<QTreeWidget *>(u"lstCorbeille"_s);
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        if (liste->topLevelItem(i)->text(0) == mot) {
            liste->setCurrentItem(liste->topLevelItem(i));
            QTest::mouseClick(d->findChild<QPushButton *>(u"cmdRemettre"_s), Qt::LeftButton);
            return true;
        }
    return false;
}

// A sound file as another program makes it: 0.3 s of silence, 0.5 s of a
// 440 Hz tone in the first channel (the others silent), 0.4 s of silence;
// with a second tone as loud at aigu Hz when asked.
bool ecrireSon(const QString &chemin, int format, int frequence, int canaux, int aigu = 0)
{
    SF_INFO info{};
    info.samplerate = frequence;
    info.channels = canaux;
    info.format = format;
    SNDFILE *f = sf_open(QFile::encodeName(chemin).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    const int debut = frequence * 3 / 10, fin = frequence * 8 / 10, total = frequence * 12 / 10;
    std::vector<float> echantillons(std::size_t(total) * std::size_t(canaux), 0.0f);
    for (int i = debut; i < fin; ++i)
        echantillons[std::size_t(i) * std::size_t(canaux)] = float(
            0.3 * std::sin(2 * M_PI * 440 * i / frequence) + (aigu ? 0.3 * std::sin(2 * M_PI * aigu * i / frequence) : 0));
    const sf_count_t ecrits = sf_writef_float(f, echantillons.data(), total);
    sf_close(f);
    return ecrits == total;
}

struct Recording {
    int frequence = 0;
    int canaux = 0;
    double secondes = 0;
    double rms = 0;
    double hauteurHz = 0;   // from the sign changes of the loud part
};

Recording lireRecording(const QString &chemin)
{
    SF_INFO info{};
    SNDFILE *f = sf_open(QFile::encodeName(chemin).constData(), SFM_READ, &info);
    if (!f)
        return {};
    std::vector<double> e(std::size_t(info.frames) * std::size_t(info.channels));
    sf_readf_double(f, e.data(), info.frames);
    sf_close(f);
    Recording r{info.samplerate, info.channels, double(info.frames) / info.samplerate};
    double somme = 0, crete = 0;
    for (double x : e) {
        somme += x * x;
        crete = std::max(crete, std::abs(x));
    }
    r.rms = e.empty() ? 0 : std::sqrt(somme / double(e.size()));
    int changements = 0;
    qsizetype premier = -1, dernier = -1;
    for (qsizetype i = 0; i < qsizetype(e.size()); ++i)
        if (std::abs(e[std::size_t(i)]) > crete / 2) {
            premier = premier < 0 ? i : premier;
            dernier = i;
        }
    for (qsizetype i = premier + 1; premier >= 0 && i <= dernier; ++i)
        changements += (e[std::size_t(i - 1)] < 0) != (e[std::size_t(i)] < 0);
    if (dernier > premier)
        r.hauteurHz = changements / 2.0 / (double(dernier - premier) / info.samplerate);
    return r;
}

} // namespace

class TestCorbeille : public QObject {
    Q_OBJECT

private slots:
    // A word removed then put back: its recording, its level and its place
    // in the list as before, so Mots.dat has the very same bytes, and its
    // sentence with its recording, so Phrases.dat has them too; nothing of it
    // is left in Corbeille. Another word's sentence stays as it was.
    void allerRetour_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("niveau");
        QTest::addColumn<QString>("niveauAffiche");   // in the dialog's list
        QTest::addColumn<QString>("phrase");          // empty: none
        QTest::addColumn<bool>("enregistrementPhrase");
        QTest::newRow("au milieu, niveau 2") << u"chien"_s << u"2"_s << u"2"_s << u"Le chien aboie."_s << true;
        QTest::newRow("le premier") << u"chat"_s << u"1"_s << u"1"_s << QString() << false;
        QTest::newRow("accentué, phrase entre guillemets")
            << u"Château"_s << u"3"_s << u"3"_s << u"Le « Château » a une tour très haute."_s << true;
        QTest::newRow("le dernier, sans niveau, phrase sans enregistrement")
            << u"vache"_s << QString() << u"aucun"_s << u"La vache donne du lait."_s << false;
    }
    void allerRetour()
    {
        QFETCH(QString, mot);
        QFETCH(QString, niveau);
        QFETCH(QString, niveauAffiche);
        QFETCH(QString, phrase);
        QFETCH(bool, enregistrementPhrase);
        Fenetre t = fenetreMots();
        QByteArray phrasesAvant = "\"cheval\",\"Le cheval galope.\"\r\n";
        if (!phrase.isEmpty())
            phrasesAvant += *encoderWindows1252(u"\""_s + mot + u"\",\""_s + phrase + u"\"\r\n"_s);
        t.inst.ecrire(u"Phrases.dat"_s, phrasesAvant);
        QVERIFY(QDir(t.inst.dossier.path()).mkpath(u"Phrases"_s));
        t.inst.ecrire(u"Phrases/cheval.wav"_s, "RIFF phrase du cheval");
        if (enregistrementPhrase)
            t.inst.ecrire(u"Phrases/"_s + mot + u".wav"_s, "RIFF phrase de " + mot.toUtf8());
        const QByteArray motsAvant = t.inst.lire(u"Mots.dat"_s);
        const QByteArray sonAvant = t.inst.lire(u"Sons/"_s + mot + u".wav"_s);
        const ListeMots listeAvant = t.f->tableur();

        t.menu(ligne(t, mot), u"actSupprimer"_s);
        QVERIFY(!QFileInfo::exists(t.inst.fichier(u"Sons/"_s + mot + u".wav"_s)));
        QVERIFY(t.inst.lire(u"Mots.dat"_s) != motsAvant);
        QCOMPARE(t.inst.lire(u"Phrases.dat"_s), "\"cheval\",\"Le cheval galope.\"\r\n"_ba);
        QCOMPARE(QDir(t.inst.fichier(u"Phrases"_s)).entryList(QDir::Files), QStringList{u"cheval.wav"_s});

        QDialog *d = ouvrirCorbeille(t);
        QVERIFY(d && d->isVisible());
        const QStringList lignes = lignesCorbeille(d);
        QCOMPARE(lignes.size(), 1);
        // The date is the moment of the removal: today's, whatever the time.
        const QString aujourdhui = QDate::currentDate().toString(u"dd/MM/yyyy"_s);
        QCOMPARE(lignes[0].section(u'|', 0, 0), mot);
        QCOMPARE(lignes[0].section(u'|', 1, 1).left(12), aujourdhui + u" à"_s);
        QCOMPARE(lignes[0].section(u'|', 2), niveauAffiche);

        t.p.messages.demandes.clear();
        QVERIFY(remettre(d, mot));
        QCOMPARE(t.p.messages.titres(), QStringList{u"Remettre un enregistrement"_s});
        QVERIFY(t.p.messages.demandes[0].texte.contains(u"« "_s + mot + u" »"_s));
        QCOMPARE(t.inst.lire(u"Sons/"_s + mot + u".wav"_s), sonAvant);
        QCOMPARE(t.f->tableur(), listeAvant);
        QCOMPARE(t.inst.lire(u"Mots.dat"_s), motsAvant);
        QCOMPARE(ligne(t, mot) >= 0 ? t.niveau(ligne(t, mot)) : u"<absent>"_s, niveau);
        QCOMPARE(t.inst.lire(u"Phrases.dat"_s), phrasesAvant);
        QCOMPARE(t.inst.lire(u"Phrases/cheval.wav"_s), "RIFF phrase du cheval"_ba);
        QCOMPARE(t.inst.lire(u"Phrases/"_s + mot + u".wav"_s),
                 enregistrementPhrase ? "RIFF phrase de " + mot.toUtf8() : "<absent>"_ba);
        QCOMPARE(t.p.messages.demandes[0].texte.contains(phrase), true);
        QCOMPARE(QDir(t.inst.fichier(u"Corbeille"_s)).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(t.inst.fichier(u"Corbeille/Phrases"_s)).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(lignesCorbeille(d), QStringList());
        QVERIFY(d->findChild<QLabel *>(u"lblVide"_s)->isVisible());
    }

    // A recording put back while the word has one in Sons: the teacher is
    // asked; no keeps everything as it is, yes swaps the two, the current one
    // going to Corbeille in turn.
    void remettreSurExistant_data()
    {
        QTest::addColumn<QString>("actuel");   // the name of the word's recording in Sons
        QTest::addColumn<bool>("accepte");
        QTest::newRow("refusé") << u"chien.wav"_s << false;
        QTest::newRow("accepté") << u"chien.wav"_s << true;
        QTest::newRow("extension en capitales, refusé") << u"chien.WAV"_s << false;
        QTest::newRow("extension en capitales, accepté") << u"chien.WAV"_s << true;
    }
    void remettreSurExistant()
    {
        QFETCH(QString, actuel);
        QFETCH(bool, accepte);
        Fenetre t = fenetreMots();
        // The old recording goes to Corbeille through a replacement by the
        // computer's voice; the word stays listed.
        t.p.messages.reponseChoix = 0;
        t.menu(ligne(t, u"chien"_s), u"actRemplacer"_s);
        QTRY_COMPARE(t.p.messages.demandes.size(), 2);
        QCOMPARE(t.inst.lireCorbeille(u"chien"_s), QByteArray("RIFF de chien"));
        QFile::remove(t.inst.fichier(u"Sons/chien.wav"_s));
        t.inst.ecrire(u"Sons/"_s + actuel, "RIFF nouveau");
        const QByteArray motsAvant = t.inst.lire(u"Mots.dat"_s);
        const ListeMots listeAvant = t.f->tableur();

        QDialog *d = ouvrirCorbeille(t);
        QVERIFY(d);
        t.p.messages.demandes.clear();
        t.p.messages.reponseQuestion = accepte;
        QVERIFY(remettre(d, u"chien"_s));

        QVERIFY(!t.p.messages.demandes.isEmpty());
        QVERIFY(t.p.messages.demandes[0].question);
        QVERIFY(t.p.messages.demandes[0].texte.contains(u"« chien »"_s));
        QCOMPARE(t.f->tableur(), listeAvant);
        QCOMPARE(t.inst.lire(u"Mots.dat"_s), motsAvant);
        const QStringList sons = QDir(t.inst.fichier(u"Sons"_s)).entryList({u"chien.*"_s}, QDir::Files);
        if (!accepte) {
            QCOMPARE(t.p.messages.demandes.size(), 1);
            QCOMPARE(sons, QStringList{actuel});
            QCOMPARE(t.inst.lire(u"Sons/"_s + actuel), QByteArray("RIFF nouveau"));
            QCOMPARE(t.inst.lireCorbeille(u"chien"_s), QByteArray("RIFF de chien"));
            return;
        }
        QCOMPARE(sons, QStringList{u"chien.wav"_s});
        QCOMPARE(t.inst.lire(u"Sons/chien.wav"_s), QByteArray("RIFF de chien"));
        // Within the same second as the first move: a name of its own.
        const QStringList dans = QDir(t.inst.fichier(u"Corbeille"_s)).entryList(QDir::Files);
        QCOMPARE(dans.size(), 1);
        QCOMPARE(t.inst.lire(u"Corbeille/"_s + dans[0]), QByteArray("RIFF nouveau"));
        QCOMPARE(lignesCorbeille(d).size(), 1);
    }

    // What the dialog lists: dated recordings and the plain ones of older
    // installations (dated by the file), newest first, with the level a note
    // kept; anything else in the folder is left out. Écouter plays the
    // recording in Corbeille.
    void liste_data()
    {
        QTest::addColumn<QStringList>("fichiers");   // "name=bytes"; a ".dat" note holds its bytes
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("vide") << QStringList{} << QStringList{};
        QTest::newRow("datés et ancien")
            << QStringList{u"chat (2026-12-01 10h00m00).wav=a"_s, u"chien (2026-12-03 08h05m00).wav=b"_s,
                           u".chien (2026-12-03 08h05m00).dat=\"chien\",\"4\",\"chat\"\r\n"_s,
                           u"chat.wav=c"_s, u"notes.txt=d"_s}
            << QStringList{u"chien|03/12/2026 à 08:05|4"_s, u"chat|02/12/2026 à 12:30|inconnu"_s,
                           u"chat|01/12/2026 à 10:00|inconnu"_s};
        QTest::newRow("deux dans la même seconde")
            << QStringList{u"vache (2026-12-04 09h00m00).wav=a"_s, u"vache (2026-12-04 09h00m00 2).wav=b"_s}
            << QStringList{u"vache|04/12/2026 à 09:00|inconnu"_s, u"vache|04/12/2026 à 09:00|inconnu"_s};
        QTest::newRow("note d'un autre mot, niveau faux")
            << QStringList{u"chien (2026-12-03 08h05m00).wav=b"_s,
                           u".chien (2026-12-03 08h05m00).dat=\"chat\",\"4\",\"\"\r\n"_s,
                           u"vache (2026-12-02 08h05m00).wav=v"_s,
                           u".vache (2026-12-02 08h05m00).dat=\"vache\",\"9\",\"\"\r\n"_s}
            << QStringList{u"chien|03/12/2026 à 08:05|inconnu"_s, u"vache|02/12/2026 à 08:05|inconnu"_s};
    }
    void liste()
    {
        QFETCH(QStringList, fichiers);
        QFETCH(QStringList, lignes);
        Fenetre t({"chat"}, {}, [&](Fenetre &x) {
            QDir(x.inst.dossier.path()).mkpath(u"Corbeille"_s);
            for (const QString &f : fichiers)
                x.inst.ecrire(u"Corbeille/"_s + f.section(u'=', 0, 0), f.section(u'=', 1).toLatin1());
            QFile ancien(x.inst.fichier(u"Corbeille/chat.wav"_s));
            if (ancien.exists()) {
                QVERIFY(ancien.open(QIODevice::ReadWrite));
                QVERIFY(ancien.setFileTime(QDateTime(QDate(2026, 12, 2), QTime(12, 30)),
                                           QFileDevice::FileModificationTime));
            }
            QFile::link(x.inst.fichier(u"Sons/chat.wav"_s), x.inst.fichier(u"Corbeille/lien (2026-12-09 10h00m00).wav"_s));
        });
        QDialog *d = ouvrirCorbeille(t);
        QVERIFY(d);
        QCOMPARE(lignesCorbeille(d), lignes);
        QCOMPARE(d->findChild<QLabel *>(u"lblVide"_s)->isVisible(), lignes.isEmpty());
        auto *ecouter = d->findChild<QPushButton *>(u"cmdEcouter"_s);
        QCOMPARE(ecouter->isEnabled(), !lignes.isEmpty());
        QCOMPARE(d->findChild<QPushButton *>(u"cmdRemettre"_s)->isEnabled(), !lignes.isEmpty());
        if (const QString capture = qEnvironmentVariable("ORTHOVAL_CAPTURE"); !capture.isEmpty() && lignes.size() > 2)
            QVERIFY(d->grab().save(capture));
        if (lignes.isEmpty())
            return;
        auto *liste = d->findChild<QTreeWidget *>(u"lstCorbeille"_s);
        liste->setCurrentItem(liste->topLevelItem(liste->topLevelItemCount() - 1));
        QTest::mouseClick(ecouter, Qt::LeftButton);
        QCOMPARE(t.p.son.joues.size(), 1);
        QVERIFY(t.p.son.joues[0].startsWith(t.inst.fichier(u"Corbeille/"_s)));
        QCOMPARE(t.p.son.joues[0].section(u'/', -1).left(4), lignes.last().left(4));
    }

    // "Depuis un fichier son…": a file made by another program, at another
    // rate and in stereo, becomes the word's recording as a microphone take
    // would: 22,050 Hz mono, the silences cut to the margin, the loudness of
    // the library, the same pitch; a sound too high for 22,050 Hz is left
    // out, never folded back as a lower one. The old recording goes to Corbeille.
    void remplacerDepuisFichier_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("frequence");
        QTest::addColumn<int>("canaux");
        QTest::addColumn<int>("aigu");
        QTest::newRow("WAV 44100 Hz stéréo") << u"mot.wav"_s << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 44100 << 2 << 0;
        QTest::newRow("WAV 8000 Hz mono") << u"mot.wav"_s << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 8000 << 1 << 0;
        QTest::newRow("FLAC 48000 Hz stéréo") << u"mot.flac"_s << (SF_FORMAT_FLAC | SF_FORMAT_PCM_24) << 48000 << 2 << 0;
        QTest::newRow("OGG 32000 Hz stéréo") << u"mot.ogg"_s << (SF_FORMAT_OGG | SF_FORMAT_VORBIS) << 32000 << 2 << 0;
        QTest::newRow("WAV flottant 22050 Hz, 16 canaux")
            << u"mot.wav"_s << (SF_FORMAT_WAV | SF_FORMAT_FLOAT) << 22050 << 16 << 0;
        QTest::newRow("WAV 48000 Hz, 15 kHz en plus")
            << u"mot.wav"_s << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 48000 << 1 << 15000;
    }
    void remplacerDepuisFichier()
    {
        QFETCH(QString, nom);
        QFETCH(int, format);
        QFETCH(int, frequence);
        QFETCH(int, canaux);
        QFETCH(int, aigu);
        QTemporaryDir ailleurs;
        const QString fichier = ailleurs.filePath(nom);
        QVERIFY(ecrireSon(fichier, format, frequence, canaux, aigu));
        Fenetre t = fenetreMots();
        t.p.messages.reponseChoix = 2;
        t.p.messages.reponseFichier = fichier;
        t.menu(ligne(t, u"chien"_s), u"actRemplacer"_s);

        QCOMPARE(t.p.messages.choixProposes.value(2), TextesEnseignant::depuisFichier);
        QCOMPARE(t.p.messages.titres(), (QStringList{TextesEnseignant::titreRemplacer, TextesEnseignant::titreFichierSon,
                                                     TextesEnseignant::titreRemplacer}));
        QCOMPARE(t.p.messages.demandes.last().texte, TextesEnseignant::remplace.arg(u"chien"_s));
        QCOMPARE(t.inst.lireCorbeille(u"chien"_s), QByteArray("RIFF de chien"));
        const Recording r = lireRecording(t.inst.fichier(u"Sons/chien.wav"_s));
        QCOMPARE(r.frequence, 22050);
        QCOMPARE(r.canaux, 1);
        // 0.5 s of tone and 80 ms kept on each side.
        QVERIFY2(std::abs(r.secondes - 0.66) < 0.03, qPrintable(QString::number(r.secondes)));
        QVERIFY2(std::abs(r.hauteurHz - 440) < 440 * 0.03, qPrintable(QString::number(r.hauteurHz)));
        QVERIFY2(std::abs(r.rms * 32768 - kVolumeCible) < kVolumeCible * 0.05, qPrintable(QString::number(r.rms * 32768)));
        QCOMPARE(QFileInfo(fichier).size() > 0, true);   // the teacher's file is left as it was
    }

    // A file that is no usable sound: a clear message naming it, nothing
    // changed in Sons or Corbeille. A cancelled chooser does nothing at all.
    void fichierRefuse_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("octets");   // null: a real WAV of silence; "<absent>": no file
        QTest::addColumn<QString>("raison");      // in the message; empty: chooser cancelled
        QTest::newRow("du texte nommé .wav") << u"mot.wav"_s << QByteArray("chien, chat, vache\n") << u"n'est pas un son"_s;
        QTest::newRow("un fichier vide") << u"mot.ogg"_s << QByteArray("") << u"n'est pas un son"_s;
        QTest::newRow("un WAV tronqué") << u"mot.wav"_s << QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16) << u"n'est pas un son"_s;
        QTest::newRow("du silence") << u"mot.wav"_s << QByteArray() << u"que du silence"_s;
        QTest::newRow("une minute et plus") << u"long.wav"_s << QByteArray("<long>") << u"plus de 60 secondes"_s;
        QTest::newRow("un dossier") << u"dossier.wav"_s << QByteArray("<dossier>") << u"pas un fichier ordinaire"_s;
        QTest::newRow("disparu") << u"mot.flac"_s << QByteArray("<absent>") << u"introuvable"_s;
        QTest::newRow("choix annulé") << QString() << QByteArray("<absent>") << QString();
    }
    void fichierRefuse()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, octets);
        QFETCH(QString, raison);
        QTemporaryDir ailleurs;
        const QString fichier = nom.isEmpty() ? QString() : ailleurs.filePath(nom);
        if (octets.isNull()) {
            SF_INFO info{0, 44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
            SNDFILE *f = sf_open(QFile::encodeName(fichier).constData(), SFM_WRITE, &info);
            QVERIFY(f);
            const std::vector<short> zeros(44100, 0);
            sf_write_short(f, zeros.data(), sf_count_t(zeros.size()));
            sf_close(f);
        } else if (octets == "<long>") {
            SF_INFO info{0, 8000, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
            SNDFILE *f = sf_open(QFile::encodeName(fichier).constData(), SFM_WRITE, &info);
            QVERIFY(f);
            std::vector<short> son(8000 * 61);
            for (std::size_t i = 0; i < son.size(); ++i)
                son[i] = short(8000 * std::sin(2 * M_PI * 440 * double(i) / 8000));
            sf_write_short(f, son.data(), sf_count_t(son.size()));
            sf_close(f);
        } else if (octets == "<dossier>") {
            QVERIFY(QDir().mkpath(fichier));
        } else if (octets != "<absent>") {
            QFile f(fichier);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(octets);
        }
        Fenetre t = fenetreMots();
        const QByteArray motsAvant = t.inst.lire(u"Mots.dat"_s);
        t.p.messages.reponseChoix = 2;
        t.p.messages.reponseFichier = fichier;
        t.menu(ligne(t, u"chien"_s), u"actRemplacer"_s);
        QApplication::processEvents();

        QCOMPARE(t.inst.lire(u"Sons/chien.wav"_s), QByteArray("RIFF de chien"));
        QVERIFY(!QFileInfo::exists(t.inst.fichier(u"Corbeille"_s)));
        QCOMPARE(QDir(t.inst.fichier(u"Sons"_s)).entryList(QDir::Files | QDir::Hidden).size(), kMots.size());
        QCOMPARE(t.inst.lire(u"Mots.dat"_s), motsAvant);
        if (raison.isEmpty()) {
            QCOMPARE(t.p.messages.titres(), (QStringList{TextesEnseignant::titreRemplacer, TextesEnseignant::titreFichierSon}));
            return;
        }
        QCOMPARE(t.p.messages.demandes.size(), 3);
        const QString message = t.p.messages.demandes.last().texte;
        QVERIFY2(message.startsWith(u"« chien » n'a pas pu être enregistré de nouveau"_s), qPrintable(message));
        QVERIFY2(message.contains(raison), qPrintable(message));
        QVERIFY2(message.contains(QFileInfo(fichier).fileName()), qPrintable(message));
    }
};

QTEST_MAIN(TestCorbeille)
#include "tst_corbeille.moc"
