#include "reconciliation.h"

#include <bit>

IndexMots::IndexMots(const ListeMots &liste)
{
    indices_.reserve(liste.size());
    indicesEntrees_.reserve(liste.size());
    for (const EntreeMot &entree : liste) {
        int &numero = indices_[entree.mot]; // 0 until given: numbers are stored plus one
        if (numero == 0)
            numero = int(indices_.size());
        indicesEntrees_.append(numero - 1);
    }
    for (auto it = indices_.begin(); it != indices_.end(); ++it)
        --it.value();
    // About sixteen bits per word: one text in sixteen that is no word still
    // needs the hash lookup.
    const size_t bits = std::bit_ceil(std::max<size_t>(64, size_t(indices_.size()) * 16));
    filtre_.assign(bits / 64, 0);
    for (auto it = indices_.cbegin(); it != indices_.cend(); ++it) {
        if (it.key().isEmpty())
            indiceVide_ = it.value();
        const size_t b = bit(it.key());
        filtre_[b / 64] |= quint64(1) << (b % 64);
    }
}

size_t IndexMots::bit(const QString &texte) const
{
    return qHash(texte, 0x5bd1e995u) & (filtre_.size() * 64 - 1);
}

int IndexMots::indice(const QString &texte) const
{
    if (texte.isEmpty())
        return indiceVide_;
    const size_t b = bit(texte);
    if (!(filtre_[b / 64] & (quint64(1) << (b % 64))))
        return -1;
    return indices_.value(texte, -1);
}
