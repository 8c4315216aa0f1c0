#include "vuemots.h"
#include "modelemots.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

std::optional<QColor> couleurNiveau(const QString &niveau)
{
    if (niveau == QLatin1String("1"))
        return QColor(255, 255, 0);
    if (niveau == QLatin1String("2"))
        return QColor(0, 255, 255);
    if (niveau == QLatin1String("3"))
        return QColor(255, 255, 255);
    if (niveau == QLatin1String("4"))
        return QColor(0, 255, 0);
    if (niveau == QLatin1String("5"))
        return QColor(255, 0, 255);
    return std::nullopt;
}

DelegueMots::DelegueMots(QObject *parent) : QStyledItemDelegate(parent)
{
    policeNiveau = QFont(QStringLiteral("Comic Sans MS"));
    policeNiveau.setPointSizeF(14.25);
    policeNiveau.setBold(true);
}

void DelegueMots::paint(QPainter *peintre, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QWidget *vue = option.widget;
    QStyle *style = vue ? vue->style() : QApplication::style();
    const bool courant = vue && vue->hasFocus() && (option.state & QStyle::State_HasFocus);
    const QRect r = option.rect;
    peintre->save();
    switch (index.column()) {
    case ModeleMots::ColonneMot:
    {
        peintre->setFont(policeMots);
        peintre->setPen(QColor(255, 0, 0));
        const QString mot = peintre->fontMetrics().elidedText(index.data().toString(), Qt::ElideLeft, r.width() - 8);
        const int largeurMot = peintre->fontMetrics().horizontalAdvance(mot);
        peintre->drawText(r.adjusted(2, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, mot);
        // The mark in the room the word leaves, small, on the left: the word stays whole.
        const QString marque = index.data(ModeleMots::RoleMarque).toString();
        const QRect place = r.adjusted(4, 0, -(largeurMot + 14), 0);
        if (!marque.isEmpty() && place.width() > 20) {
            peintre->setFont(option.font);
            peintre->setPen(QColor(0x80, 0x40, 0x00));
            peintre->drawText(place, Qt::AlignLeft | Qt::AlignVCenter,
                              peintre->fontMetrics().elidedText(marque, Qt::ElideRight, place.width()));
        }
        break;
    }
    case ModeleMots::ColonneNiveau: {
        const QString niveau = index.data().toString();
        // A gap under each box, as between the rows of a form.
        const QRect boite = r.adjusted(0, 1, -1, -3);
        peintre->fillRect(boite, couleurNiveau(niveau).value_or(option.palette.color(QPalette::Window)));
        peintre->setPen(option.palette.color(QPalette::WindowText));
        peintre->drawRect(boite);
        peintre->setFont(policeNiveau);
        peintre->setPen(QColor(0, 0, 255));
        peintre->drawText(boite, Qt::AlignCenter, niveau);
        break;
    }
    default: {
        // The raised panel only under the mouse, as an auto-raise button;
        // the rest of the time the icon alone, which is all a row costs.
        if (option.state & QStyle::State_MouseOver) {
            QStyleOptionToolButton bouton;
            bouton.rect = r;
            bouton.palette = option.palette;
            bouton.state = QStyle::State_Enabled | QStyle::State_AutoRaise | QStyle::State_MouseOver
                           | QStyle::State_Raised;
            bouton.subControls = QStyle::SC_ToolButton;
            style->drawComplexControl(QStyle::CC_ToolButton, &bouton, peintre, vue);
        }
        if (index.column() == ModeleMots::ColonneEcouter) {
            if (hautParleur_.isNull())
                hautParleur_ = style->standardIcon(QStyle::SP_MediaVolume, nullptr, vue);
            QRect icone(0, 0, 16, 16);
            icone.moveCenter(r.center());
            hautParleur_.paint(peintre, icone);
        } else {
            peintre->setPen(option.palette.color(QPalette::ButtonText));
            peintre->drawText(r, Qt::AlignCenter, QStringLiteral("…"));
        }
    }
    }
    if (courant) {
        QStyleOptionFocusRect cadre;
        cadre.rect = r.adjusted(1, 1, -1, -1);
        cadre.palette = option.palette;
        cadre.state = QStyle::State_KeyboardFocusChange;
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &cadre, peintre, vue);
    }
    peintre->restore();
}

QSize DelegueMots::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (index.column() == ModeleMots::ColonneMot)
        return QSize(QFontMetrics(policeMots).horizontalAdvance(index.data().toString()) + 8, option.rect.height());
    return QStyledItemDelegate::sizeHint(option, index);
}

VueMots::VueMots(QWidget *parent) : QTableView(parent), delegue_(new DelegueMots(this))
{
    setItemDelegate(delegue_);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setMouseTracking(true);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCursor(Qt::PointingHandCursor);
    // The window's background, as the rows of a form.
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    QScrollBar *barre = verticalScrollBar();
    barre->setObjectName(QStringLiteral("VScroll"));
    // Always there, so the columns never move; usable only when there is somewhere to go.
    connect(barre, &QScrollBar::rangeChanged, barre, [barre](int, int maximum) { barre->setEnabled(maximum > 0); });
    barre->setEnabled(barre->maximum() > 0);
    connect(this, &QTableView::clicked, this, &VueMots::active);
}

void VueMots::setPoliceMots(const QFont &police)
{
    delegue_->policeMots = police;
    viewport()->update();
}

void VueMots::setHauteurLigne(int hauteur)
{
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(hauteur);
    QHeaderView *colonnes = horizontalHeader();
    colonnes->setMinimumSectionSize(1);
    colonnes->setSectionResizeMode(QHeaderView::Fixed);
    colonnes->setStretchLastSection(false);
    colonnes->setDefaultSectionSize(kLargeurBouton);
    if (model()) {
        colonnes->setSectionResizeMode(ModeleMots::ColonneMot, QHeaderView::Stretch);
        colonnes->resizeSection(ModeleMots::ColonneNiveau, kLargeurNiveau);
        colonnes->resizeSection(ModeleMots::ColonneEcouter, kLargeurBouton);
        colonnes->resizeSection(ModeleMots::ColonneActions, kLargeurBouton);
    }
}

int VueMots::lignesVisibles() const
{
    return std::max(1, viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()));
}

QPoint VueMots::placeMenu(int r) const
{
    const QRect cellule = visualRect(model()->index(r, ModeleMots::ColonneActions));
    return viewport()->mapToGlobal(cellule.bottomLeft());
}

void VueMots::keyPressEvent(QKeyEvent *e)
{
    const QModelIndex courant = currentIndex();
    switch (e->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (courant.isValid()) {
            emit active(courant);
            e->accept();
            return;
        }
        break;
    case Qt::Key_Menu:
        if (courant.isValid()) {
            emit active(courant.siblingAtColumn(ModeleMots::ColonneActions));
            e->accept();
            return;
        }
        break;
    default: break;
    }
    QTableView::keyPressEvent(e);
}
