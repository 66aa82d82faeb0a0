#include "platform/CommDlgs.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

#include <cmath>

namespace {

class DialoghiAnnullati : public DialoghiComuni
{
public:
    std::optional<QColor> colore(QWidget *) override { return std::nullopt; }
    EsitoDialogo font(QWidget *, QFont *) override { return EsitoDialogo::Annullato; }
    QString file(QWidget *, const RichiestaFile &) override { return QString(); }
};

DialoghiComuni *g_dialoghi = nullptr;

} // namespace

DialoghiComuni &dialoghiComuni()
{
    static DialoghiAnnullati annullati;
    return g_dialoghi ? *g_dialoghi : annullati;
}

void impostaDialoghiComuni(DialoghiComuni *d)
{
    g_dialoghi = d;
}

bool ScegliColore(QWidget *proprietario, QWidget *controllo)
{
    const std::optional<QColor> scelto = dialoghiComuni().colore(proprietario);
    if (!scelto || !scelto->isValid())
        return false;
    QPalette p = controllo->palette();
    p.setColor(QPalette::WindowText, scelto->toRgb());
    p.setColor(QPalette::Text, scelto->toRgb());
    controllo->setPalette(p);
    return true;
}

QColor coloreTesto(const QWidget *controllo)
{
    return controllo->palette().color(QPalette::WindowText);
}

EsitoDialogo ScegliFont(QWidget *proprietario, QWidget *controllo)
{
    QFont scelto = controllo->font();
    const EsitoDialogo esito = dialoghiComuni().font(proprietario, &scelto);
    if (esito != EsitoDialogo::Confermato)
        return esito;
    if (scelto.family().trimmed().isEmpty())
        return EsitoDialogo::Fallito;
    QFont f = controllo->font();
    f.setFamily(scelto.family());
    const double punti = scelto.pointSizeF() > 0 ? scelto.pointSizeF() : scelto.pointSize();
    f.setPointSize(std::max(1, int(std::lround(punti))));
    f.setBold(scelto.weight() >= QFont::Bold);
    f.setItalic(scelto.italic());
    f.setUnderline(scelto.underline());
    controllo->setFont(f);
    return EsitoDialogo::Confermato;
}

QString ScegliFile(QWidget *proprietario, int modo, const QString &titolo, const QString &nomePredefinito,
                   const QString &filtro, const QString &cartellaIniziale, const QString &estensionePredefinita)
{
    RichiestaFile r;
    r.apri = (modo == 1);
    r.titolo = titolo;
    r.nomePredefinito = nomePredefinito;
    r.filtro = filtro;
    r.cartellaIniziale = cartellaIniziale;
    r.estensionePredefinita = estensionePredefinita;
    QString percorso = dialoghiComuni().file(proprietario, r);
    // A path is text up to its first zero character.
    const qsizetype zero = percorso.indexOf(QChar(0));
    if (zero >= 0)
        percorso.truncate(zero);
    return percorso;
}

QString filtroQt(const QString &filtro)
{
    if (!filtro.contains(QLatin1Char('|')))
        return filtro;
    const QStringList parti = filtro.split(QLatin1Char('|'));
    QStringList voci;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        QString modelli = parti[i + 1];
        modelli.replace(QLatin1Char(';'), QLatin1Char(' '));
        voci << QStringLiteral("%1 (%2)").arg(parti[i].trimmed(), modelli.simplified());
    }
    return voci.join(QStringLiteral(";;"));
}
