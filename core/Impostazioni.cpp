#include "core/Impostazioni.h"

#include "core/Percorsi.h"
#include "core/TestoFile.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kRigheFile = 50;
// Beyond this a double no longer holds every whole number.
constexpr double kMassimoIntero = 9007199254740992.0; // 2^53

QString numero(double valore)
{
    // Numbers are written with a leading space when not negative and one
    // trailing space, as the file has always held them.
    const QString cifre = QString::number(static_cast<qint64>(valore));
    return (valore < 0 ? cifre : QLatin1Char(' ') + cifre) + QLatin1Char(' ');
}

// A text value is one line of the file: a line break inside it would shift
// every later value, so it is written as a space.
QString riga(const QString &testo)
{
    QString una = testo;
    una.replace(QLatin1String("\r\n"), QLatin1String(" "));
    una.replace(QLatin1Char('\r'), QLatin1Char(' '));
    una.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return una;
}

QString booleano(bool valore)
{
    return valore ? QStringLiteral("True") : QStringLiteral("False");
}

class Lettore
{
public:
    explicit Lettore(const QStringList &righe) : m_righe(righe) {}

    bool ok() const { return m_ok; }

    QString testo() { return prossima(); }

    bool booleano()
    {
        const QString riga = prossima();
        return riga.startsWith(QLatin1Char('T'));
    }

    qint16 intero16()
    {
        const double v = numero();
        if (v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
            m_ok = false;
        return m_ok ? static_cast<qint16>(v) : 0;
    }

    double colore()
    {
        const double v = numero();
        if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<quint32>::max())
            m_ok = false;
        return v;
    }

private:
    QString prossima()
    {
        if (m_indice >= m_righe.size()) {
            m_ok = false;
            return QString();
        }
        return m_righe.at(m_indice++);
    }

    double numero()
    {
        bool letto = false;
        const QString riga = prossima().trimmed();
        const double v = riga.toDouble(&letto);
        // Whole numbers only. "inf" or a huge value reads as a double too,
        // and must be refused before anything converts it to an integer.
        if (!letto || !std::isfinite(v) || std::fabs(v) > kMassimoIntero || v != std::trunc(v)) {
            m_ok = false;
            return 0;
        }
        return v;
    }

    const QStringList &m_righe;
    int m_indice = 0;
    bool m_ok = true;
};

} // namespace

bool Impostazioni::operator==(const Impostazioni &a) const
{
    return righeImpostazioni(*this) == righeImpostazioni(a);
}

void ColoriPredefiniti(TabellaColoriTipo &t)
{
    t[0] = {QStringLiteral("FFFFCC"), QStringLiteral("sfondo"), QStringLiteral("sfondo"),
            QStringLiteral("sfondo"), QStringLiteral("sfondo")};
    t[1] = {QStringLiteral("00FF00"), QStringLiteral("verde"), QStringLiteral("verdi"),
            QStringLiteral("verde"), QStringLiteral("verdi")};
    t[2] = {QStringLiteral("FF0000"), QStringLiteral("rosso"), QStringLiteral("rossi"),
            QStringLiteral("rossa"), QStringLiteral("rosse")};
    t[3] = {QStringLiteral("0000FF"), QStringLiteral("blu"), QStringLiteral("blu"),
            QStringLiteral("blu"), QStringLiteral("blu")};
    t[4] = {QStringLiteral("FFFF00"), QStringLiteral("giallo"), QStringLiteral("gialli"),
            QStringLiteral("gialla"), QStringLiteral("gialle")};
}

void ImpostazioniPredefinite(Impostazioni &imp, const QString &modoVocePredefinito)
{
    imp = Impostazioni();
    ColoriPredefiniti(imp.TabellaColori);
    imp.ColoreSfondo = 0xFFFF80;
    imp.StileTesto = QStringLiteral("minuscolo");
    imp.FontTesto = QStringLiteral("arial");
    imp.FontTestoSalvato = QStringLiteral("arial");
    imp.ColoreTesto = kColoreSistemaTestoPulsanti;
    imp.ColorePulsanti = kColoreSistemaPulsanti;
    imp.ColorePulsanteSelezionato = 0xFF;
    imp.ColoreSfondoTesto = 0xFFFFFF;
    imp.ModoVoceTTS = modoVocePredefinito;
    imp.NomePersonaggio = QStringLiteral("Merlin");
}

QStringList righeImpostazioni(const Impostazioni &imp)
{
    QStringList r;
    r << numero(imp.VelocitaVoce) << numero(imp.TonoVoce) << booleano(imp.VoceAttiva)
      << booleano(imp.FumettoVisibile) << booleano(imp.FumettoContieneTesto) << riga(imp.FontFumetto)
      << numero(imp.DimensioneFontFumetto) << booleano(imp.SuoniAttivi)
      << booleano(imp.CursoreDiSistema) << numero(imp.ModoInput) << numero(imp.VelocitaScansione);
    for (const auto &slot : imp.TabellaColori)
        for (const QString &forma : slot)
            r << riga(forma);
    r << numero(imp.ColoreSfondo) << riga(imp.StileTesto) << riga(imp.FontTesto)
      << riga(imp.FontTestoSalvato)
      << numero(imp.DimensioneFontTesto) << numero(imp.ColoreTesto) << numero(imp.ColorePulsanti)
      << booleano(imp.ColoriVari) << numero(imp.ColorePulsanteSelezionato)
      << numero(imp.ColoreSfondoTesto) << booleano(imp.PassaggioLivelli)
      << booleano(imp.TracciaAttivita) << riga(imp.ModoVoceTTS) << riga(imp.NomePersonaggio);
    Q_ASSERT(r.size() == kRigheFile);
    return r;
}

bool leggiRigheImpostazioni(const QStringList &righe, Impostazioni *imp)
{
    Impostazioni n;
    Lettore l(righe);
    n.VelocitaVoce = l.intero16();
    n.TonoVoce = l.intero16();
    n.VoceAttiva = l.booleano();
    n.FumettoVisibile = l.booleano();
    n.FumettoContieneTesto = l.booleano();
    n.FontFumetto = l.testo();
    n.DimensioneFontFumetto = l.intero16();
    n.SuoniAttivi = l.booleano();
    n.CursoreDiSistema = l.booleano();
    n.ModoInput = l.intero16();
    n.VelocitaScansione = l.intero16();
    for (auto &slot : n.TabellaColori)
        for (QString &forma : slot)
            forma = l.testo();
    n.ColoreSfondo = l.colore();
    n.StileTesto = l.testo();
    n.FontTesto = l.testo();
    n.FontTestoSalvato = l.testo();
    n.DimensioneFontTesto = l.intero16();
    n.ColoreTesto = l.colore();
    n.ColorePulsanti = l.colore();
    n.ColoriVari = l.booleano();
    n.ColorePulsanteSelezionato = l.colore();
    n.ColoreSfondoTesto = l.colore();
    n.PassaggioLivelli = l.booleano();
    n.TracciaAttivita = l.booleano();
    n.ModoVoceTTS = l.testo();
    n.NomePersonaggio = l.testo();
    if (!l.ok())
        return false;
    const Impostazioni predefinite;
    auto misura = [](qint16 dimensione, qint16 predefinita) {
        return dimensione >= kDimensioneFontMinima && dimensione <= kDimensioneFontMassima ? dimensione
                                                                                              : predefinita;
    };
    n.DimensioneFontFumetto = misura(n.DimensioneFontFumetto, predefinite.DimensioneFontFumetto);
    n.DimensioneFontTesto = misura(n.DimensioneFontTesto, predefinite.DimensioneFontTesto);
    *imp = n;
    return true;
}

bool SalvaImpostazioni(const QString &percorso, const Impostazioni &imp)
{
    return TestoFile::scriviRighe(Percorsi::risolvi(percorso), righeImpostazioni(imp));
}

bool LeggiImpostazioni(const QString &percorso, Impostazioni *imp, const QString &modoVocePredefinito)
{
    QString testo;
    if (EsisteFile(percorso) && TestoFile::leggi(Percorsi::risolvi(percorso), &testo, kByteMassimiImpostazioni)
        && leggiRigheImpostazioni(TestoFile::righe(testo), imp)) {
        return true;
    }
    ImpostazioniPredefinite(*imp, modoVocePredefinito);
    return false;
}
