#pragma once
// The answer box: only the characters that have a key on the letter keyboard
// ever get in, whether typed, clicked, composed or pasted, and œ and æ, which
// have no key but are typed on keyboards that have them. Capitals are
// lowered; Enter asks for validation; Backspace, the arrows, Delete, Home and
// End work as usual. A locked (read-only) box ignores everything, Enter
// included.
#include <QLineEdit>

class ZoneReponse : public QLineEdit {
    Q_OBJECT
public:
    explicit ZoneReponse(QWidget *parent = nullptr);

    // Inserts the text of key `indice` at the caret, or in front of the
    // selection (selected text is kept); then the caret follows it.
    void insererTouche(int indice);

    // The text with every character that no key inserts removed (œ and æ stay).
    static QString garderCaracteresDesTouches(const QString &texte);

signals:
    void validationDemandee();

protected:
    void keyPressEvent(QKeyEvent *evenement) override;
    void inputMethodEvent(QInputMethodEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;

private:
    void inserer(const QString &ajout);
    void insererTexteTape(const QString &texte);
};
