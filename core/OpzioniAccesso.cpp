#include "core/OpzioniAccesso.h"

#include "core/Percorsi.h"
#include "core/TestoFile.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>

namespace {

const QString kAccettazione = QStringLiteral("accettazione");
const QString kAntirimbalzo = QStringLiteral("antirimbalzo");
const QString kSosta = QStringLiteral("sostaprimaposizione");
const QString kGiri = QStringLiteral("limitegiri");
const QString kParlata = QStringLiteral("scansioneparlata");
const QString kSpessore = QStringLiteral("spessoreevidenziazione");

const QString kImpronta = QStringLiteral("impostazioni");
const QString kPrecedente = QStringLiteral("precedente.");

// The name of a line ("nome=valore"), lower case; empty for a line without one.
QString nomeRiga(const QString &riga)
{
    const int uguale = riga.indexOf(QLatin1Char('='));
    return uguale <= 0 ? QString() : riga.left(uguale).trimmed().toLower();
}

QString valoreRiga(const QString &riga)
{
    return riga.mid(riga.indexOf(QLatin1Char('=')) + 1).trimmed();
}

// The place of an option among the lines righeOpzioniAccesso writes; -1 for
// a name that is no option.
qsizetype indiceOpzione(const QString &nome)
{
    const std::array<const QString *, 6> nomi = {&kAccettazione, &kAntirimbalzo, &kSosta,
                                                 &kGiri,         &kParlata,      &kSpessore};
    for (size_t i = 0; i < nomi.size(); ++i) {
        if (*nomi[i] == nome)
            return static_cast<qsizetype>(i);
    }
    return -1;
}

bool nomeOpzione(const QString &nome)
{
    return indiceOpzione(nome) >= 0;
}

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
    if (percorso.isEmpty() || !TestoFile::leggi(Percorsi::risolvi(percorso), &testo, kByteMassimiOpzioniAccesso))
        return {};
    return leggiRigheOpzioniAccesso(TestoFile::righe(testo));
}

FileOpzioniAccesso sceltaOpzioniAccesso(const QStringList &righe, const QString &impronta)
{
    QString propria;
    QString precedente;
    for (const QString &riga : righe) {
        const QString nome = nomeRiga(riga);
        if (nome == kImpronta)
            propria = valoreRiga(riga);
        else if (nome == kPrecedente + kImpronta)
            precedente = valoreRiga(riga);
    }
    // The earlier options only when the settings file on disk is the earlier
    // one: the write of the new settings never finished.
    const bool daPrecedente = !impronta.isEmpty() && !propria.isEmpty() && propria != impronta
        && precedente == impronta;
    FileOpzioniAccesso letto;
    letto.conImpronta = !propria.isEmpty();
    for (const QString &riga : righe) {
        const QString nome = nomeRiga(riga);
        if (nome == kImpronta || nome.startsWith(kPrecedente)) {
            if (daPrecedente && nome.startsWith(kPrecedente) && nome != kPrecedente + kImpronta)
                letto.righe << riga.mid(riga.indexOf(QLatin1Char('.')) + 1).trimmed();
            continue;
        }
        if (daPrecedente && nomeOpzione(nome))
            continue; // the options that never went with a settings file
        letto.righe << riga;
    }
    letto.opzioni = leggiRigheOpzioniAccesso(letto.righe);
    return letto;
}

QStringList righeDaSalvare(const FileOpzioniAccesso &letto, const OpzioniAccesso &nuove,
                           const QString &improntaNuova, const QString &improntaVecchia)
{
    QStringList righe;
    if (letto.righe.isEmpty()) {
        righe = righeOpzioniAccesso(nuove);
    } else {
        const QStringList scritte = righeOpzioniAccesso(nuove);
        const QStringList lette = righeOpzioniAccesso(letto.opzioni);
        QStringList fatte;
        for (const QString &riga : letto.righe) {
            const QString nome = nomeRiga(riga);
            if (nome == kImpronta || nome.startsWith(kPrecedente))
                continue;
            const qsizetype i = indiceOpzione(nome);
            if (i < 0 || scritte.at(i) == lette.at(i)) {
                righe << riga; // unknown, or an option the user left as it was
            } else if (!fatte.contains(nome)) {
                righe << scritte.at(i);
                fatte << nome;
            }
        }
        for (qsizetype i = 0; i < scritte.size(); ++i) {
            if (scritte.at(i) != lette.at(i) && !fatte.contains(nomeRiga(scritte.at(i))))
                righe << scritte.at(i);
        }
    }
    if (!improntaNuova.isEmpty())
        righe << kImpronta + QLatin1Char('=') + improntaNuova;
    if (!improntaVecchia.isEmpty() && improntaVecchia != improntaNuova) {
        righe << kPrecedente + kImpronta + QLatin1Char('=') + improntaVecchia;
        for (const QString &riga : righeOpzioniAccesso(letto.opzioni))
            righe << kPrecedente + riga;
    }
    return righe;
}

bool SalvaOpzioniAccesso(const QString &percorso, const OpzioniAccesso &opzioni)
{
    if (percorso.isEmpty())
        return false;
    return TestoFile::scriviRighe(Percorsi::risolvi(percorso), righeOpzioniAccesso(opzioni));
}
