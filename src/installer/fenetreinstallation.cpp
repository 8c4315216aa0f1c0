#include "fenetreinstallation.h"

#include "installerbibliotheque.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kTitre = QStringLiteral("OrthoVal");
const QString kEnCours = QStringLiteral("Installation de la bibliothèque sonore…");
const QString kFermer = QStringLiteral("Fermer");
}  // namespace

FenetreInstallation::FenetreInstallation(std::function<ResultatInstallation()> travail, QWidget *parent)
    : QDialog(parent), m_travail(std::move(travail)), m_etat(new QLabel(kEnCours)), m_fermer(new QPushButton(kFermer))
{
    setWindowTitle(kTitre);
    setMinimumWidth(420);
    m_etat->setObjectName(QStringLiteral("lblEtat"));
    m_etat->setWordWrap(true);
    m_fermer->setObjectName(QStringLiteral("cmdFermer"));
    m_fermer->setEnabled(false);
    connect(m_fermer, &QPushButton::clicked, this, &QDialog::accept);

    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(m_etat);
    disposition->addWidget(m_fermer, 0, Qt::AlignRight);

    QTimer::singleShot(0, this, [this] { installer(); });
}

void FenetreInstallation::installer()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ResultatInstallation resultat = m_travail();
    QApplication::restoreOverrideCursor();

    QString texte = resultat.message();
    for (const QString &avertissement : resultat.avertissements)
        texte += u'\n' + avertissement;
    m_etat->setText(texte);
    m_fermer->setEnabled(true);
    m_fermer->setFocus();
}
