#pragma once
// The teacher's word list as a model, in file order: one row per word, the
// word and its level as columns, then two columns the view draws as buttons
// (hear the word, the word's actions). FiltreMots shows the words that begin
// with a text (capitals and accents do not count) and have a chosen level.
// A word can carry a mark ("se prononce comme : dans"), shown beside it.
// QtCore only: what the window does with the list is tested without it.
#include "data/listemots.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSortFilterProxyModel>
#include <functional>

class ModeleMots : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Colonne { ColonneMot, ColonneNiveau, ColonneEcouter, ColonneActions, NombreColonnes };
    // The word's key for the filter (see cleFiltre).
    static constexpr int RoleCle = Qt::UserRole + 1;
    // The word's mark, of the word column ("" for none); its tooltip too.
    static constexpr int RoleMarque = Qt::UserRole + 2;

    // The model reads and changes liste, which must outlive it.
    explicit ModeleMots(ListeMots &liste, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Only the level can be set, to "" or "1" to "5".
    bool setData(const QModelIndex &index, const QVariant &valeur, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The level of row r after one click; returns it.
    QString cyclerNiveau(int r);
    // Gives niveau to every row listed, with one change signal.
    void donnerNiveau(const QList<int> &rangs, const QString &niveau);
    // Takes row r out of the list.
    void retirer(int r);
    // The list was changed without the model (words added): everything is read again.
    void recharger();
    // What marks a word (empty for none), asked once a word until recharger.
    void setMarque(std::function<QString(const QString &mot)> marque);
    // The filter key of row r (see cleFiltre).
    const QString &cle(int r) const;

private:
    ListeMots &liste_;
    // Made at their first use, then kept while the words stay the same.
    mutable QStringList cles_;
    std::function<QString(const QString &)> marque_;
    mutable QHash<QString, QString> marques_;
};

class FiltreMots : public QSortFilterProxyModel {
    Q_OBJECT
public:
    // The level choices, as in the level filter list: every level, no level,
    // then level 1 to 5.
    static constexpr int TousNiveaux = 0;

    explicit FiltreMots(QObject *parent = nullptr);

    // The beginning of the words shown (spaces around it do not count), and
    // the level: TousNiveaux, 1 for the words without a level, 2 to 6 for
    // level 1 to 5. The words are read again only when one of them changes.
    void setFiltres(const QString &debut, int choix);

    // Gives niveau to every word shown. The words shown stay the same until
    // the filters change, even those whose new level the filter would refuse:
    // the teacher sees what was done. Returns how many words changed.
    int donnerNiveau(const QString &niveau);
    // The row of the list that row r of the filter shows; -1 when none.
    int rangListe(int r) const;

protected:
    bool filterAcceptsRow(int ligne, const QModelIndex &parent) const override;

private:
    QString debut_;
    int choix_ = TousNiveaux;
};

// The key a word is found by: accents and capitals dropped, ligatures spread
// ("Œuf" gives "oeuf").
QString cleFiltre(const QString &texte);
