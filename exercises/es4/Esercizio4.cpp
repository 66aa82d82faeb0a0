#include "exercises/es4/Esercizio4.h"

#include "vocabulary/Parole.h"

#include <QtGlobal>

#include <algorithm>

Esercizio4::Esercizio4(FonteCasuale &fonte, const TabellaParoleTipo &parole, const TabellaColoriTipo &colori)
    : m_fonte(fonte)
    , m_parole(parole)
    , m_colori(colori)
{
}

void Esercizio4::GeneraEsercizio(int livello, const QString &stileTesto)
{
    m_livello = qBound(1, livello, kLivelli);
    m_fatte = 0;
    m_coloreCorrente = 0;
    m_coloreDato.fill(0);
    // ImpostaColori: the parts go grey; the smoke and then the clouds are
    // decoration, shown or not with equal chance.
    m_fumo = m_fonte.daZero(2) == 1;
    m_nuvole = m_fonte.daZero(2) == 1;
    ScriviFrase(stileTesto);
}

void Esercizio4::ScriviFrase(const QString &stileTesto)
{
    for (int p = 1; p <= kParti; ++p) {
        bool affermativa;
        switch (m_livello) {
        case 1:
        case 4: affermativa = true; break;
        case 2:
        case 5: affermativa = false; break;
        default: affermativa = m_fonte.daZero(2) == 0; break;
        }
        m_affermativa[p] = affermativa;
        m_coloreFrase[p] = m_fonte.daUno(4);
        // An affirmative sentence admits only its colour, a negative one
        // every colour but its own.
        m_ammesso[p][0] = true;
        for (int c = 1; c <= 4; ++c)
            m_ammesso[p][c] = !affermativa;
        m_ammesso[p][m_coloreFrase[p]] = affermativa;
        m_frasi[p] = ComponiFrase(p, affermativa, m_coloreFrase[p], stileTesto);
        m_presentata[p] = false;
    }
}

QString Esercizio4::ComponiFrase(int parte, bool affermativa, int colore, const QString &stileTesto) const
{
    if (!valida(parte))
        return QString();
    const VociParte &voci = vociParte(parte);
    const QString frase = m_parole[affermativa ? voci.soggettoAffermativo : voci.soggettoNegativo]
        + m_colori[qBound(0, colore, 4)][formaDellaParte(parte)] + QLatin1Char('.');
    return stileTesto == QLatin1String("maiuscolo") ? frase.toUpper() : frase;
}

int Esercizio4::estraiFrase()
{
    if (std::all_of(m_presentata.begin() + 1, m_presentata.end(), [](bool b) { return b; }))
        return -1;
    int p = m_fonte.daUno(kParti);
    while (m_presentata[p])
        p = m_fonte.daUno(kParti);
    m_presentata[p] = true;
    m_fraseCorrente = p;
    return p;
}

QString Esercizio4::riepilogo() const
{
    QString testo;
    for (int p = 1; p <= kParti; ++p)
        testo += m_frasi[p] + QStringLiteral("\r\n");
    return testo;
}

int Esercizio4::clicSuParte(int parte)
{
    if (parte < 0 || parte > kParti)
        return 0;
    // One counter for every part: consecutive clicks on different parts
    // give them consecutive colours of the cycle 1, 2, 3, 4, 1...
    m_coloreCorrente = m_coloreCorrente % 4 + 1;
    if (parte == 0 || !m_ammesso[parte][0])
        return 0;
    m_coloreDato[parte] = m_coloreCorrente;
    return parte;
}

int Esercizio4::parteDaColorare() const
{
    const int p = m_fraseCorrente;
    if (!valida(p) || !m_ammesso[p][0] || m_coloreCorrente < 1 || m_coloreCorrente > 4)
        return 0;
    return p;
}

int Esercizio4::ColoraFrase()
{
    const int p = parteDaColorare();
    if (p > 0)
        m_coloreDato[p] = m_coloreCorrente;
    return p;
}

bool Esercizio4::Ammesso(int parte, int colore) const
{
    return valida(parte) && colore >= 0 && colore <= 4 && m_ammesso[parte][colore];
}

Esercizio4::Giudizio Esercizio4::verifica()
{
    return unaAllaVolta() ? verificaFraseCorrente() : verificaTutte();
}

Esercizio4::Giudizio Esercizio4::verificaFraseCorrente()
{
    Giudizio v;
    const int p = m_fraseCorrente;
    if (!valida(p) || m_coloreDato[p] == 0 || !m_ammesso[p][0] || completo())
        return v;
    if (m_ammesso[p][m_coloreDato[p]]) {
        m_ammesso[p][0] = false;
        ++m_fatte;
        v.esito = Esito::Esatta;
    } else {
        v.esito = Esito::Errata;
    }
    return v;
}

Esercizio4::Giudizio Esercizio4::verificaTutte()
{
    Giudizio v;
    // All six at once. A part found right before is locked and counted
    // again, so the count always starts from zero.
    m_fatte = 0;
    for (int p = 1; p <= kParti; ++p) {
        if (m_coloreDato[p] == 0)
            continue;
        if (m_ammesso[p][m_coloreDato[p]]) {
            m_ammesso[p][0] = false;
            ++m_fatte;
        } else {
            ++v.errate;
        }
    }
    if (m_fatte == kParti) {
        v.esito = Esito::Completa;
    } else {
        v.esito = Esito::Incompleta;
        m_fatte = 0;
    }
    return v;
}

QString Esercizio4::parolaColore(int colore, int parte) const
{
    if (colore < 1 || colore > 4)
        return {};
    return m_colori[colore][valida(parte) ? formaDellaParte(parte) : 1].trimmed();
}

QString Esercizio4::esadecimale(int colore) const
{
    return m_colori[qBound(0, colore, 4)][0];
}
