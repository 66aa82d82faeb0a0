#include "config/LogicaConfigura.h"

#include "core/Lingua.h"
#include "core/NomeUtente.h"
#include "core/TestoFile.h"

#include <QHash>

namespace {

// The empty positions of each row of the palette grid, as column ranges.
struct Vuoto
{
    int riga, da, a;
};
constexpr Vuoto kVuoti[] = {
    {0, 10, 15},
    {1, 1, 4}, {1, 11, 14},
    {7, 7, 9},
    {8, 6, 8},
    {14, 1, 4}, {14, 11, 14},
    {15, 0, 5}, {15, 10, 15},
};

bool posizioneVuota(int colonna, int riga)
{
    for (const Vuoto &v : kVuoti) {
        if (v.riga == riga && colonna >= v.da && colonna <= v.a)
            return true;
    }
    return false;
}

std::array<QPoint, kCaselleTavolozza> calcolaPosizioni()
{
    std::array<QPoint, kCaselleTavolozza> posizioni {};
    int i = 0;
    for (int riga = 0; riga < kLatoGriglia; ++riga) {
        for (int colonna = 0; colonna < kLatoGriglia; ++colonna) {
            if (!posizioneVuota(colonna, riga) && i < kCaselleTavolozza)
                posizioni[size_t(i++)] = QPoint(colonna, riga);
        }
    }
    return posizioni;
}

} // namespace

QString testoVelocitaScansione(int velocitaScansione, const QLocale &locale)
{
    QString secondi = QString::number(velocitaScansione / 4.0, 'f', 2);
    secondi.replace(QLatin1Char('.'), locale.decimalPoint());
    return MLSGetText(QStringLiteral("0373")).arg(secondi);
}

const std::array<QPoint, kCaselleTavolozza> &posizioniCaselle()
{
    static const std::array<QPoint, kCaselleTavolozza> posizioni = calcolaPosizioni();
    return posizioni;
}

int casellaInPosizione(int colonna, int riga)
{
    const auto &posizioni = posizioniCaselle();
    for (int i = 0; i < kCaselleTavolozza; ++i) {
        if (posizioni[size_t(i)] == QPoint(colonna, riga))
            return i;
    }
    return -1;
}

QString didascaliaSlot(const std::array<QString, 5> &slot)
{
    return QStringList {slot[1], slot[2], slot[3], slot[4]}.join(QStringLiteral(" - "));
}

namespace {

// The first character, whole even when the text holds it as a pair, that
// the settings files cannot store; empty when there is none.
QString primoCarattereNon1252(const QString &nome)
{
    for (const char32_t codice : nome.toUcs4()) {
        const QString carattere = QString::fromUcs4(&codice, 1);
        for (const QChar c : carattere) {
            if (!TestoFile::carattereIn1252(c))
                return carattere;
        }
    }
    return QString();
}

// The message key of the reason a name is refused; nullptr when it is accepted.
const char *chiaveRifiuto(const QString &nome, const QStringList &utentiEsistenti)
{
    switch (problemaNomeUtente(nome)) {
    case ProblemaNome::Nessuno:
        break;
    case ProblemaNome::Vuoto:
        return "0150";
    case ProblemaNome::TroppoLungo:
        return "0151";
    case ProblemaNome::CarattereDiControllo:
    case ProblemaNome::CarattereNonValido:
        return "0152";
    case ProblemaNome::Separatore:
    case ProblemaNome::CarattereRiservato:
        return "0153";
    case ProblemaNome::SpaziAiBordi:
        return "0154";
    case ProblemaNome::PuntoIniziale:
        return "0155";
    case ProblemaNome::NomePredefinito:
        return "0156";
    case ProblemaNome::NomeDiDispositivo:
        return "0157";
    }
    if (!primoCarattereNon1252(nome).isEmpty())
        return "0400";
    for (const QString &esistente : utentiEsistenti) {
        if (esistente.compare(nome, Qt::CaseInsensitive) == 0)
            return "0158";
    }
    return nullptr;
}

// The reasons as the Italian language file gives them, for a language file
// that lacks them: a refusal is never silent.
QString motivoPredefinito(const QByteArray &chiave)
{
    static const QHash<QByteArray, const char *> testi = {
        {"0150", "Scrivi il nome del nuovo giocatore."},
        {"0151", "Il nome è troppo lungo: al massimo %1 caratteri."},
        {"0152", "Il nome contiene un carattere che non si può usare."},
        {"0153", "Il nome non può contenere i caratteri / \\ < > : | ? * e le virgolette."},
        {"0154", "Il nome non può cominciare o finire con uno spazio."},
        {"0155", "Il nome non può cominciare con un punto."},
        {"0156", "Questo nome è del giocatore predefinito: scegline un altro."},
        {"0157", "Questo nome è riservato al sistema: scegline un altro."},
        {"0158", "C'è già un giocatore con questo nome: sceglilo con «Modifica giocatore»."},
        {"0400", "Il nome contiene il carattere «%1», che non si può salvare: scegline un altro."},
    };
    return QString::fromUtf8(testi.value(chiave));
}

} // namespace

QString motivoNomeRifiutato(const QString &nome, const QStringList &utentiEsistenti)
{
    const char *chiave = chiaveRifiuto(nome, utentiEsistenti);
    if (!chiave)
        return QString();
    QString motivo = MLSGetText(QLatin1String(chiave));
    if (motivo.isEmpty())
        motivo = motivoPredefinito(chiave);
    if (qstrcmp(chiave, "0400") == 0)
        motivo = motivo.arg(primoCarattereNon1252(nome)); // the teacher sees which character to change
    else if (motivo.contains(QLatin1String("%1")))
        motivo = motivo.arg(kLunghezzaMassimaNome);
    return motivo;
}

bool nomeNuovoUtenteAccettato(const QString &nome, const QStringList &utentiEsistenti)
{
    return chiaveRifiuto(nome, utentiEsistenti) == nullptr;
}

int modoAnteprimaScansione(int modoInput)
{
    switch (modoInput) {
    case IngressoScansioneManuale:
    case IngressoScansioneAutomatica:
    case IngressoTastiera:
        return modoInput;
    default:
        return IngressoScansioneAutomatica;
    }
}

QString testoModoAnteprima(int modoInput)
{
    switch (modoInput) {
    case IngressoScansioneManuale: return MLSGetText(QStringLiteral("0175"));
    case IngressoScansioneAutomatica: return MLSGetText(QStringLiteral("0176"));
    case IngressoTastiera: return MLSGetText(QStringLiteral("0177"));
    default: return MLSGetText(QStringLiteral("0178"));
    }
}

int indiceSpessore(int pixel)
{
    for (size_t i = 0; i < kSpessoriEvidenziazione.size(); ++i) {
        if (kSpessoriEvidenziazione[i] == pixel)
            return int(i);
    }
    return 0;
}
