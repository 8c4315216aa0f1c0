// Pairs the traditional spellings of French words with their 1990 reformed
// ones. A form the traditional dictionary accepts and the reformed one
// refuses is rewritten by the reform's rules (î and û lose the circumflex, é
// becomes è before a mute syllable, compounds are welded, double consonants
// of -olle/-otte and of -eler/-eter verbs, ü for ë, accents on loanwords,
// "ognon", "nénufar", "relai", "assoir"); the first rewriting the reformed
// dictionary accepts is its other spelling. Words the reform keeps (mûr, dû,
// the circumflex of verb endings) are accepted by both and never paired.
//
// It also lists the forms of the list a child is never asked to write, which
// the homophone index leaves out: those the traditional dictionary refuses
// (typing slips of the list, "côchons", "gourmant", and rarities), and verb
// forms that are only a passé simple or an imparfait du subjonctif
// ("mangeai", "lamât"), tenses that primary school reads but does not dictate.
//   orthographe LISTE CLASSIQUE.aff CLASSIQUE.dic REFORME.aff REFORME.dic PAIRES ECARTEES
// Built and run by regenerer.sh.
#include <hunspell.h>

#include <cstring>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {
using Reecriture = std::pair<std::string, std::string>;

// Each at one place of the word at a time.
const std::vector<Reecriture> kUnePlace = {
    {"î", "i"},  {"û", "u"},  {"é", "è"},  {"-", ""},    {"oi", "o"},  {"ph", "f"},  {"ell", "èl"},
    {"ett", "èt"}, {"ll", "l"}, {"tt", "t"}, {"uë", "üe"}, {"uï", "üi"}, {"eoi", "oi"}, {"e", "é"},
};

std::vector<std::string> reecrire(const std::string &mot)
{
    std::vector<std::string> formes;
    // The circumflex goes from every i and u at once ("connaîtraît" is rare,
    // "maîtresse" is not).
    for (const auto &[de, vers] : {Reecriture{"î", "i"}, Reecriture{"û", "u"}, Reecriture{"-", ""}}) {
        std::string tout = mot;
        for (size_t p = tout.find(de); p != std::string::npos; p = tout.find(de, p + vers.size()))
            tout.replace(p, de.size(), vers);
        if (tout != mot)
            formes.push_back(tout);
    }
    for (const auto &[de, vers] : kUnePlace) {
        for (size_t p = mot.find(de); p != std::string::npos; p = mot.find(de, p + 1)) {
            std::string forme = mot;
            forme.replace(p, de.size(), vers);
            formes.push_back(forme);
        }
    }
    if (mot.size() > 2 && mot.back() == 's')
        formes.push_back(mot.substr(0, mot.size() - 1));
    return formes;
}
}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 8) {
        std::fprintf(stderr, "usage: orthographe LISTE CLASSIQUE.aff CLASSIQUE.dic REFORME.aff REFORME.dic PAIRES ECARTEES\n");
        return 2;
    }
    std::ifstream liste(argv[1]);
    if (!liste) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    Hunhandle *classique = Hunspell_create(argv[2], argv[3]);
    Hunhandle *reforme = Hunspell_create(argv[4], argv[5]);
    const auto accepte = [](Hunhandle *dico, const std::string &mot) { return Hunspell_spell(dico, mot.c_str()) != 0; };

    // Every reading of the form is a passé simple (ipsi) or an imparfait du
    // subjonctif (simp).
    const auto tempsLitteraire = [&](const std::string &forme) {
        char **analyses = nullptr;
        const int nombre = Hunspell_analyze(classique, &analyses, forme.c_str());
        bool litteraire = nombre > 0;
        for (int i = 0; i < nombre; ++i)
            litteraire = litteraire && (std::strstr(analyses[i], "po:ipsi") || std::strstr(analyses[i], "po:simp"));
        Hunspell_free_list(classique, &analyses, nombre);
        return litteraire;
    };

    std::vector<std::pair<std::string, std::string>> paires;
    std::vector<std::string> ecartees;
    std::string mot;
    while (std::getline(liste, mot)) {
        if (mot.empty())
            continue;
        if (!accepte(classique, mot) || tempsLitteraire(mot))
            ecartees.push_back(mot);
        if (!accepte(classique, mot) || accepte(reforme, mot))
            continue;
        std::string rectifiee;
        // One rewriting, then two (î and é in "chaînée"? the rules combine).
        for (const std::string &forme : reecrire(mot)) {
            if (forme != mot && accepte(reforme, forme)) {
                rectifiee = forme;
                break;
            }
        }
        if (rectifiee.empty()) {
            for (const std::string &forme : reecrire(mot)) {
                for (const std::string &seconde : reecrire(forme)) {
                    if (seconde != mot && accepte(reforme, seconde)) {
                        rectifiee = seconde;
                        break;
                    }
                }
                if (!rectifiee.empty())
                    break;
            }
        }
        if (!rectifiee.empty())
            paires.emplace_back(mot, rectifiee);
    }
    std::sort(paires.begin(), paires.end());
    paires.erase(std::unique(paires.begin(), paires.end()), paires.end());
    std::ofstream sortiePaires(argv[6]);
    for (const auto &[traditionnelle, rectifiee] : paires)
        sortiePaires << traditionnelle << '\t' << rectifiee << '\n';
    std::ofstream sortieEcartees(argv[7]);
    for (const std::string &forme : ecartees)
        sortieEcartees << forme << '\n';
    Hunspell_destroy(classique);
    Hunspell_destroy(reforme);
    if (!sortiePaires.flush() || !sortieEcartees.flush()) {
        std::fprintf(stderr, "cannot write %s or %s\n", argv[6], argv[7]);
        return 1;
    }
    std::fprintf(stderr, "%zu pairs, %zu forms left out\n", paires.size(), ecartees.size());
    return 0;
}
