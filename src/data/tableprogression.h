#pragma once
// A pupil's progress table: one row per word, eleven text cells per row.
// Column 0 holds the word while it is new, column 1 its level, column 2 the
// reference date, and columns 3 to 10 the word at that stage of the ladder.
#include <QList>
#include <QString>
#include <array>
#include <utility>

inline constexpr int kColonnes = 11;
inline constexpr int kColonneNiveau = 1;
inline constexpr int kColonneDate = 2;
inline constexpr int kColonneAcquis = 10;
// The columns that can hold the word, in the order a row's word is looked for.
inline constexpr std::array<int, 9> kColonnesMot = {0, 3, 4, 5, 6, 7, 8, 9, 10};

// A level a new word can be proposed with: exactly one digit from 1 to 5.
inline bool niveauValide(const QString &niveau)
{
    return niveau.size() == 1 && niveau[0] >= u'1' && niveau[0] <= u'5';
}

using LigneProgression = std::array<QString, kColonnes>;
// Rows move as plain memory when the table grows or loses rows.
Q_DECLARE_TYPEINFO(LigneProgression, Q_RELOCATABLE_TYPE);

class TableProgression {
public:
    int nombreLignes() const { return int(lignes_.size()); }
    const QString &cellule(int ligne, int colonne) const { return lignes_[ligne][colonne]; }
    void ecrireCellule(int ligne, int colonne, const QString &texte) { lignes_[ligne][colonne] = texte; }
    const LigneProgression &ligne(int ligne) const { return lignes_[ligne]; }
    void ajouterLigne(const LigneProgression &ligne = {}) { lignes_.append(ligne); }
    void ajouterLigne(LigneProgression &&ligne) { lignes_.append(std::move(ligne)); }
    void remplacerLignes(QList<LigneProgression> &&lignes) { lignes_ = std::move(lignes); }
    // Takes the rows out, leaving the table empty (for reworking them in place).
    QList<LigneProgression> extraireLignes() { return std::exchange(lignes_, {}); }
    // Removes, in one pass, every row for which the predicate is true.
    template <typename Predicat>
    void retirerLignesSi(Predicat predicat) { lignes_.removeIf(predicat); }
    void supprimerLigne(int ligne) { lignes_.removeAt(ligne); }
    void vider() { lignes_.clear(); }
    void reserver(int n) { lignes_.reserve(n); }

    // The row's word: its first non-empty cell among columns 0, 3 to 10;
    // empty when the row has none.
    QString motDeLigne(int ligne) const;
    // The column holding the word (its stage), or -1 when the row has no word.
    int etapeDeLigne(int ligne) const;

    const QList<LigneProgression> &lignes() const { return lignes_; }
    bool operator==(const TableProgression &autre) const { return lignes_ == autre.lignes_; }

private:
    QList<LigneProgression> lignes_;
};
