#pragma once
// The tables of the overview window: the class (one row per pupil, the
// columns of colonnessuivi.h), the hard words, and the bar drawn in a cell.
#include "suiviclasse.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStyledItemDelegate>

// Each text's place in French alphabetical order (accents and case second),
// for sorting: a plain comparison would put "Émile" after "Zoé".
QHash<QString, int> rangsAlphabetiques(QStringList textes);

// Roles beyond Qt's: the sort key, and the counts the bar draws (QVariantList
// of int, in the order of segmentsEtapes(); empty when the file is unreadable).
inline constexpr int kRoleTri = Qt::UserRole;
inline constexpr int kRoleEtapes = Qt::UserRole + 1;

class ModeleClasse : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeleClasse(const SuiviClasse &classe, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    const SuiviEleve &eleve(int ligne) const { return classe_.eleves[ligne]; }
    // The pupils that stand out.
    int nombreASurveiller() const;
    // After the pupils' mistakes were added to the class.
    void actualiser();

private:
    const SuiviClasse &classe_;
    std::vector<bool> attention_;
};

class ModeleMotsDifficiles : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeleMotsDifficiles(QList<MotDifficile> mots, QObject *parent = nullptr);
    // Once the journals are read, the counts they bring.
    void changer(QList<MotDifficile> mots);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<MotDifficile> mots_;
    QHash<QString, int> rangs_;
};

// Draws kRoleEtapes as one bar, each step as wide as its share of the words.
class DelegueBarre : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *peintre, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
