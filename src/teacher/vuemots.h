#pragma once
// The teacher's word list on screen: a table over FiltreMots, drawn in rows
// like a form: the word in red in the exercise font, its level in a coloured
// box, a loudspeaker and a "…" button. Only the rows in sight are drawn, so
// ten thousand words cost no more than ten.
//
// A click, or Space or Enter on the current cell, activates a cell: the
// window cycles the level, plays the word, or opens the word's menu (also
// with the menu key).
#include <QColor>
#include <QIcon>
#include <QStyledItemDelegate>
#include <QTableView>
#include <optional>

// The background of a level box; no value for the normal background.
std::optional<QColor> couleurNiveau(const QString &niveau);

class DelegueMots : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit DelegueMots(QObject *parent = nullptr);
    void paint(QPainter *peintre, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    QFont policeMots;
    QFont policeNiveau;

private:
    // Asked of the style once: every row draws it.
    mutable QIcon hautParleur_;
};

class VueMots : public QTableView {
    Q_OBJECT
public:
    static constexpr int kLargeurNiveau = 44;
    static constexpr int kLargeurBouton = 28;

    explicit VueMots(QWidget *parent = nullptr);

    // The exercise font, for the words.
    void setPoliceMots(const QFont &police);
    // The height of every row.
    void setHauteurLigne(int hauteur);
    // How many whole rows the view has room for.
    int lignesVisibles() const;
    // Where the menu of row r opens: under its "…" button, on the screen.
    QPoint placeMenu(int r) const;

signals:
    void active(const QModelIndex &index);

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    DelegueMots *delegue_;
};
