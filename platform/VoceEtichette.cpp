#include "platform/VoceEtichette.h"

#include <QtMath>

#include <algorithm>

namespace {

bool eNumeroIntero(const QString &valore)
{
    if (valore.isEmpty() || valore.size() > 9)
        return false;
    return std::all_of(valore.cbegin(), valore.cend(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

TestoDaLeggere leggiEtichetteVoce(const QString &testo)
{
    TestoDaLeggere risultato;
    int pos = 0;
    const auto saltaSpazi = [&testo](int da) {
        while (da < testo.size() && testo.at(da).isSpace())
            ++da;
        return da;
    };
    for (int cursore = saltaSpazi(0);
         cursore < testo.size() && testo.at(cursore) == QLatin1Char('\\');
         cursore = saltaSpazi(pos)) {
        const int chiusura = testo.indexOf(QLatin1Char('\\'), cursore + 1);
        if (chiusura < 0)
            break; // never closed: ordinary text
        const QString corpo = testo.mid(cursore + 1, chiusura - cursore - 1);
        pos = chiusura + 1;
        const int uguale = corpo.indexOf(QLatin1Char('='));
        if (uguale < 0)
            continue;
        const QString nome = corpo.left(uguale).trimmed();
        const QString valore = corpo.mid(uguale + 1).trimmed();
        if (!eNumeroIntero(valore))
            continue;
        if (nome.compare(QLatin1String("Spd"), Qt::CaseInsensitive) == 0)
            risultato.velocita = valore.toInt();
        else if (nome.compare(QLatin1String("Pit"), Qt::CaseInsensitive) == 0)
            risultato.tono = valore.toInt();
    }
    risultato.testo = testo.mid(pos);
    return risultato;
}

int velocitaMotore(int velocitaTag)
{
    return std::clamp(velocitaTag, kVelocitaMinimaMotore, kVelocitaMassimaMotore);
}

int tonoMotore(int tonoTag)
{
    const double tono = std::clamp(tonoTag, 50, 400);
    const double ottave = std::log2(tono / 100.0);
    const double valore = ottave < 0 ? 50.0 + 50.0 * ottave : 50.0 + 25.0 * ottave;
    return std::clamp(qRound(valore), 0, 100);
}

QString voceDelModo(const QString &modo)
{
    const QString m = modo.trimmed();
    if (m.size() < 3 || !m.startsWith(QLatin1Char('{')) || !m.endsWith(QLatin1Char('}')))
        return {};
    return m.mid(1, m.size() - 2).trimmed();
}

QString linguaDellIdentificativo(int identificativoLingua)
{
    // Regional forms the engine voices apart; everything else goes by the
    // primary language in the low ten bits.
    switch (identificativoLingua) {
    case 1033: return QStringLiteral("en-US");
    case 1046: return QStringLiteral("pt-BR");
    default: break;
    }
    switch (identificativoLingua & 0x3FF) {
    case 0x01: return QStringLiteral("ar");
    case 0x02: return QStringLiteral("bg");
    case 0x03: return QStringLiteral("ca");
    case 0x04: return QStringLiteral("cmn");
    case 0x05: return QStringLiteral("cs");
    case 0x06: return QStringLiteral("da");
    case 0x07: return QStringLiteral("de");
    case 0x08: return QStringLiteral("el");
    case 0x09: return QStringLiteral("en");
    case 0x0A: return QStringLiteral("es");
    case 0x0B: return QStringLiteral("fi");
    case 0x0C: return QStringLiteral("fr");
    case 0x0D: return QStringLiteral("he");
    case 0x0E: return QStringLiteral("hu");
    case 0x0F: return QStringLiteral("is");
    case 0x10: return QStringLiteral("it");
    case 0x11: return QStringLiteral("ja");
    case 0x12: return QStringLiteral("ko");
    case 0x13: return QStringLiteral("nl");
    case 0x14: return QStringLiteral("nb");
    case 0x15: return QStringLiteral("pl");
    case 0x16: return QStringLiteral("pt");
    case 0x18: return QStringLiteral("ro");
    case 0x19: return QStringLiteral("ru");
    case 0x1A: return QStringLiteral("hr");
    case 0x1B: return QStringLiteral("sk");
    case 0x1C: return QStringLiteral("sq");
    case 0x1D: return QStringLiteral("sv");
    case 0x1F: return QStringLiteral("tr");
    case 0x22: return QStringLiteral("uk");
    case 0x24: return QStringLiteral("sl");
    case 0x25: return QStringLiteral("et");
    case 0x26: return QStringLiteral("lv");
    case 0x27: return QStringLiteral("lt");
    case 0x2A: return QStringLiteral("vi");
    case 0x2D: return QStringLiteral("eu");
    case 0x36: return QStringLiteral("af");
    case 0x56: return QStringLiteral("gl");
    default: return {};
    }
}
