#include "modelemots.h"
#include "niveaux.h"

#include "engine/texte.h"

QString cleFiltre(const QString &texte)
{
    const QString sansAccents = SansAccents(texte);
    QString cle;
    cle.reserve(sansAccents.size());
    for (const QChar c : sansAccents) {
        if (c == u'œ' || c == u'Œ')
            cle += u"oe";
        else if (c == u'æ' || c == u'Æ')
            cle += u"ae";
        else
            cle += c.toCaseFolded();
    }
    return cle;
}

ModeleMots::ModeleMots(ListeMots &liste, QObject *parent) : QAbstractTableModel(parent), liste_(liste) {}

int ModeleMots::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(liste_.size()); }

int ModeleMots::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : NombreColonnes; }

QVariant ModeleMots::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= liste_.size())
        return {};
    const EntreeMot &e = liste_.at(index.row());
    if (role == RoleCle)
        return cle(index.row());
    if ((role == RoleMarque || role == Qt::ToolTipRole) && index.column() == ColonneMot) {
        if (!marque_)
            return QString();
        auto trouve = marques_.constFind(e.mot);
        if (trouve == marques_.cend())
            trouve = marques_.insert(e.mot, marque_(e.mot));
        return *trouve;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case ColonneMot: return e.mot;
    case ColonneNiveau: return e.niveau;
    default: return {};
    }
}

bool ModeleMots::setData(const QModelIndex &index, const QVariant &valeur, int role)
{
    const QString niveau = valeur.toString();
    if (!index.isValid() || index.column() != ColonneNiveau || role != Qt::EditRole || !kNiveaux.contains(niveau))
        return false;
    liste_[index.row()].niveau = niveau;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags ModeleMots::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ModeleMots::setMarque(std::function<QString(const QString &mot)> marque)
{
    beginResetModel();
    marque_ = std::move(marque);
    marques_.clear();
    endResetModel();
}

const QString &ModeleMots::cle(int r) const
{
    if (cles_.size() != liste_.size()) {
        cles_.clear();
        cles_.reserve(liste_.size());
        for (const EntreeMot &m : liste_)
            cles_ << cleFiltre(m.mot);
    }
    return cles_.at(r);
}

QString ModeleMots::cyclerNiveau(int r)
{
    const QString niveau = niveauSuivant(liste_.at(r).niveau);
    setData(index(r, ColonneNiveau), niveau);
    return niveau;
}

void ModeleMots::donnerNiveau(const QList<int> &rangs, const QString &niveau)
{
    if (rangs.isEmpty())
        return;
    int premier = rangs.front(), dernier = rangs.front();
    for (int r : rangs) {
        liste_[r].niveau = niveau;
        premier = std::min(premier, r);
        dernier = std::max(dernier, r);
    }
    emit dataChanged(index(premier, ColonneNiveau), index(dernier, ColonneNiveau), {Qt::DisplayRole, Qt::EditRole});
}

void ModeleMots::retirer(int r)
{
    beginRemoveRows({}, r, r);
    liste_.removeAt(r);
    if (cles_.size() > r)
        cles_.removeAt(r);
    endRemoveRows();
}

void ModeleMots::recharger()
{
    beginResetModel();
    cles_.clear();
    marques_.clear();
    endResetModel();
}

FiltreMots::FiltreMots(QObject *parent) : QSortFilterProxyModel(parent)
{
    // A level changed by a click or for every word shown does not hide its
    // word: only a change of the filters shows other words.
    setDynamicSortFilter(false);
}

void FiltreMots::setFiltres(const QString &debut, int choix)
{
    const QString cle = cleFiltre(debut.trimmed());
    if (cle == debut_ && choix == choix_)
        return;
    debut_ = cle;
    choix_ = choix;
    invalidateFilter();
}

bool FiltreMots::filterAcceptsRow(int ligne, const QModelIndex &parent) const
{
    const auto *modele = qobject_cast<const ModeleMots *>(sourceModel());
    if (!modele || parent.isValid())
        return true;
    if (!debut_.isEmpty() && !modele->cle(ligne).startsWith(debut_))
        return false;
    if (choix_ == TousNiveaux)
        return true;
    const QString niveau = modele->index(ligne, ModeleMots::ColonneNiveau).data().toString();
    // "Sans niveau" also shows the words whose level is not one of 1 to 5.
    if (choix_ == 1)
        return kNiveaux.indexOf(niveau) <= 0;
    return niveau == kNiveaux.value(choix_ - 1);
}

int FiltreMots::rangListe(int r) const
{
    if (r < 0 || r >= rowCount())
        return -1;
    return mapToSource(index(r, 0)).row();
}

int FiltreMots::donnerNiveau(const QString &niveau)
{
    auto *modele = qobject_cast<ModeleMots *>(sourceModel());
    if (!modele)
        return 0;
    QList<int> rangs;
    rangs.reserve(rowCount());
    for (int r = 0; r < rowCount(); ++r)
        rangs << rangListe(r);
    modele->donnerNiveau(rangs, niveau);
    return int(rangs.size());
}
