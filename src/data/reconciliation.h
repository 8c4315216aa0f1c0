#pragma once
// The words of a word list, numbered, for the reconciliation: one hash lookup
// per table cell at most, and most cells (levels, dates) turned away by a
// small bit filter that stays in the processor's cache.
#include "listemots.h"

#include <QHash>
#include <QList>
#include <QString>
#include <vector>

class IndexMots {
public:
    explicit IndexMots(const ListeMots &liste);

    // The number of the word equal to the text; -1 when no word is.
    int indice(const QString &texte) const;
    // The number of each entry's word, in list order.
    const QList<int> &indicesEntrees() const { return indicesEntrees_; }
    int nombreMots() const { return int(indices_.size()); }

private:
    size_t bit(const QString &texte) const;

    QHash<QString, int> indices_;
    QList<int> indicesEntrees_;
    std::vector<quint64> filtre_;
    int indiceVide_ = -1;
};
