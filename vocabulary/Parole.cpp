#include "vocabulary/Parole.h"

#include "core/Lingua.h"

namespace {

enum class Spazi { Dopo, Entrambi, Nessuno };

// Spacing of entries 1..34: subjects end with a space so the colour word
// follows directly; the two joining words carry a space on both sides.
Spazi spaziatura(int voce)
{
    switch (voce) {
    case 1: case 2: case 3: case 4: case 5:
    case 20: case 21: case 22: case 23: case 24: case 25: case 26:
    case 27: case 28: case 29: case 30: case 33:
        return Spazi::Dopo;
    case 14: case 32:
        return Spazi::Entrambi;
    default:
        return Spazi::Nessuno;
    }
}

} // namespace

void CaricaParole(TabellaParoleTipo &tabella, const std::function<QString(const QString &)> &testo)
{
    tabella[0] = QStringLiteral(" ");
    for (int i = 1; i < static_cast<int>(tabella.size()); ++i) {
        const QString chiave = QStringLiteral("%1").arg(i + 6, 4, 10, QLatin1Char('0'));
        const QString t = testo(chiave);
        switch (spaziatura(i)) {
        case Spazi::Dopo: tabella[i] = t + QLatin1Char(' '); break;
        case Spazi::Entrambi: tabella[i] = QLatin1Char(' ') + t + QLatin1Char(' '); break;
        case Spazi::Nessuno: tabella[i] = t; break;
        }
    }
}

void CaricaParole(TabellaParoleTipo &tabella)
{
    CaricaParole(tabella, [](const QString &chiave) { return MLSGetText(chiave); });
}

QString casoDellaFrase(const QString &frase, const QString &stileTesto)
{
    if (stileTesto == QLatin1String("maiuscolo"))
        return frase.toUpper();
    QString testo = frase.toLower();
    if (!testo.isEmpty())
        testo[0] = testo.at(0).toUpper();
    return testo;
}

QString nomeParte(int parte)
{
    if (parte < Comignolo || parte > Nuvole)
        return {};
    return MLSGetText(QStringLiteral("%1").arg(199 + parte, 4, 10, QLatin1Char('0')));
}

QString nomeCasa(int numero)
{
    return MLSGetText(QStringLiteral("0208")) + QLatin1Char(' ') + QString::number(numero);
}

int formaDellaParte(int parte)
{
    switch (parte) {
    case Pareti:
    case Finestre:
        return 4;
    case Porta:
        return 3;
    default:
        return 1;
    }
}

const VociParte &vociParte(int parte)
{
    // Negative subjects are not in the order of the affirmative ones: entry 24
    // belongs to the door and 25 to the windows. Smoke and clouds are asked
    // about the two houses as a whole ("Smoke: the two houses are ..."),
    // since either may be missing from both: their answers are the plural words.
    static const VociParte kVoci[9] = {
        {0, 0, 0, 0, 0, 0, 0, 0},
        {20, 21, 0, 0, 0, 0, 8, 9},
        {1, 22, 0, 0, 0, 0, 8, 9},
        {2, 23, 0, 0, 0, 0, 17, 18},
        {3, 25, 0, 0, 0, 0, 17, 18},
        {4, 24, 0, 0, 0, 0, 8, 19},
        {5, 26, 0, 0, 0, 0, 8, 9},
        {28, 27, 10, 11, 6, 7, 17, 18},
        {30, 29, 16, 15, 12, 13, 17, 18},
    };
    return kVoci[(parte >= 1 && parte <= 8) ? parte : 0];
}
