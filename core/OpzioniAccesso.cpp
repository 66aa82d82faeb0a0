#include "core/OpzioniAccesso.h"

#include "core/Percorsi.h"
#include "core/TestoFile.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const QString kAccettazione = QStringLiteral("accettazione");
const QString kAntirimbalzo = QStringLiteral("antirimbalzo");
const QString kSosta = QStringLiteral("sostaprimaposizione");
const QString kGiri = QStringLiteral("limitegiri");
const QString kParlata = QStringLiteral("scansioneparlata");
const QString kSpessore = QStringLiteral("spessoreevidenziazione");

bool intero(const QString &testo, int minimo, int massimo, int *valore)
{
    bool ok = false;
    const int v = testo.trimmed().toInt(&ok);
    if (!ok || v < minimo || v > massimo)
        return false;
    *valore = v;
    return true;
}

} // namespace

bool OpzioniAccesso::operator==(const OpzioniAccesso &altre) const
{
    return accettazioneMs == altre.accettazioneMs && antirimbalzoMs == altre.antirimbalzoMs
        && sostaPrimaPosizione == altre.sostaPrimaPosizione && limiteGiri == altre.limiteGiri
        && scansioneParlata == altre.scansioneParlata
        && spessoreEvidenziazione == altre.spessoreEvidenziazione;
}

QString percorsoOpzioniAccesso(const QString &percorsoImpostazioni)
{
    if (percorsoImpostazioni.isEmpty())
        return QString(); // a refused user name has no files at all
    QString percorso = percorsoImpostazioni;
    static const QRegularExpression estensione(QStringLiteral("\\.ini$"),
                                               QRegularExpression::CaseInsensitiveOption);
    percorso.remove(estensione);
    return percorso + QStringLiteral(".accesso");
}

QStringList righeOpzioniAccesso(const OpzioniAccesso &o)
{
    const auto riga = [](const QString &nome, const QString &valore) {
        return nome + QLatin1Char('=') + valore;
    };
    return {
        riga(kAccettazione, QString::number(o.accettazioneMs)),
        riga(kAntirimbalzo, QString::number(o.antirimbalzoMs)),
        riga(kSosta, QString::number(o.sostaPrimaPosizione)),
        riga(kGiri, QString::number(o.limiteGiri)),
        riga(kParlata, o.scansioneParlata ? QStringLiteral("True") : QStringLiteral("False")),
        riga(kSpessore, QString::number(o.spessoreEvidenziazione)),
    };
}

OpzioniAccesso leggiRigheOpzioniAccesso(const QStringList &righe)
{
    OpzioniAccesso o;
    for (const QString &riga : righe) {
        const int uguale = riga.indexOf(QLatin1Char('='));
        if (uguale <= 0)
            continue;
        const QString nome = riga.left(uguale).trimmed().toLower();
        const QString valore = riga.mid(uguale + 1).trimmed();
        int v = 0;
        if (nome == kAccettazione && intero(valore, 0, OpzioniAccesso::kMassimoMs, &v))
            o.accettazioneMs = v;
        else if (nome == kAntirimbalzo && intero(valore, 0, OpzioniAccesso::kMassimoMs, &v))
            o.antirimbalzoMs = v;
        else if (nome == kSosta && intero(valore, 1, OpzioniAccesso::kMassimaSosta, &v))
            o.sostaPrimaPosizione = v;
        else if (nome == kGiri && intero(valore, 0, OpzioniAccesso::kMassimoGiri, &v))
            o.limiteGiri = v;
        else if (nome == kParlata && (valore.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0
                                      || valore.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0))
            o.scansioneParlata = valore.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
        else if (nome == kSpessore && intero(valore, 0, 12, &v) && OpzioniAccesso::spessoreValido(v))
            o.spessoreEvidenziazione = v;
    }
    return o;
}

OpzioniAccesso LeggiOpzioniAccesso(const QString &percorso)
{
    QString testo;
    if (percorso.isEmpty() || !TestoFile::leggi(Percorsi::risolvi(percorso), &testo))
        return {};
    return leggiRigheOpzioniAccesso(TestoFile::righe(testo));
}

bool SalvaOpzioniAccesso(const QString &percorso, const OpzioniAccesso &opzioni)
{
    if (percorso.isEmpty())
        return false;
    return TestoFile::scriviRighe(Percorsi::risolvi(percorso), righeOpzioniAccesso(opzioni));
}
