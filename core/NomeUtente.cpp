#include "core/NomeUtente.h"

#include <QStringList>

namespace {

bool eDispositivo(const QString &nome)
{
    // Some systems treat these names as devices whatever follows the first
    // dot, and ignore blanks before it: "con.ini" and "Aux .ini" are devices.
    QString base = nome.section(QLatin1Char('.'), 0, 0);
    while (base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    base = base.toUpper();
    static const QStringList semplici = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                         QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (semplici.contains(base))
        return true;
    if (base.size() != 4 || !(base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))))
        return false;
    const QChar cifra = base.at(3);
    return (cifra >= QLatin1Char('0') && cifra <= QLatin1Char('9')) || cifra == QChar(0x00B9)
        || cifra == QChar(0x00B2) || cifra == QChar(0x00B3);
}

bool eRiservato(QChar c)
{
    switch (c.unicode()) {
    case '<':
    case '>':
    case ':':
    case '"':
    case '|':
    case '?':
    case '*':
        return true;
    default:
        return false;
    }
}

} // namespace

bool eUtentePredefinito(const QString &nome)
{
    return nome.compare(QLatin1String("_predefinito"), Qt::CaseInsensitive) == 0;
}

ProblemaNome problemaNomeUtente(const QString &nome)
{
    if (nome.trimmed().isEmpty())
        return ProblemaNome::Vuoto;
    if (nome.size() > kLunghezzaMassimaNome)
        return ProblemaNome::TroppoLungo;

    ProblemaNome carattere = ProblemaNome::Nessuno;
    auto segna = [&carattere](ProblemaNome p) {
        if (carattere == ProblemaNome::Nessuno || p < carattere)
            carattere = p;
    };
    for (int i = 0; i < nome.size(); ++i) {
        const QChar c = nome.at(i);
        if (c.category() == QChar::Other_Control) {
            segna(ProblemaNome::CarattereDiControllo);
        } else if (c.isHighSurrogate() && i + 1 < nome.size() && nome.at(i + 1).isLowSurrogate()) {
            const char32_t u = QChar::surrogateToUcs4(c, nome.at(i + 1));
            if (QChar::isNonCharacter(u))
                segna(ProblemaNome::CarattereNonValido);
            ++i;
        } else if (c.isSurrogate() || c.isNonCharacter()) {
            segna(ProblemaNome::CarattereNonValido);
        } else if (c == QLatin1Char('/') || c == QLatin1Char('\\')) {
            segna(ProblemaNome::Separatore);
        } else if (eRiservato(c)) {
            segna(ProblemaNome::CarattereRiservato);
        }
    }
    if (carattere != ProblemaNome::Nessuno)
        return carattere;

    if (nome.at(0).isSpace() || nome.at(nome.size() - 1).isSpace())
        return ProblemaNome::SpaziAiBordi;
    if (nome.startsWith(QLatin1Char('.')))
        return ProblemaNome::PuntoIniziale;
    if (eUtentePredefinito(nome))
        return ProblemaNome::NomePredefinito;
    if (eDispositivo(nome))
        return ProblemaNome::NomeDiDispositivo;
    return ProblemaNome::Nessuno;
}
