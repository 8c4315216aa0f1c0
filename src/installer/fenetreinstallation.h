#pragma once
// The small window shown when the installer is started from the teacher
// button: says what it is doing, then the result, with a button to close.
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
struct ResultatInstallation;

class FenetreInstallation : public QDialog {
public:
    // travail runs once the window is on screen, so the teacher sees that
    // something is happening while the files are copied.
    explicit FenetreInstallation(std::function<ResultatInstallation()> travail, QWidget *parent = nullptr);

private:
    void installer();

    std::function<ResultatInstallation()> m_travail;
    QLabel *m_etat;
    QPushButton *m_fermer;
};
