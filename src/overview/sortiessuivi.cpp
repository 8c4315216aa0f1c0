#include "sortiessuivi.h"

#include "colonnessuivi.h"
#include "data/dates.h"
#include "textessuivi.h"

#include <QDateTime>
#include <algorithm>

namespace {

using Genre = ColonneSuivi::Genre;

// How many hard words the printed sheet lists.
constexpr int kMotsDifficilesImprimes = 20;

QString valeurCsv(const QString &texte)
{
    QString v = texte;
    // A spreadsheet takes these first characters for a formula (TAB and CR
    // too, before one): the quote makes the cell plain text.
    if (!v.isEmpty() && QStringLiteral("=+-@\t\r").contains(v.front()))
        v.prepend(u'\'');
    const bool citer = v.contains(u';') || v.contains(u'"') || v.contains(u'\n') || v.contains(u'\r')
                       || (!v.isEmpty() && (v.front().isSpace() || v.back().isSpace()));
    if (!citer)
        return v;
    v.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + v + u'"';
}

QString echapper(const QString &texte)
{
    return texte.toHtmlEscaped();
}

QString couleur(unsigned rgb)
{
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0'));
}

// A bar of table cells, each as wide as its share of the pupil's words.
QString barreHtml(const SuiviEleve &eleve)
{
    int total = 0;
    for (const SegmentEtape &s : segmentsEtapes())
        total += eleve.parEtape[size_t(s.etape)];
    if (!eleve.lisible())
        return echapper(TextesSuivi::illisible);
    if (total == 0)
        return QString();
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" border=\"0\"><tr>");
    for (const SegmentEtape &s : segmentsEtapes()) {
        const int n = eleve.parEtape[size_t(s.etape)];
        if (n > 0)
            html += QStringLiteral("<td width=\"%1%\" bgcolor=\"%2\">&nbsp;</td>")
                        .arg(std::max(1, n * 100 / total))
                        .arg(couleur(s.rgb));
    }
    return html + QStringLiteral("</tr></table>");
}

// The remarks come under the table.
bool estRemarque(const ColonneSuivi &c)
{
    return c.titre == TextesSuivi::colAttention;
}

// A title one word a line, so that a column of numbers is no wider than its
// longest word and never cut inside one.
QString titreEnColonne(const ColonneSuivi &c)
{
    const QString titre = echapper(c.titre);
    if (c.genre == Genre::Barre || titre.size() <= 6)
        return titre;
    return titre.split(u' ').join(QStringLiteral("<br>"));
}

} // namespace

QString texteValeur(const QVariant &valeur)
{
    if (valeur.metaType().id() == QMetaType::QDateTime)
        return texteDate(valeur.toDateTime().date());
    return valeur.toString();
}

QString texteCsvClasse(const SuiviClasse &classe)
{
    const QString finLigne = QStringLiteral("\r\n");
    QStringList titres;
    for (const ColonneSuivi &c : colonnesSuivi())
        if (c.genre != Genre::Barre)
            titres << valeurCsv(c.titre);
    QString texte = titres.join(u';') + finLigne;
    for (const SuiviEleve &eleve : classe.eleves) {
        QStringList valeurs;
        for (const ColonneSuivi &c : colonnesSuivi())
            if (c.genre != Genre::Barre)
                valeurs << valeurCsv(texteValeur(c.valeur(eleve, classe.jour)));
        texte += valeurs.join(u';') + finLigne;
    }
    return texte;
}

ResultatEcriture exporterCsvClasse(const QString &chemin, const SuiviClasse &classe)
{
    return ecrireFichierUtf8(chemin, texteCsvClasse(classe));
}

QString htmlFeuilleClasse(const SuiviClasse &classe, const QList<MotDifficile> &motsDifficiles)
{
    QString html = QStringLiteral("<html><body><h2>%1</h2>")
                       .arg(echapper(TextesSuivi::titreFeuille.arg(texteDate(classe.jour))));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><tr>");
    for (const ColonneSuivi &c : colonnesSuivi())
        if (!estRemarque(c))
            html += QStringLiteral("<th style=\"white-space:nowrap\">%1</th>").arg(titreEnColonne(c));
    html += QStringLiteral("</tr>");
    for (const SuiviEleve &eleve : classe.eleves) {
        const bool attention = !raisonsAttention(eleve, classe.jour).isEmpty();
        html += QStringLiteral("<tr>");
        for (const ColonneSuivi &c : colonnesSuivi()) {
            if (c.genre == Genre::Barre) {
                html += QStringLiteral("<td width=\"12%\">%1</td>").arg(barreHtml(eleve));
                continue;
            }
            QString texte = echapper(texteValeur(c.valeur(eleve, classe.jour)));
            if (c.genre == Genre::Texte && c.titre == TextesSuivi::colEleve && attention)
                texte = QStringLiteral("<b>%1%2</b>").arg(TextesSuivi::marqueAttention, texte);
            if (estRemarque(c))
                continue;
            html += QStringLiteral("<td align=\"%1\" style=\"white-space:nowrap\">%2</td>")
                        .arg(QLatin1String(c.genre == Genre::Nombre ? "right" : "left"), texte);
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table><p>");
    // The remarks under the table, whole: a column of them would squeeze the counts.
    const auto &colonnes = colonnesSuivi();
    const auto colonneRemarque = std::find_if(colonnes.begin(), colonnes.end(), estRemarque);
    for (const SuiviEleve &eleve : classe.eleves) {
        const QString remarque = texteValeur(colonneRemarque->valeur(eleve, classe.jour));
        if (!remarque.isEmpty())
            html += QStringLiteral("<b>%1%2</b> : %3<br>")
                        .arg(TextesSuivi::marqueAttention, echapper(eleve.nom), echapper(remarque));
    }
    html += QStringLiteral("</p><p>");
    for (const SegmentEtape &s : segmentsEtapes())
        html += QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;</span>&nbsp;%2&nbsp;&nbsp; ")
                    .arg(couleur(s.rgb), echapper(s.nom));
    html += QStringLiteral("</p><h3>%1</h3><p>").arg(echapper(TextesSuivi::motsDifficilesFeuille));
    int listes = 0;
    for (const MotDifficile &m : motsDifficiles) {
        if (listes == kMotsDifficilesImprimes || m.manque == 0)
            break;
        html += echapper(TextesSuivi::ligneMotDifficile.arg(m.mot).arg(m.manque).arg(m.rencontre).arg(m.fautes))
                + QStringLiteral("<br>");
        ++listes;
    }
    return html + QStringLiteral("</p></body></html>");
}
