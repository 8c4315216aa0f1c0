#pragma once
// The on-screen keyboard: 43 keys (lblLettre_0 .. lblLettre_42), the letters
// in the grid of the keyboard table (26 columns, accented letters under their
// base letter), the signs to their right; vowels red, consonants blue, signs
// green. The widget covers just the keys; the screen gives their size.
#include <QSize>
#include <QWidget>
#include <array>

class QLabel;

class ClavierLettres : public QWidget {
    Q_OBJECT
public:
    explicit ClavierLettres(QWidget *parent = nullptr);

    static constexpr int kColonnesLettres = 26;
    static constexpr int kRangees = 5;

    QLabel *touche(int indice) const { return touches_[indice]; }
    // The narrowest room for the signs at this key width: two keys, or the
    // space bar's caption.
    int largeurSignesMinimale(int largeurTouche, int ecart) const;
    void changerTaillePolice(double points);
    // Places every key: letter keys of this size, the signs ecartSignes to
    // the right of the letters in a column largeurSignes wide.
    void disposer(QSize touche, int ecartSignes, int largeurSignes);

signals:
    void toucheCliquee(int indice);

private:
    std::array<QLabel *, 43> touches_{};
};
