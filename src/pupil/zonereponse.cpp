#include "zonereponse.h"

#include "engine/clavier.h"
#include "engine/texte.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

bool estEntree(int touche)
{
    return touche == Qt::Key_Return || touche == Qt::Key_Enter;
}

// Keys that move the caret or delete: they produce no character and keep
// their ordinary effect.
bool estDeplacement(int touche)
{
    switch (touche) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return true;
    default:
        return false;
    }
}

bool estCaractereImprimable(QChar c)
{
    return c.unicode() >= 32 && c.unicode() != 127 && c.category() != QChar::Other_Control;
}

} // namespace

ZoneReponse::ZoneReponse(QWidget *parent) : QLineEdit(parent)
{
    // No road around the filter: no context-menu paste, no drops.
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    // Last guard for any road not foreseen (a platform shortcut, say).
    connect(this, &QLineEdit::textEdited, this, [this](const QString &texte) {
        const QString propre = garderCaracteresDesTouches(texte);
        if (propre == texte)
            return;
        const int position = qMin(cursorPosition(), int(propre.size()));
        setText(propre);
        setCursorPosition(position);
    });
}

QString ZoneReponse::garderCaracteresDesTouches(const QString &texte)
{
    QString propre;
    propre.reserve(texte.size());
    for (QChar c : texte) {
        const int indice = toucheDeCaractere(c);
        if ((indice >= 0 && touchesClavier()[indice].texteInsere() == QString(c))
            || (EstLigature(c) && c.isLower()))
            propre += c;
    }
    return propre;
}

void ZoneReponse::insererTouche(int indice)
{
    if (indice < 0 || indice >= kNombreTouches)
        return;
    inserer(touchesClavier()[indice].texteInsere());
}

void ZoneReponse::inserer(const QString &ajout)
{
    if (isReadOnly())
        return;
    const int position = hasSelectedText() ? selectionStart() : cursorPosition();
    QString texte = text();
    texte.insert(position, ajout);
    setText(texte);
    setCursorPosition(position + int(ajout.size()));
}

void ZoneReponse::insererTexteTape(const QString &texte)
{
    for (QChar c : texte) {
        if (!estCaractereImprimable(c))
            continue;
        const int indice = toucheDeCaractere(c);
        if (indice >= 0)
            insererTouche(indice);
        else if (EstLigature(c))
            inserer(QString(c.toLower()));   // from a keyboard that has them (compose key)
    }
}

void ZoneReponse::keyPressEvent(QKeyEvent *evenement)
{
    const int touche = evenement->key();
    if (isReadOnly()) {
        // Enter must not reach the window either: no second validation.
        if (estEntree(touche))
            evenement->accept();
        else if (estDeplacement(touche))
            QLineEdit::keyPressEvent(evenement);
        else
            evenement->ignore();
        return;
    }
    if (estEntree(touche)) {
        evenement->accept();
        emit validationDemandee();
        return;
    }
    if (estDeplacement(touche)) {
        QLineEdit::keyPressEvent(evenement);
        return;
    }
    if (touche == Qt::Key_Escape) {
        evenement->ignore();   // the window decides
        return;
    }
    // Ctrl+letter shortcuts (paste, cut, undo...) are cancelled; AltGr on
    // some systems reports Ctrl+Alt and must still type its character.
    const Qt::KeyboardModifiers mods = evenement->modifiers();
    const bool raccourci = (mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier);
    if (!raccourci)
        insererTexteTape(evenement->text());
    evenement->accept();
}

// Accented letters composed with dead keys arrive here on some systems.
void ZoneReponse::inputMethodEvent(QInputMethodEvent *evenement)
{
    if (!isReadOnly())
        insererTexteTape(evenement->commitString());
    evenement->accept();
}

// The middle button pastes the X11 selection in a plain line edit.
void ZoneReponse::mouseReleaseEvent(QMouseEvent *evenement)
{
    if (evenement->button() == Qt::MiddleButton) {
        evenement->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(evenement);
}
