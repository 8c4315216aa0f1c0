#pragma once
// Someone at the real print dialog: for each dialog that opens, notes the
// file it offers, then either chooses "print to a file" with the next name of
// the list and presses the dialog's own OK button (answering "Yes" when the
// dialog asks whether to overwrite), or, when the list is used up or the name
// is empty, presses "Annuler". Link the test with Qt6::PrintSupport.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>

class UtilisateurImpression : public QObject {
public:
    explicit UtilisateurImpression(QStringList fichiers) : fichiers_(std::move(fichiers))
    {
        connect(&regard_, &QTimer::timeout, this, &UtilisateurImpression::regarder);
        regard_.start(10);
    }

    QStringList proposes;      // the file each dialog offered, in order
    QStringList remplacements; // the overwrite questions answered "Yes"

private:
    void regarder()
    {
        QWidget *modale = QApplication::activeModalWidget();
        if (auto *question = qobject_cast<QMessageBox *>(modale)) {
            remplacements << question->text();
            question->button(QMessageBox::Yes)->click();
            return;
        }
        auto *dialogue = qobject_cast<QPrintDialog *>(modale);
        if (!dialogue || dialogue->property("vu").toBool())
            return;
        dialogue->setProperty("vu", true);
        auto *imprimantes = dialogue->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *nom = dialogue->findChild<QLineEdit *>(QStringLiteral("filename"));
        auto *boutons = dialogue->findChild<QDialogButtonBox *>();
        if (!imprimantes || !nom || !boutons) {
            dialogue->reject();
            return;
        }
        imprimantes->setCurrentIndex(imprimantes->count() - 1);   // "Print to File (PDF)"
        proposes << nom->text();
        const QString fichier = fichiers_.value(proposes.size() - 1);
        if (fichier.isEmpty()) {
            dialogue->reject();
            return;
        }
        nom->setText(fichier);
        // Later, so that the overwrite question finds this timer free.
        QTimer::singleShot(0, boutons, [boutons] {
            for (QAbstractButton *b : boutons->buttons())
                if (boutons->buttonRole(b) == QDialogButtonBox::AcceptRole) {
                    b->click();
                    return;
                }
        });
    }

    QStringList fichiers_;
    QTimer regard_;
};
