#include "exercises/es5/Esercizio5.h"

#include "core/Lingua.h"

#include <QtGlobal>

namespace {

// Word-table entries of the sentences (each filled from message key n + 6).
constexpr int kFumoC_e = 10;         // there is smoke
constexpr int kFumoNonC_e = 11;      // there is no smoke
constexpr int kFraseFumo = 6;        // smoke present, as a phrase
constexpr int kFraseSenzaFumo = 7;   // smoke absent, as a phrase
constexpr int kNuvole = 12;          // clouds present
constexpr int kSenzaNuvole = 13;     // clouds absent
constexpr int kE = 14;               // joins two facts that must both hold
constexpr int kMaNonTutteEDue = 31;  // closes "only one" after a coloured part or the smoke
constexpr int kO = 32;               // joins the facts of levels 3 and 4
constexpr int kMagari = 33;          // "at least one": the second fact may hold too
constexpr int kMaNonTutteEDueCielo = 34; // closes "only one" after smoke absent or the clouds

} // namespace

Esercizio5::Esercizio5(FonteCasuale &fonte, const TabellaParoleTipo &parole, const TabellaColoriTipo &colori,
                       std::function<QString(const QString &)> testo)
    : m_fonte(fonte)
    , m_parole(parole)
    , m_colori(colori)
    , m_testo(std::move(testo))
{
    if (!m_testo)
        m_testo = [](const QString &chiave) { return MLSGetText(chiave); };
}

void Esercizio5::GeneraEsercizio(int livello, const QString &stileTesto)
{
    m_livello = qBound(1, livello, kLivelli);
    m_numeroSi = 0;
    m_numeroNo = 0;
    ScriviFrase(m_livello);
    m_frase = componiFrase(m_livello, m_fatto1, m_fatto2, stileTesto);
    ImpostaColori();
}

void Esercizio5::ScriviFrase(int livello)
{
    m_fatto1.parte = m_fonte.daUno(8);
    m_fatto1.valore = valoreACaso(m_fatto1.parte);
    if (livello < 2)
        return;
    // The value is drawn again with every draw of the part, so both facts are
    // about different parts.
    do {
        m_fatto2.parte = m_fonte.daUno(8);
        m_fatto2.valore = valoreACaso(m_fatto2.parte);
    } while (m_fatto2.parte == m_fatto1.parte);
}

int Esercizio5::valoreACaso(int parte)
{
    return parte <= Gradino ? m_fonte.daUno(4) : m_fonte.daZero(2);
}

void Esercizio5::ridisegna()
{
    m_casa[m_fatto1.parte] = valoreACaso(m_fatto1.parte);
    if (m_livello > 1)
        m_casa[m_fatto2.parte] = valoreACaso(m_fatto2.parte);
}

void Esercizio5::ImpostaColori()
{
    m_rispostaGiusta = m_fonte.daZero(100) % 2;
    for (int p = Comignolo; p <= Nuvole; ++p)
        m_casa[p] = valoreACaso(p);
    const bool vera = m_rispostaGiusta == ScatolaSi;
    const auto primo = [this] { return vale(m_fatto1, m_casa); };
    const auto secondo = [this] { return vale(m_fatto2, m_casa); };
    switch (m_livello) {
    case 1:
        if (vera)
            imponi(m_fatto1);
        else
            while (primo())
                ridisegna();
        break;
    case 2:
        if (vera) {
            imponi(m_fatto1);
            imponi(m_fatto2);
        } else {
            while (primo() && secondo())
                ridisegna();
        }
        break;
    case 3: {
        // From a house of which neither fact holds, a true one gets the
        // first fact, the second or both.
        while (primo() || secondo())
            ridisegna();
        if (vera) {
            const int k = m_fonte.daZero(150) % 3;
            if (k != 0)
                imponi(m_fatto1);
            if (k != 1)
                imponi(m_fatto2);
        }
        break;
    }
    default: {
        // Exactly one fact makes it true; both, or neither, false.
        while (primo() || secondo())
            ridisegna();
        const int k = m_fonte.daZero(100) % 2;
        if (vera) {
            imponi(k == 1 ? m_fatto1 : m_fatto2);
        } else if (k == 1) {
            imponi(m_fatto1);
            imponi(m_fatto2);
        }
        break;
    }
    }
}

Esercizio5::Esito Esercizio5::valutaRisposta(int indice) const
{
    if (indice == Avanti)
        return Esito::ProssimoEsercizio;
    return indice == m_rispostaGiusta ? Esito::Esatta : Esito::Errata;
}

int Esercizio5::aggiungiCasa()
{
    int &numero = m_rispostaGiusta == ScatolaSi ? m_numeroSi : m_numeroNo;
    if (numero >= kCasePerScatola)
        return -1;
    return numero++;
}

bool Esercizio5::scatolaPiena() const
{
    return m_numeroSi >= kCasePerScatola || m_numeroNo >= kCasePerScatola;
}

bool Esercizio5::vale(const Fatto &f, const ValoriCasa &casa)
{
    return f.parte >= Comignolo && f.parte <= Nuvole && casa[f.parte] == f.valore;
}

bool Esercizio5::veraPer(const ValoriCasa &casa) const
{
    const bool primo = vale(m_fatto1, casa);
    const bool secondo = vale(m_fatto2, casa);
    switch (m_livello) {
    case 1: return primo;
    case 2: return primo && secondo;
    case 3: return primo || secondo;
    default: return primo != secondo;
    }
}

QString Esercizio5::esadecimaleParte(int parte) const
{
    if (parte < Comignolo || parte > Gradino)
        return QString();
    return m_colori[m_casa[parte]][0];
}

QString Esercizio5::sfondo() const
{
    return m_colori[0][0];
}

QString Esercizio5::W(int voce) const
{
    return m_parole[voce];
}

QString Esercizio5::T(const char *chiave) const
{
    return m_testo(QLatin1String(chiave));
}

QString Esercizio5::C(int slot, int parte) const
{
    return m_colori[qBound(0, slot, 4)][formaDellaParte(parte)];
}

QString Esercizio5::componiFrase(int livello, const Fatto &primo, const Fatto &secondo,
                                 const QString &stileTesto) const
{
    QString frase;
    switch (livello) {
    case 1:
        frase = ComponiFrasePositiva1(primo);
        break;
    case 2:
        frase = ComponiFrasePositiva1(primo) + ComponiFrasePositiva2(secondo);
        break;
    case 3:
        frase = T("0082") + ComponiFrasePositiva1(primo) + ComponiFrasePositiva3(secondo);
        break;
    default:
        frase = T("0083") + ComponiFrasePositiva1(primo) + ComponiFrasePositiva4(secondo);
        break;
    }
    return casoDellaFrase(frase, stileTesto) + QLatin1Char('.');
}

QString Esercizio5::ComponiFrasePositiva1(const Fatto &f) const
{
    if (f.parte == Fumo)
        return W(f.valore == 1 ? kFumoC_e : kFumoNonC_e);
    if (f.parte == Nuvole)
        return W(f.valore == 1 ? kNuvole : kSenzaNuvole);
    return W(vociParte(f.parte).soggettoAffermativo) + C(f.valore, f.parte);
}

QString Esercizio5::ComponiFrasePositiva2(const Fatto &f) const
{
    if (f.parte == Fumo)
        return W(kE) + W(f.valore == 1 ? kFumoC_e : kFumoNonC_e);
    if (f.parte == Nuvole)
        return W(kE) + W(f.valore == 1 ? kNuvole : kSenzaNuvole);
    // Keys "0084".."0089" name the six parts in the middle of a sentence;
    // the colour word agrees with each part as everywhere else (the one
    // step of a house is singular).
    const QString chiave = QStringLiteral("%1").arg(83 + f.parte, 4, 10, QLatin1Char('0'));
    return W(kE) + m_testo(chiave) + C(f.valore, f.parte);
}

QString Esercizio5::ComponiFrasePositiva3(const Fatto &f) const
{
    const QString inizio = W(kO) + W(kMagari);
    switch (f.parte) {
    case Comignolo:
        return inizio + T("0090") + C(f.valore, f.parte);
    case Fumo:
        return inizio + W(f.valore == 1 ? kFraseFumo : kFraseSenzaFumo);
    case Nuvole:
        return inizio + (f.valore == 1 ? W(kNuvole) : T("0091"));
    default:
        return inizio + W(vociParte(f.parte).soggettoAffermativo) + C(f.valore, f.parte);
    }
}

QString Esercizio5::ComponiFrasePositiva4(const Fatto &f) const
{
    // The closing phrase follows the comma with one space.
    const QString virgola = QStringLiteral(", ");
    switch (f.parte) {
    case Comignolo:
        return W(kO) + T("0092") + C(f.valore, f.parte) + virgola + W(kMaNonTutteEDue);
    case Fumo:
        return f.valore == 1 ? W(kO) + W(kFraseFumo) + virgola + W(kMaNonTutteEDue)
                             : W(kO) + W(kFraseSenzaFumo) + virgola + W(kMaNonTutteEDueCielo);
    case Nuvole:
        return W(kO) + W(f.valore == 1 ? kNuvole : kSenzaNuvole) + virgola + W(kMaNonTutteEDueCielo);
    default:
        return W(kO) + W(vociParte(f.parte).soggettoAffermativo) + C(f.valore, f.parte) + virgola
            + W(kMaNonTutteEDue);
    }
}
