#include "core/Casuale.h"

#include <QDateTime>

FonteOrologio::FonteOrologio()
{
    seminaDallOrologio();
}

void FonteOrologio::seminaDallOrologio()
{
    m_generatore.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

double FonteOrologio::r()
{
    return m_generatore.generateDouble();
}

FonteScriptata::FonteScriptata(std::initializer_list<double> valori)
    : m_valori(valori)
{
}

void FonteScriptata::aggiungi(double valore)
{
    m_valori.push_back(valore);
}

double FonteScriptata::r()
{
    ++m_estrazioni;
    if (!m_valori.empty()) {
        m_ultimo = m_valori.front();
        m_valori.pop_front();
    }
    return m_ultimo;
}

namespace {
FonteOrologio &fonteOrologio()
{
    static FonteOrologio fonte;
    return fonte;
}
FonteCasuale *g_fonte = nullptr;
} // namespace

FonteCasuale &fonteCasuale()
{
    return g_fonte ? *g_fonte : fonteOrologio();
}

void impostaFonteCasuale(FonteCasuale *fonte)
{
    g_fonte = fonte;
}
