#include "plateformeqt.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

void MessagesQt::information(QWidget *parent, const QString &titre, const QString &texte)
{
    QMessageBox::information(parent, titre, texte, QMessageBox::Ok);
}

bool MessagesQt::question(QWidget *parent, const QString &titre, const QString &texte)
{
    QMessageBox boite(QMessageBox::Warning, titre, texte, QMessageBox::Yes | QMessageBox::No, parent);
    boite.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    boite.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    boite.setDefaultButton(QMessageBox::No);
    return boite.exec() == QMessageBox::Yes;
}

int MessagesQt::choisir(QWidget *parent, const QString &titre, const QString &texte, const QStringList &choix)
{
    bool ok = false;
    const QString choisi = QInputDialog::getItem(parent, titre, texte, choix, 0, false, &ok);
    return ok ? int(choix.indexOf(choisi)) : -1;
}

QString MessagesQt::choisirFichier(QWidget *parent, const QString &titre, const QString &filtre)
{
    return QFileDialog::getOpenFileName(parent, titre, QString(), filtre);
}

QString MessagesQt::choisirFichierEnregistrement(QWidget *parent, const QString &titre, const QString &filtre,
                                                 const QString &nomPropose)
{
    return QFileDialog::getSaveFileName(parent, titre, nomPropose, filtre);
}
