#include "modelesuivi.h"

#include "colonnessuivi.h"
#include "data/trinoms.h"
#include "sortiessuivi.h"
#include "textessuivi.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPainter>

namespace {

using Genre = ColonneSuivi::Genre;

const QColor kFondAttention(255, 228, 200);

QString bulleEtapes(const SuiviEleve &e)
{
    QStringList lignes;
    for (const SegmentEtape &s : segmentsEtapes())
        lignes << QStringLiteral("%1 : %2").arg(s.nom).arg(e.parEtape[size_t(s.etape)]);
    return lignes.join(u'\n');
}

// A long title on two lines, cut at the blank nearest its middle, so that a
// column of small numbers stays narrow.
QString titreSurDeuxLignes(const QString &titre)
{
    if (titre.size() <= 8)
        return titre;
    qsizetype meilleure = -1;
    for (qsizetype i = 0; i < titre.size(); ++i)
        if (titre[i] == u' ' && (meilleure < 0 || qAbs(i - titre.size() / 2) < qAbs(meilleure - titre.size() / 2)))
            meilleure = i;
    if (meilleure < 0)
        return titre;
    QString deux = titre;
    deux[meilleure] = u'\n';
    return deux;
}

} // namespace

QHash<QString, int> rangsAlphabetiques(QStringList textes)
{
    trierNoms(textes);
    QHash<QString, int> rangs;
    rangs.reserve(textes.size());
    for (int i = 0; i < textes.size(); ++i)
        rangs.insert(textes[i], i);
    return rangs;
}

ModeleClasse::ModeleClasse(const SuiviClasse &classe, QObject *parent)
    : QAbstractTableModel(parent), classe_(classe)
{
    for (const SuiviEleve &e : classe_.eleves)
        attention_.push_back(!raisonsAttention(e, classe_.jour).isEmpty());
}

int ModeleClasse::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(classe_.eleves.size());
}

int ModeleClasse::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(colonnesSuivi().size());
}

void ModeleClasse::actualiser()
{
    for (qsizetype i = 0; i < classe_.eleves.size(); ++i)
        attention_[size_t(i)] = !raisonsAttention(classe_.eleves[i], classe_.jour).isEmpty();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ModeleClasse::nombreASurveiller() const
{
    return int(std::count(attention_.begin(), attention_.end(), true));
}

QVariant ModeleClasse::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const SuiviEleve &e = classe_.eleves[index.row()];
    const ColonneSuivi &c = colonnesSuivi()[size_t(index.column())];
    const bool attention = attention_[size_t(index.row())];
    const bool premiere = index.column() == 0;
    switch (role) {
    case Qt::DisplayRole: {
        if (c.genre == Genre::Barre)
            return e.lisible() ? QString() : TextesSuivi::illisible;
        const QVariant v = c.valeur(e, classe_.jour);
        if (c.genre == Genre::Date && !v.isValid() && e.lisible())
            return TextesSuivi::jamais;
        QString texte = texteValeur(v);
        if (premiere && attention)
            texte.prepend(TextesSuivi::marqueAttention);
        return texte;
    }
    case kRoleTri: {
        if (c.genre == Genre::Barre)
            return e.lisible() ? e.acquis() * 10000 + e.enCours() : -1;
        const QVariant v = c.valeur(e, classe_.jour);
        if (c.genre == Genre::Nombre)
            return v.typeId() == QMetaType::Int ? v.toInt() : -1;
        if (c.genre == Genre::Date)
            return v.isValid() ? v.toDateTime().toSecsSinceEpoch() : qint64(-1);
        // The pupils come in French alphabetical order.
        if (index.column() == 0)
            return index.row();
        return v.toString().toLower();
    }
    case kRoleEtapes: {
        QVariantList comptes;
        if (e.lisible())
            for (const SegmentEtape &s : segmentsEtapes())
                comptes << e.parEtape[size_t(s.etape)];
        return comptes;
    }
    case Qt::ToolTipRole:
        if (c.genre == Genre::Barre && e.lisible())
            return bulleEtapes(e);
        if (premiere && attention)
            return raisonsAttention(e, classe_.jour).join(u'\n');
        return {};
    case Qt::BackgroundRole:
        return attention ? QVariant(kFondAttention) : QVariant();
    case Qt::FontRole:
        if (premiere && attention) {
            QFont gras;
            gras.setBold(true);
            return gras;
        }
        return {};
    case Qt::TextAlignmentRole:
        return c.genre == Genre::Nombre ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    default:
        return {};
    }
}

QVariant ModeleClasse::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    const ColonneSuivi &c = colonnesSuivi()[size_t(section)];
    if (role == Qt::DisplayRole)
        return c.genre == ColonneSuivi::Genre::Barre ? c.titre : titreSurDeuxLignes(c.titre);
    if (role == Qt::ToolTipRole && !c.infobulle.isEmpty())
        return c.infobulle;
    return {};
}

namespace {

struct ColonneMot {
    const QString &titre;
    const QString &infobulle;
    int MotDifficile::*compte;   // null for the word and its level
};

const QString kSansBulle;

const std::vector<ColonneMot> &colonnesMots()
{
    static const std::vector<ColonneMot> colonnes = {
        {TextesSuivi::colMot, kSansBulle, nullptr},
        {TextesSuivi::colNiveau, kSansBulle, nullptr},
        {TextesSuivi::colMotManque, TextesSuivi::bulleMotManque, &MotDifficile::manque},
        {TextesSuivi::colMotFautes, TextesSuivi::bulleMotFautes, &MotDifficile::fautes},
        {TextesSuivi::colMotEnCours, kSansBulle, &MotDifficile::enCours},
        {TextesSuivi::colMotAcquis, kSansBulle, &MotDifficile::acquis},
        {TextesSuivi::colMotRencontre, kSansBulle, &MotDifficile::rencontre},
    };
    return colonnes;
}

} // namespace

ModeleMotsDifficiles::ModeleMotsDifficiles(QList<MotDifficile> mots, QObject *parent)
    : QAbstractTableModel(parent)
{
    changer(std::move(mots));
}

void ModeleMotsDifficiles::changer(QList<MotDifficile> mots)
{
    beginResetModel();
    mots_ = std::move(mots);
    QStringList textes;
    textes.reserve(mots_.size());
    for (const MotDifficile &m : mots_)
        textes << m.mot;
    rangs_ = rangsAlphabetiques(std::move(textes));
    endResetModel();
}

int ModeleMotsDifficiles::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mots_.size());
}

int ModeleMotsDifficiles::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(colonnesMots().size());
}

QVariant ModeleMotsDifficiles::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const MotDifficile &m = mots_[index.row()];
    const ColonneMot &c = colonnesMots()[size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return c.compte ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    if (role != Qt::DisplayRole && role != kRoleTri)
        return {};
    if (c.compte)
        return m.*c.compte;
    if (index.column() == 0)
        return role == kRoleTri ? QVariant(rangs_.value(m.mot)) : QVariant(m.mot);
    return m.niveau;
}

QVariant ModeleMotsDifficiles::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    const ColonneMot &c = colonnesMots()[size_t(section)];
    if (role == Qt::DisplayRole)
        return titreSurDeuxLignes(c.titre);
    if (role == Qt::ToolTipRole && !c.infobulle.isEmpty())
        return c.infobulle;
    return {};
}

void DelegueBarre::paint(QPainter *peintre, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariantList comptes = index.data(kRoleEtapes).toList();
    int total = 0;
    for (const QVariant &n : comptes)
        total += n.toInt();
    if (total == 0) {
        QStyledItemDelegate::paint(peintre, option, index);
        return;
    }
    // The background and the selection, without the cell's text.
    QStyleOptionViewItem fond = option;
    initStyleOption(&fond, index);
    fond.text.clear();
    fond.features &= ~QStyleOptionViewItem::HasDisplay;
    const QWidget *vue = option.widget;
    (vue ? vue->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &fond, peintre, vue);
    const QRect zone = option.rect.adjusted(3, 4, -3, -4);
    peintre->save();
    int gauche = zone.left();
    int cumul = 0;
    const auto &segments = segmentsEtapes();
    for (qsizetype i = 0; i < comptes.size(); ++i) {
        cumul += comptes[i].toInt();
        const int droite = zone.left() + int(qint64(zone.width()) * cumul / total);
        if (droite > gauche)
            peintre->fillRect(QRect(gauche, zone.top(), droite - gauche, zone.height()),
                              QColor::fromRgb(segments[size_t(i)].rgb));
        gauche = droite;
    }
    peintre->setPen(QColor(96, 96, 96));
    peintre->drawRect(zone.adjusted(0, 0, -1, -1));
    peintre->restore();
}

QSize DelegueBarre::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize taille = QStyledItemDelegate::sizeHint(option, index);
    taille.setWidth(std::max(taille.width(), 170));
    return taille;
}
